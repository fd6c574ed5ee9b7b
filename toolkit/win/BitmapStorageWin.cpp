#include <windows.h>

#include "../core/Bitmap.h"

namespace tk {

namespace {
// A DIB section: GDI can select it into a memory DC, and its bits stay
// directly addressable for row access.
class DibSectionStorage final : public BitmapStorage {
public:
  DibSectionStorage(int width, int height, PixelFormat format, bool topDown) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = topDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(format);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    handle_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint8_t*>(bits);
  }
  ~DibSectionStorage() override {
    if (handle_) DeleteObject(handle_);
  }
  std::uint8_t* Bits() override { return bits_; }
  // GDI may still be drawing into the section asynchronously.
  void Sync() override { GdiFlush(); }
  void* NativeHandle() override { return handle_; }

private:
  HBITMAP handle_ = nullptr;
  std::uint8_t* bits_ = nullptr;
};
}  // namespace

std::unique_ptr<BitmapStorage> CreateBitmapStorage(int width, int height, PixelFormat format, bool topDown) {
  return std::make_unique<DibSectionStorage>(width, height, format, topDown);
}

}  // namespace tk
