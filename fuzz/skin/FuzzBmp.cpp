#include <cstddef>
#include <cstdint>

#include "toolkit/core/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const tk::Bitmap bmp = tk::DecodeBmp(data, size);
    // Touch the last row so a wrongly sized bitmap shows up under ASan.
    if (!bmp.Empty()) (void)bmp.ScanLine(bmp.Height() - 1)[bmp.RowBytes() - 1];
  } catch (const tk::EInvalidGraphic&) {
  }
  return 0;
}
