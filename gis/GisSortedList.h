#pragma once
// A list of records kept sorted by a short code, compared without regard to
// ASCII case, that owns the record stored under each code. Adding a code that
// is already present frees the earlier record and keeps the entry in place, so
// every code appears once. The engine's ellipsoid, datum and projection tables
// are all of this kind.

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gis_detail {

inline int CompareTextAscii(std::string_view left, std::string_view right) {
  const size_t n = std::min(left.size(), right.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char l = static_cast<unsigned char>(left[i]);
    unsigned char r = static_cast<unsigned char>(right[i]);
    if (l >= 'a' && l <= 'z') l = static_cast<unsigned char>(l - 'a' + 'A');
    if (r >= 'a' && r <= 'z') r = static_cast<unsigned char>(r - 'a' + 'A');
    if (l != r) return l < r ? -1 : 1;
  }
  if (left.size() == right.size()) return 0;
  return left.size() < right.size() ? -1 : 1;
}

}  // namespace gis_detail

template <class T>
class TGIS_SortedOwnerList {
public:
  // Stores the record under the code and returns its position.
  int Add(std::string code, std::unique_ptr<T> record) {
    auto it = LowerBound(code);
    if (it != items_.end() && gis_detail::CompareTextAscii(it->first, code) == 0) {
      it->second = std::move(record);  // the earlier record is freed here
      return static_cast<int>(it - items_.begin());
    }
    it = items_.emplace(it, std::move(code), std::move(record));
    return static_cast<int>(it - items_.begin());
  }

  // Position of the code, or -1.
  int IndexOf(std::string_view code) const {
    auto it = LowerBound(code);
    if (it != items_.end() && gis_detail::CompareTextAscii(it->first, code) == 0)
      return static_cast<int>(it - items_.begin());
    return -1;
  }

  T* Find(std::string_view code) const {
    const int index = IndexOf(code);
    return index < 0 ? nullptr : items_[static_cast<size_t>(index)].second.get();
  }

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Code(int index) const { return items_.at(static_cast<size_t>(index)).first; }
  T* Object(int index) const { return items_.at(static_cast<size_t>(index)).second.get(); }

private:
  using Entry = std::pair<std::string, std::unique_ptr<T>>;

  typename std::vector<Entry>::const_iterator LowerBound(std::string_view code) const {
    return std::lower_bound(items_.begin(), items_.end(), code, [](const Entry& e, std::string_view c) {
      return gis_detail::CompareTextAscii(e.first, c) < 0;
    });
  }
  typename std::vector<Entry>::iterator LowerBound(std::string_view code) {
    return std::lower_bound(items_.begin(), items_.end(), code, [](const Entry& e, std::string_view c) {
      return gis_detail::CompareTextAscii(e.first, c) < 0;
    });
  }

  std::vector<Entry> items_;
};
