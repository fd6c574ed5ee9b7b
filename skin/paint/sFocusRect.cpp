#include "sFocusRect.h"

#include "sPixels.h"

namespace skin {

void DrawSkinFocusRect(tk::Bitmap& target, const TRect& r) {
  const TsPixels px = TargetPixels(target);
  if (!px.Valid()) return;
  auto dot = [&px](int x, int y) {
    if (px.Contains(x, y)) PutBgr(px.At(x, y), BgrOf(clBlack));
    if (px.Contains(x - 1, y - 1)) PutBgr(px.At(x - 1, y - 1), BgrOf(clWhite));
  };
  const int w = r.Width(), h = r.Height();
  // Dots beyond the bitmap's right or bottom edge show nothing: stop there.
  for (int i = 0; w >= 0 && i <= w / 3 && r.Left + 3 * i <= px.Width(); ++i) {
    dot(r.Left + 3 * i, r.Top);
    dot(r.Left + 3 * i, r.Bottom);
  }
  for (int j = 0; h >= 0 && j <= h / 3 && r.Top + 3 * j <= px.Height(); ++j) {
    dot(r.Left, r.Top + 3 * j);
    dot(r.Right, r.Top + 3 * j);
  }
}

}  // namespace skin
