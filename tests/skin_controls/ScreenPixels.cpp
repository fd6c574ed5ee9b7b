#include "ScreenPixels.h"

#include "WindowTestSupport.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/WinControl.h"

namespace ctlfix {

namespace {
tk::Bitmap CaptureScreen(POINT at, int width, int height) {
  tk::Bitmap picture(width, height);
  // The drawing must have reached the screen.
  GdiFlush();
  tk::TWindowDC screen(nullptr);
  tk::TMemoryDC memory(screen.Get());
  {
    tk::TSelection selected(memory.Get(), static_cast<HBITMAP>(picture.NativeHandle()));
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), at.x, at.y, SRCCOPY);
  }
  picture.Sync();
  return picture;
}
}  // namespace

tk::Bitmap CaptureControl(const tk::TControl& control) {
  // A window's bounds include its frame (an edit's border).
  POINT at = testing_support::ScreenPointOf(control, 0, 0);
  if (const auto* windowed = dynamic_cast<const tk::TWinControl*>(&control); windowed && windowed->HandleAllocated()) {
    RECT r;
    GetWindowRect(const_cast<tk::TWinControl*>(windowed)->Handle(), &r);
    at = POINT{r.left, r.top};
  }
  return CaptureScreen(at, control.Width(), control.Height());
}

tk::Bitmap CaptureWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return CaptureScreen({r.left, r.top}, r.right - r.left, r.bottom - r.top);
}

int PixelOf(const tk::Bitmap& bitmap, int x, int y) {
  bitmap.Sync();
  const std::uint8_t* p = bitmap.ScanLine(y) + static_cast<std::ptrdiff_t>(x) * bitmap.BytesPerPixel();
  return p[2] | (p[1] << 8) | (p[0] << 16);
}

int DifferingPixels(const tk::Bitmap& a, const tk::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return a.Width() * a.Height();
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += PixelOf(a, x, y) != PixelOf(b, x, y);
  return n;
}

int ScreenDiffersFromCache(const tk::TControl& control, const tk::Bitmap& cache) {
  const tk::Bitmap screen = CaptureControl(control);
  if (screen.Width() != cache.Width() || screen.Height() != cache.Height()) return screen.Width() * screen.Height();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const auto* windowed = dynamic_cast<const tk::TWinControl*>(&control);
  const bool hasRegion = windowed && windowed->HandleAllocated() &&
                         GetWindowRgn(const_cast<tk::TWinControl*>(windowed)->Handle(), region) != ERROR;
  int n = 0;
  for (int y = 0; y < cache.Height(); ++y)
    for (int x = 0; x < cache.Width(); ++x)
      if ((!hasRegion || PtInRegion(region, x, y)) && PixelOf(screen, x, y) != PixelOf(cache, x, y)) ++n;
  DeleteObject(region);
  return n;
}

}  // namespace ctlfix
