#pragma once
// Reads the generated options text back for the contact sheet's preview:
// sections and keys without regard to case, first occurrence wins, values
// missing from a section are looked up along its PARENTCLASS chain.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace skingen {

class OptionsLookup {
public:
  explicit OptionsLookup(const std::string& text);

  bool HasSection(const std::string& section) const;
  // The value of key in section or its parents; nothing when absent.
  std::optional<std::string> Get(const std::string& section, const std::string& key) const;
  int GetInt(const std::string& section, const std::string& key, int fallback) const;
  // Every (section, key) whose own value equals `value`, as "SECTION.KEY".
  std::vector<std::string> KeysWithValue(const std::string& value) const;

private:
  std::vector<std::string> order_;
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> sections_;  // upper-case names
};

}  // namespace skingen
