#pragma once
// The two text helpers the options and file names need: ASCII upper case
// (the engine compares skin file names upper-cased) and trimming blanks.

#include <string>

namespace skingen {

inline std::string UpperAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

inline std::string TrimBlanks(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace skingen
