#include <cstddef>
#include <cstdint>

#include "toolkit/core/JpegCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const tk::Bitmap bmp = tk::DecodeJpeg(data, size);
    if (!bmp.Empty()) (void)bmp.ScanLine(bmp.Height() - 1)[bmp.RowBytes() - 1];
  } catch (const tk::EInvalidGraphic&) {
  }
  return 0;
}
