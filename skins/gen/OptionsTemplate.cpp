#include "OptionsTemplate.h"
#include "TextCase.h"

#include <set>
#include <sstream>
#include <stdexcept>

namespace skingen {

std::string FillOptionsTemplate(const std::string& templateText, const std::map<std::string, std::string>& values) {
  std::istringstream in(templateText);
  std::ostringstream out;
  std::set<std::string> used;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    auto fail = [&](const std::string& why) {
      throw std::invalid_argument("options template line " + std::to_string(number) + " (" + TrimBlanks(line) + "): " + why);
    };
    const std::string trimmed = TrimBlanks(line);
    const auto eq = trimmed.find('=');
    if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '[' || eq == std::string::npos) {
      out << trimmed << '\n';
      continue;
    }
    const std::string key = TrimBlanks(trimmed.substr(0, eq));
    const std::string value = TrimBlanks(trimmed.substr(eq + 1));
    if (!value.empty() && (value[0] == '@' || value[0] == '^' || value[0] == '~' || value[0] == '!'))
      fail("image rectangles come from the layout table; write {name}");
    const auto open = value.find('{');
    if (open == std::string::npos) {
      out << key << '=' << value << '\n';
      continue;
    }
    if (open != 0 || value.back() != '}' || value.find('{', 1) != std::string::npos)
      fail("a placeholder must be the whole value");
    const std::string name = value.substr(1, value.size() - 2);
    const auto found = values.find(name);
    if (found == values.end()) fail("no image named " + name);
    used.insert(name);
    out << key << '=' << found->second << '\n';
  }
  std::string unused;
  for (const auto& [name, value] : values)
    if (!used.count(name)) unused += (unused.empty() ? "" : ", ") + name;
  if (!unused.empty()) throw std::invalid_argument("images drawn but named by no key: " + unused);
  return out.str();
}

}  // namespace skingen
