#include "OptionsLookup.h"
#include "TextCase.h"

#include <sstream>

namespace skingen {

OptionsLookup::OptionsLookup(const std::string& text) {
  std::istringstream in(text);
  std::string line, current;
  while (std::getline(in, line)) {
    line = TrimBlanks(line);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      current = UpperAscii(TrimBlanks(line.substr(1, line.size() - 2)));
      if (!sections_.count(current)) order_.push_back(current);
      sections_[current];
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos || current.empty()) continue;
    sections_[current].emplace_back(UpperAscii(TrimBlanks(line.substr(0, eq))), TrimBlanks(line.substr(eq + 1)));
  }
}

bool OptionsLookup::HasSection(const std::string& section) const { return sections_.count(UpperAscii(section)) > 0; }

std::optional<std::string> OptionsLookup::Get(const std::string& section, const std::string& key) const {
  std::string s = UpperAscii(section);
  const std::string k = UpperAscii(key);
  for (int depth = 0; depth < 16; ++depth) {  // a parent chain this long is a cycle
    const auto it = sections_.find(s);
    if (it == sections_.end()) return std::nullopt;
    std::optional<std::string> parent;
    for (const auto& [name, value] : it->second) {
      if (name == k) return value;
      if (name == "PARENTCLASS" && !parent) parent = UpperAscii(value);
    }
    if (!parent || parent->empty() || *parent == s) return std::nullopt;
    s = *parent;
  }
  return std::nullopt;
}

int OptionsLookup::GetInt(const std::string& section, const std::string& key, int fallback) const {
  const auto v = Get(section, key);
  if (!v) return fallback;
  try {
    std::size_t used = 0;
    const int n = std::stoi(*v, &used);
    return used == v->size() ? n : fallback;
  } catch (...) {
    return fallback;
  }
}

std::vector<std::string> OptionsLookup::KeysWithValue(const std::string& value) const {
  std::vector<std::string> out;
  for (const std::string& s : order_)
    for (const auto& [key, v] : sections_.at(s))
      if (v == value) out.push_back(s + "." + key);
  return out;
}

}  // namespace skingen
