#pragma once
// Encoders for the two picture formats the generator writes: 24-bit BMP
// (skin bitmaps) and JPEG (the large texture).
// All take a 24-bit tk::Bitmap and return the file's bytes.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/core/Bitmap.h"

namespace skingen {

using Bytes = std::vector<std::uint8_t>;

Bytes EncodeBmp24(const tk::Bitmap& bitmap);
Bytes EncodeJpeg(const tk::Bitmap& bitmap, int quality);

// Whole-file helpers; both throw std::runtime_error naming the path.
void WriteFileBytes(const std::string& path, const Bytes& bytes);
std::string ReadFileText(const std::string& path);

}  // namespace skingen
