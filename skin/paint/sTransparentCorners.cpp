#include "sTransparentCorners.h"

#include "sBitmapOps.h"
#include "sMaskFrame.h"
#include "sMaskPieces.h"
#include "sPaintGlobals.h"
#include "sSkinPaintData.h"
#include "skin/data/sSkinTables.h"

namespace skin {

namespace {

// What stands behind the control while its corners are filled.
void ChooseBackgroundColor(TsSkinPaintData& data, const CacheInfo& parent) {
  if (!data.HasParent())
    BackgroundColorReply = clFuchsia;
  else if (!parent.Usable())
    BackgroundColorReply = data.ParentColor();
  else if (data.ParentVariesBackground())
    BackgroundColorReply = clFuchsia;
  else if (BackgroundColorReply == clFuchsia)
    BackgroundColorReply = data.ParentBackgroundColor();
  else
    BackgroundColorReply = clFuchsia;
}

}  // namespace

void FillTransparentCorners(TsSkinPaintData& data, int state) {
  RepaintCorners(data, state, kCornerTopLeft | kCornerBottomLeft | kCornerTopRight | kCornerBottomRight);
}

void RepaintCorners(TsSkinPaintData& data, int state, int corners) {
  const TsSkinTables* t = data.PaintTables();
  tk::Bitmap* cache = data.CacheBitmap();
  const TRect bounds = data.OwnerBounds();
  if (!t || !t->IsValidImgIndex(data.BorderMaskIndex()) || !cache || bounds.Width() < 2 || bounds.Height() < 2) return;
  const TsPixels to = TargetPixels(*cache);
  if (!to.Valid()) return;
  const TsMaskData& mask = t->ma[static_cast<std::size_t>(data.BorderMaskIndex())];
  // An own bitmap without a frame count holds three frames over its masks.
  const bool threeFrames = mask.Bmp && mask.ImageCount == 0;
  TsMaskFrame f;
  if (!MaskFrameOf(mask, state, threeFrames ? 3 : mask.ImageCount,
                   threeFrames ? 2 : (mask.MaskType > 0 ? mask.MaskType + 1LL : 1), f))
    return;

  const CacheInfo parentCache = data.ParentCacheInfo();
  const TsPaintColorsReset reset;
  ChooseBackgroundColor(data, parentCache);
  const TsParentPixels parent = ParentPixels(parentCache.MovedBy(bounds.Left, bounds.Top));

  const int w = to.Width(), h = to.Height();
  const TsBorderWidths b = BorderWidthsFor(mask, w, h);
  const int sx = f.rect.Left, sy = f.rect.Top, sr = sx + f.Width() - b.right, sb = sy + f.Height() - b.bottom;
  struct Corner {
    int flag;
    TRect source;
    TPoint at;
  };
  const Corner all[4] = {{kCornerTopLeft, {sx, sy, sx + b.left, sy + b.top}, {0, 0}},
                         {kCornerBottomLeft, {sx, sb, sx + b.left, sb + b.bottom}, {0, h - b.bottom}},
                         {kCornerTopRight, {sr, sy, sr + b.right, sy + b.top}, {w - b.right, 0}},
                         {kCornerBottomRight, {sr, sb, sr + b.right, sb + b.bottom}, {w - b.right, h - b.bottom}}};
  TsInk ink;
  ink.kind = f.maskRows > 0 ? TsInkKind::Glyph : TsInkKind::GlyphCopy;
  ink.maskRows = f.maskRows;
  for (const Corner& c : all) {
    if ((corners & c.flag) == 0) continue;
    // The background first, then the corner's pixels over it (clear ones
    // keep the background).
    const TRect area{c.at.X, c.at.Y, c.at.X + c.source.Width(), c.at.Y + c.source.Height()};
    if (BackgroundColorReply != clFuchsia)
      FillBits(to, area, BackgroundColorReply);
    else
      FillFromParent(to, area, &parent, clFuchsia);
    DrawPiece(to, area, c.at.X, c.at.Y, f.source, c.source, ink);
  }
}

}  // namespace skin
