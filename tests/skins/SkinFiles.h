#pragma once
// Readers for the skin tests, written apart from the tools under test: a
// ".vxz" container parser on plain zlib, a minimal options-file reader and a
// 24-bit BMP reader.

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace skintest {

using Bytes = std::vector<std::uint8_t>;

struct PackedMember {
  std::string name;
  std::uint32_t declaredSize = 0;
  Bytes data;              // inflated
  std::size_t endOffset = 0;  // first byte after its zlib stream
  std::uint8_t zlibHeader[2] = {0, 0};
};

// Parses the whole container; throws std::runtime_error on a bad magic, a
// truncated header, a stream that does not inflate to its declared size, or
// bytes left over after the last member.
std::vector<PackedMember> ParseContainer(const Bytes& bytes);

Bytes ReadBytes(const std::string& path);

// Sections in file order with their key/value lines in file order; names
// kept as written.
struct OptionsSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> keys;
  const std::string* Find(const std::string& key) const;  // exact name
};
std::vector<OptionsSection> ParseOptions(const std::string& text);
const OptionsSection* FindSection(const std::vector<OptionsSection>& all, const std::string& name);

struct Bmp24 {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;  // top-down, three bytes per pixel: r, g, b
  std::uint32_t At(int x, int y) const;  // 0xRRGGBB
};
Bmp24 ReadBmp24(const Bytes& file);

// Width and height from a JPEG's start-of-frame marker.
std::pair<int, int> JpegSize(const Bytes& file);

std::string Upper(std::string s);

}  // namespace skintest
