#include "sWindowRegion.h"

#include "toolkit/win/GdiObjects.h"

namespace skin {

TRegionChange SetWindowRegionWithout(HWND window, int width, int height, const std::vector<TRect>& cuts, bool redraw) {
  tk::TGdiObject<HRGN> region(CreateRectRgn(0, 0, width, height));
  for (const TRect& r : cuts) {
    tk::TGdiObject<HRGN> cut(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
  }
  // Setting a region is a frame change of the window with all its children
  // (under Wine a hundred server round trips and, with a redraw, a repaint
  // of everything): the same region again is left alone.
  tk::TGdiObject<HRGN> current(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, current.Get()) != ERROR && EqualRgn(current.Get(), region.Get()))
    return TRegionChange::Unchanged;
  if (!SetWindowRgn(window, region.Get(), redraw ? TRUE : FALSE)) return TRegionChange::Failed;
  region.Release();
  return TRegionChange::Applied;
}

}  // namespace skin
