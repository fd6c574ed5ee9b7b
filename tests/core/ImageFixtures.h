#pragma once
// Small image files built in memory for decoder and skin-loader tests.

#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/core/Bitmap.h"

namespace fixtures {

using Bytes = std::vector<std::uint8_t>;

struct BmpOptions {
  int bitCount = 24;            // 1, 4, 8, 16, 24 or 32
  bool topDown = false;
  int headerSize = 40;          // 12 (core), 40, 108 or 124
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB entries for <= 8 bits
  std::uint32_t colorsUsed = 0;
  std::vector<std::uint32_t> masks;   // red, green, blue[, alpha] for bit fields
};

// pixel(x, y) gives the stored value: a palette index for <= 8 bits, the raw
// 16- or 32-bit word, or 0x00RRGGBB for 24 bits.
Bytes MakeBmp(int width, int height, const BmpOptions& options, const std::function<std::uint32_t(int, int)>& pixel);

// A 24-bit bitmap file of the given picture.
Bytes MakeBmp24(const tk::Bitmap& picture);

// A 24-bit picture whose pixel (x, y) has the colour colour(x, y) (0x00BBGGRR).
tk::Bitmap MakePicture(int width, int height, const std::function<std::uint32_t(int, int)>& colour);

struct JpegOptions {
  int quality = 95;
  bool progressive = false;
  bool grayscale = false;
};
// colour(x, y) as 0x00BBGGRR, like Windows colours.
Bytes MakeJpeg(int width, int height, const std::function<std::uint32_t(int, int)>& colour,
               const JpegOptions& options = {});

std::uint32_t PixelAt(const tk::Bitmap& bmp, int x, int y);  // 0x00BBGGRR

}  // namespace fixtures
