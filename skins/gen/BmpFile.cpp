// Windows bitmap files: BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up rows
// of blue-green-red bytes padded to four bytes.
#include <stdexcept>

#include "ImageFiles.h"

namespace skingen {

namespace {
void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
}  // namespace

Bytes EncodeBmp24(const tk::Bitmap& bitmap) {
  if (bitmap.Format() != tk::PixelFormat::pf24bit || bitmap.Empty())
    throw std::invalid_argument("a BMP file is written from a non-empty 24-bit bitmap");
  const std::uint32_t rowBytes = static_cast<std::uint32_t>(tk::Bitmap::RowBytesFor(bitmap.Width(), tk::PixelFormat::pf24bit));
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(bitmap.Height());
  const std::uint32_t headers = 14 + 40;
  Bytes out;
  out.reserve(headers + imageBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, headers + imageBytes);  // file size
  Put32(out, 0);                     // reserved
  Put32(out, headers);               // offset of the pixels
  Put32(out, 40);                    // BITMAPINFOHEADER
  Put32(out, static_cast<std::uint32_t>(bitmap.Width()));
  Put32(out, static_cast<std::uint32_t>(bitmap.Height()));  // positive: bottom-up
  Put16(out, 1);                     // planes
  Put16(out, 24);                    // bits per pixel
  Put32(out, 0);                     // BI_RGB
  Put32(out, imageBytes);
  Put32(out, 3780);                  // 96 dots per inch, in dots per metre
  Put32(out, 3780);
  Put32(out, 0);                     // colours used
  Put32(out, 0);                     // important colours
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    const std::uint8_t* row = bitmap.ScanLine(y);
    out.insert(out.end(), row, row + bitmap.Width() * 3);
    for (std::uint32_t pad = static_cast<std::uint32_t>(bitmap.Width()) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace skingen
