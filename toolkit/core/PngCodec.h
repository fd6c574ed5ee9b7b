#pragma once
// PNG files for the tools and tests that keep pictures in the repository
// (reference images, contact sheets): 8-bit RGB written with one IDAT chunk
// and no row filter; read back are 8-bit RGB or RGBA files, not interlaced,
// with any row filter (alpha is dropped). Anything else, a damaged chunk
// (bad CRC, cut short) or pixel data that does not inflate to the rows
// raises tk::EInvalidGraphic; the decoder never reads outside the bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Bitmap.h"
#include "GraphicError.h"

namespace tk {

// From a non-empty 24-bit bitmap (std::invalid_argument otherwise).
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap);
// A 24-bit bitmap.
Bitmap DecodePng(const std::uint8_t* data, std::size_t size);

}  // namespace tk
