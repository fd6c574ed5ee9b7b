#include "sPaintWin.h"

#include "sBorderMask.h"
#include "skin/data/sSysColors.h"

namespace skin {

void FillRectColor(HDC dc, const RECT& r, TColor color) {
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color)));
  if (!brush) return;
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void DrawBorderMaskCutRegion(tk::Bitmap& target, HRGN region, int state, const TsMaskData& mask) {
  const std::vector<TRect> runs = DrawBorderMaskCorners(target, state, mask);
  if (!region) return;
  for (const TRect& run : runs) {
    HRGN cut = CreateRectRgn(run.Left, run.Top, run.Right, run.Bottom);
    if (!cut) continue;
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
}

}  // namespace skin
