#pragma once
// Skin folder names as the user writes them (Windows paths, relative to the
// program's folder or absolute), turned into the folders the loader reads.
// Pure string rules: nothing here touches the file system.

#include <string>
#include <string_view>

namespace skin {

// programFolder is the running program's folder with its trailing "\".
//   "..\x"           the parent of the program folder, then "x"
//   ".\x" or "./x"   the program folder, then "x"
//   no ":" and no "\\" (not a drive path, not a network path)
//                    the program folder, then the text
//   anything else    unchanged
// No trailing separator is added.
std::string ResolveSkinDirectory(std::string_view skinDirectory, std::string_view programFolder);

// Empty stays empty; a final "\" is kept; a final "/" becomes "\"; a single
// character (a drive letter) gets ":\"; anything else gets "\".
std::string WithTrailingBackslash(std::string_view folder);

}  // namespace skin
