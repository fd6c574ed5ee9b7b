#include "sWindowRegion.h"

#include "toolkit/win/GdiObjects.h"

namespace skin {

bool SetWindowRegionWithout(HWND window, int width, int height, const std::vector<TRect>& cuts, bool redraw) {
  tk::TGdiObject<HRGN> region(CreateRectRgn(0, 0, width, height));
  for (const TRect& r : cuts) {
    tk::TGdiObject<HRGN> cut(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
  }
  if (!SetWindowRgn(window, region.Get(), redraw ? TRUE : FALSE)) return false;
  region.Release();
  return true;
}

}  // namespace skin
