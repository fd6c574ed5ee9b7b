#pragma once
// Decoding JPEG pictures (baseline and progressive; greyscale, YCbCr, RGB,
// CMYK and YCCK) into a 24-bit tk::Bitmap with libjpeg-turbo.
//
// The library reports fatal errors through a callback that must not return;
// the decoder leaves it with longjmp back into the C++ frame that started the
// decompression (no C++ object lives between the two points), cleans up the
// library's state and raises tk::EInvalidGraphic. Corrupt but decodable data
// (the library's warnings) still gives a picture, as viewers show it.

#include <cstddef>
#include <cstdint>

#include "Bitmap.h"
#include "GraphicError.h"

namespace tk {

struct JpegSize {
  int width = 0;
  int height = 0;
};

// Reads only the header; raises tk::EInvalidGraphic like DecodeJpeg.
JpegSize ReadJpegSize(const std::uint8_t* data, std::size_t size);

Bitmap DecodeJpeg(const std::uint8_t* data, std::size_t size);

}  // namespace tk
