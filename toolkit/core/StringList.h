#pragma once
// An ordered list of strings with the runtime's string-list habits: lines in
// and out as one text, search and sort without regard to ASCII case.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class StringList {
public:
  StringList() = default;
  StringList(std::initializer_list<std::string> items) : items_(items) {}

  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  const std::string& operator[](std::size_t i) const { return items_.at(i); }
  std::string& operator[](std::size_t i) { return items_.at(i); }
  void Add(std::string item) { items_.push_back(std::move(item)); }
  void Delete(std::size_t i) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i)); }
  void Clear() { items_.clear(); }

  // The first index whose text equals text ignoring case, or -1.
  int IndexOf(std::string_view text) const;
  // Stable sort ignoring case: equal texts keep their order, duplicates stay.
  void Sort();

  // Lines joined with CR LF after each line; reading splits at CR LF, LF or CR.
  std::string Text() const;
  void SetText(std::string_view text);

  const std::vector<std::string>& Items() const { return items_; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  bool operator==(const StringList&) const = default;

private:
  std::vector<std::string> items_;
};

}  // namespace tk
