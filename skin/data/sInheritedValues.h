#pragma once
// The values of every section of an options document with PARENTCLASS
// inheritance: a key a section lacks is read from the section PARENTCLASS
// names (found without regard to case), and so on up the chain; a section
// naming itself has no parent, and a chain that comes back to a section
// already visited (A names B, B names A) ends there.
//
// Walking the chain for every key of every section costs the chain's length
// each time: a skin of 1,000 sections chained one after the other took
// seconds, and one of 10,000 minutes. Here each key is resolved for all
// sections together, in time linear in the number of sections: a section's
// value is its own, else its parent's (resolved once); the sections of a
// cycle, whose walks all go round the same ring, are settled around the ring
// from one that has the key.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sIniDocument.h"

namespace skin {

// A value as the loaders take it: a string is absent when missing or "?"; an
// integer or colour when missing, unreadable or -1.
std::optional<std::string> PresentString(std::optional<std::string_view> value);
std::optional<int> PresentInteger(std::optional<std::string_view> value);

class TsInheritedValues {
public:
  explicit TsInheritedValues(const TsIniDocument& ini);

  // Sections are numbered as in ini.Sections().
  std::optional<std::string> String(std::size_t section, std::string_view key) const;
  std::optional<int> Integer(std::size_t section, std::string_view key) const;

  // The section PARENTCLASS of section i names, -1 for none.
  int Parent(std::size_t i) const { return parent_[i]; }

private:
  template <typename T>
  std::vector<std::optional<T>> Resolve(std::vector<std::optional<T>> own) const;

  // Asked for every key of every section: found by the caller's text,
  // without a string made for each question.
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
  };
  template <typename T>
  using PerKey = std::unordered_map<std::string, std::vector<std::optional<T>>, KeyHash, std::equal_to<>>;

  const TsIniDocument& ini_;
  std::vector<int> parent_;
  mutable PerKey<std::string> strings_;
  mutable PerKey<int> integers_;
};

}  // namespace skin
