#include "sInheritedValues.h"

#include "toolkit/core/TextCase.h"

namespace skin {

std::optional<std::string> PresentString(std::optional<std::string_view> value) {
  if (!value || *value == "?") return std::nullopt;
  return std::string(*value);
}

std::optional<int> PresentInteger(std::optional<std::string_view> value) {
  if (!value) return std::nullopt;
  const auto n = TsIniDocument::ParseInteger(*value);
  if (!n || *n == -1) return std::nullopt;
  return n;
}

TsInheritedValues::TsInheritedValues(const TsIniDocument& ini) : ini_(ini) {
  const std::vector<std::string>& sections = ini.Sections();
  std::unordered_map<std::string, int> index;
  for (std::size_t i = 0; i < sections.size(); ++i) index.emplace(tk::UpperCase(sections[i]), static_cast<int>(i));
  parent_.assign(sections.size(), -1);
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const auto named = ini.Find(sections[i], "PARENTCLASS");
    if (!named || named->empty() || *named == "?") continue;
    const auto found = index.find(tk::UpperCase(*named));
    // A parent that is not there ends the chain like no parent at all.
    if (found != index.end()) parent_[i] = found->second;
  }
}

template <typename T>
std::vector<std::optional<T>> TsInheritedValues::Resolve(std::vector<std::optional<T>> own) const {
  const std::size_t n = own.size();
  enum : unsigned char { kOpen, kOnPath, kDone };
  std::vector<unsigned char> state(n, kOpen);
  std::vector<std::optional<T>> value(n);
  std::vector<int> path;
  for (std::size_t start = 0; start < n; ++start) {
    if (state[start] != kOpen) continue;
    // Follow the parents until a section already settled, the end of the
    // chain, or a section of this very path (a cycle).
    path.clear();
    int at = static_cast<int>(start);
    while (at >= 0 && state[static_cast<std::size_t>(at)] == kOpen) {
      state[static_cast<std::size_t>(at)] = kOnPath;
      path.push_back(at);
      at = parent_[static_cast<std::size_t>(at)];
    }
    std::size_t tail = path.size();
    if (at >= 0 && state[static_cast<std::size_t>(at)] == kOnPath) {
      // path[ring..] is a cycle; each of its sections walks the whole ring
      // from itself and takes the first value met.
      std::size_t ring = tail;
      while (path[ring - 1] != at) --ring;
      --ring;
      const std::size_t length = tail - ring;
      std::size_t holder = length;
      for (std::size_t k = 0; k < length && holder == length; ++k)
        if (own[static_cast<std::size_t>(path[ring + k])]) holder = k;
      for (std::size_t step = 0; step < length; ++step) {
        // Backwards round the ring from the holder: each takes its own value
        // or that of the section after it.
        const std::size_t k = (holder == length ? length - 1 - step : (holder + length - step) % length);
        const auto node = static_cast<std::size_t>(path[ring + k]);
        const auto next = static_cast<std::size_t>(path[ring + (k + 1) % length]);
        value[node] = own[node] ? own[node] : (step == 0 || holder == length ? std::nullopt : value[next]);
        state[node] = kDone;
      }
      tail = ring;
    }
    // The rest of the path, from its far end back: own value, else the parent's.
    for (std::size_t k = tail; k-- > 0;) {
      const auto node = static_cast<std::size_t>(path[k]);
      const int parent = parent_[node];
      value[node] = own[node] ? own[node] : (parent >= 0 ? value[static_cast<std::size_t>(parent)] : std::nullopt);
      state[node] = kDone;
    }
  }
  return value;
}

std::optional<std::string> TsInheritedValues::String(std::size_t section, std::string_view key) const {
  auto it = strings_.find(key);
  if (it == strings_.end()) {
    const std::string upperKey = tk::UpperCase(key);
    std::vector<std::optional<std::string>> own(parent_.size());
    for (std::size_t i = 0; i < own.size(); ++i) own[i] = PresentString(ini_.FindAt(i, upperKey));
    it = strings_.emplace(std::string(key), Resolve(std::move(own))).first;
  }
  return it->second[section];
}

std::optional<int> TsInheritedValues::Integer(std::size_t section, std::string_view key) const {
  auto it = integers_.find(key);
  if (it == integers_.end()) {
    const std::string upperKey = tk::UpperCase(key);
    std::vector<std::optional<int>> own(parent_.size());
    for (std::size_t i = 0; i < own.size(); ++i) own[i] = PresentInteger(ini_.FindAt(i, upperKey));
    it = integers_.emplace(std::string(key), Resolve(std::move(own))).first;
  }
  return it->second[section];
}

template std::vector<std::optional<std::string>> TsInheritedValues::Resolve(std::vector<std::optional<std::string>>) const;
template std::vector<std::optional<int>> TsInheritedValues::Resolve(std::vector<std::optional<int>>) const;

}  // namespace skin
