#pragma once
// Case rules of the runtime's plain text routines: only the ASCII letters
// change case; every other byte (UTF-8 sequences included) is compared as is.

#include <string>
#include <string_view>

namespace tk {

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
// <0, 0 or >0, comparing the upper-cased texts byte by byte.
int CompareText(std::string_view a, std::string_view b);
// Removes leading and trailing blanks and control characters (bytes <= ' ').
std::string_view Trim(std::string_view text);

}  // namespace tk
