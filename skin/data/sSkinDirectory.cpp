#include "sSkinDirectory.h"

namespace skin {

std::string ResolveSkinDirectory(std::string_view dir, std::string_view programFolder) {
  const std::string p(programFolder);
  if (dir.substr(0, 2) == "..") {
    // Drop the program folder's trailing separator, then cut back to just
    // after the separator before it.
    std::string parent = p.empty() ? p : p.substr(0, p.size() - 1);
    const std::size_t sep = parent.find_last_of("\\/");
    parent = sep == std::string::npos ? std::string() : parent.substr(0, sep + 1);
    return parent + std::string(dir.size() > 3 ? dir.substr(3) : std::string_view());
  }
  if (dir.substr(0, 2) == ".\\" || dir.substr(0, 2) == "./") return p + std::string(dir.substr(2));
  if (dir.find(':') == std::string_view::npos && dir.find("\\\\") == std::string_view::npos)
    return p + std::string(dir);
  return std::string(dir);
}

std::string WithTrailingBackslash(std::string_view folder) {
  if (folder.empty()) return {};
  if (folder.back() == '\\') return std::string(folder);
  if (folder.back() == '/') return std::string(folder.substr(0, folder.size() - 1)) + "\\";
  if (folder.size() == 1) return std::string(folder) + ":\\";
  return std::string(folder) + "\\";
}

}  // namespace skin
