#include "sIniDocument.h"

#include "toolkit/core/NumberText.h"
#include "toolkit/core/TextCase.h"

namespace skin {

TsIniDocument::TsIniDocument(std::string_view text, std::string name) : name_(std::move(name)) {
  Section* current = nullptr;
  bool currentIsDuplicate = false;
  Section discarded;  // blocks of a section name seen before: never found
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view line = tk::Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      const std::string sectionName(tk::Trim(line.substr(1, line.size() - 2)));
      const std::string upper = tk::UpperCase(sectionName);
      if (sectionIndex_.count(upper)) {
        current = &discarded;
        currentIsDuplicate = true;
      } else {
        sectionIndex_.emplace(upper, sections_.size());
        sectionNames_.push_back(sectionName);
        sections_.emplace_back();
        current = &sections_.back();
        currentIsDuplicate = false;
      }
      continue;
    }
    if (current == nullptr || currentIsDuplicate) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;  // kept by the format, matched by nothing
    Entry e{std::string(tk::Trim(line.substr(0, eq))), std::string(tk::Trim(line.substr(eq + 1)))};
    e.first = current->index.emplace(tk::UpperCase(e.key), current->entries.size()).second;  // first one wins
    current->entries.push_back(std::move(e));
  }
}

const TsIniDocument::Section* TsIniDocument::FindSection(std::string_view section) const {
  const auto it = sectionIndex_.find(tk::UpperCase(section));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::vector<std::string> TsIniDocument::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section)) {
    // Each key once: at its first occurrence.
    for (const Entry& e : s->entries)
      if (e.first) keys.push_back(e.key);
  }
  return keys;
}

bool TsIniDocument::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

std::optional<std::string_view> TsIniDocument::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return std::nullopt;
  const auto it = s->index.find(tk::UpperCase(key));
  if (it == s->index.end()) return std::nullopt;
  return std::string_view(s->entries[it->second].value);
}

std::optional<std::string_view> TsIniDocument::FindAt(std::size_t section, const std::string& upperKey) const {
  if (section >= sections_.size()) return std::nullopt;
  const Section& s = sections_[section];
  const auto it = s.index.find(upperKey);
  if (it == s.index.end()) return std::nullopt;
  return std::string_view(s.entries[it->second].value);
}

std::string TsIniDocument::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const auto v = Find(section, key);
  return std::string(v ? *v : def);
}

std::optional<int> TsIniDocument::ParseInteger(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::size_t digitsStart = i;
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    digitsStart = i + 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    digitsStart = i + 2;
  }
  const std::string_view digits = text.substr(digitsStart);
  if (digits.empty()) return std::nullopt;
  if (!hex) {
    for (char c : digits)
      if (c < '0' || c > '9') return std::nullopt;
    const auto v = tk::TryStrToInt(text);  // sign and 32-bit range
    if (!v) return std::nullopt;
    return *v;
  }
  if (digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return std::nullopt;
    value = value << 4 | static_cast<std::uint32_t>(d);
  }
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}

int TsIniDocument::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const auto v = Find(section, key);
  if (!v) return def;
  const auto parsed = ParseInteger(*v);
  return parsed ? *parsed : def;
}

bool TsIniDocument::ReadBool(std::string_view section, std::string_view key, bool def) const {
  const auto v = Find(section, key);
  return v ? tk::UpperCase(*v) == "TRUE" : def;
}

double TsIniDocument::ReadFloat(std::string_view section, std::string_view key, double def) const {
  const auto v = Find(section, key);
  if (!v) return def;
  const auto parsed = tk::TryStrToFloat(*v, ".");
  return parsed ? *parsed : def;
}

}  // namespace skin
