#include "sBlend.h"

#include <algorithm>

#include "sColorTools.h"
#include "sFastAccess.h"
#include "sMaskPieces.h"
#include "sPaintGlobals.h"
#include "skin/data/sSysColors.h"

namespace skin {

void BlendBitmaps(tk::Bitmap& target, const tk::Bitmap& source, int level, TPoint point, const TRect& sourceRect) {
  TvxFastSum24 sum;
  if (sum.Attach(target, source, point, sourceRect)) sum.Blend(level);
}

void BlendBitmaps(tk::Bitmap& target, const tk::Bitmap& source, int level) {
  if (target.Width() != source.Width() || target.Height() != source.Height()) return;
  BlendBitmaps(target, source, level, {0, 0}, {0, 0, source.Width(), source.Height()});
}

void BlendTransparent(tk::Bitmap& target, int x, int y, TColor transparentColor, double factor, const TRect& sourceRect,
                      const tk::Bitmap& source) {
  const TsPixels to = TargetPixels(target), from(source);
  if (!to.Valid() || !from.Valid()) return;
  const TRect src = IntersectRect(sourceRect, from.Bounds());
  if (RectEmpty(src)) return;
  TRect area;
  int dx = 0, dy = 0;
  if (!Landing(to, to.Bounds(), x, y, src, area, dx, dy)) return;
  const bool anyClear = transparentColor != -1;
  const TsBgr clear = BgrOf(anyClear ? ColorToRGB(transparentColor) : 0);
  for (int ty = area.Top; ty < area.Bottom; ++ty)
    for (int tx = area.Left; tx < area.Right; ++tx) {
      const std::uint8_t* s = from.At(tx - dx, ty - dy);
      if (anyClear && s[0] == clear.b && s[1] == clear.g && s[2] == clear.r) continue;
      std::uint8_t* t = to.At(tx, ty);
      for (int c = 0; c < 3; ++c)
        t[c] = static_cast<std::uint8_t>(std::clamp(RoundHalfEven(s[c] * (1 - factor) + t[c] * factor), 0, 255));
    }
}

void CopyTransparent(tk::Bitmap& target, const tk::Bitmap& source, int x, bool withParent, const CacheInfo& parentCache,
                     TColor transparentColor, const TRect& sourceRect, int y) {
  const TsPixels to = TargetPixels(target);
  const TsParentPixels parent = ParentPixels(parentCache);
  TsInk ink;
  ink.kind = TsInkKind::Transparent;
  ink.transparent = transparentColor == -1 ? -1 : ColorToRGB(transparentColor);
  ink.parent = withParent ? &parent : nullptr;
  ink.background = MaskBackgroundColor;
  DrawPiece(to, to.Bounds(), x, y, TsPixels(source), sourceRect, ink);
}

}  // namespace skin
