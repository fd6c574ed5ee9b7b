#pragma once
// Writer of packed skins (".vxz"): the magic "VXzf", the member count, then
// for every member its name length, its name (8-bit characters, no folder
// part, no terminator), its uncompressed size and one complete zlib stream.
// All integers are 32-bit little-endian. The skin engine only reads this
// format; this writer serves our own build tools.

#include <cstdint>
#include <string>
#include <vector>

namespace skinpack {

using Bytes = std::vector<std::uint8_t>;

struct Member {
  std::string name;
  Bytes data;
};

// Encodes the members in the given order, each deflated at zlib level
// `level` (-1 for zlib's default, 0..9). Throws std::invalid_argument for a
// member without data (readers cannot tell such a member from a damaged one),
// an empty name, a name with a folder part or with characters outside
// printable ASCII, two names that differ only in case (the engine looks
// members up by their upper-cased name), or sizes beyond 32 bits.
Bytes WriteContainer(const std::vector<Member>& members, int level);

// The files of a skin folder as members: "Options.dat" first, then every
// other regular file in byte order of its name; files and folders whose names
// begin with "." are left out. Throws std::runtime_error when the folder
// cannot be read or holds no "Options.dat" (compared without regard to case).
std::vector<Member> ReadSkinFolder(const std::string& folder);

}  // namespace skinpack
