#pragma once
// Reading Windows bitmap files (".bmp") into a tk::Bitmap.
//
// Accepted: the file header "BM" followed by a core (12-byte), info (40) or
// later (52, 56, 64, 108, 124-byte) header; 1, 4 and 8 bits per pixel with a
// palette, 16 bits (5-5-5 or bit fields), 24 bits, 32 bits (plain or bit
// fields); rows bottom-up (positive height) or top-down (negative height).
// The result is 24-bit, except for 32-bit files, which stay 32-bit.
// Anything else - run-length or embedded JPEG/PNG compression, truncated
// pixel data, absurd sizes - raises tk::EInvalidGraphic; the decoder never
// reads outside the given bytes.

#include <cstddef>
#include <cstdint>

#include "Bitmap.h"
#include "GraphicError.h"

namespace tk {

Bitmap DecodeBmp(const std::uint8_t* data, std::size_t size);

}  // namespace tk
