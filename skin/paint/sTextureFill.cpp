#include "sTextureFill.h"

#include "sBitmapOps.h"
#include "sMaskFrame.h"
#include "sMaskPieces.h"
#include "sPaintGlobals.h"
#include "skin/data/sSkinTables.h"

namespace skin {

TRect FillRectByTexture(tk::Bitmap& target, const TRect& rect, const tk::Bitmap* bitmap, int drawMode,
                        const TsMaskData* mask) {
  const TsPixels to = TargetPixels(target);
  if (!to.Valid() || RectEmpty(rect)) return rect;
  if (bitmap && !bitmap->Empty()) {
    const TsPixels picture(*bitmap);
    TileBits(to, rect, rect, picture, picture.Bounds());
    return kRectCovered;
  }
  if (!mask || !mask->Manager) return rect;
  const TsPixels master(mask->Manager->MasterBitmap);
  const TRect source = IntersectRect(mask->R, master.Bounds());
  if (!master.Valid() || RectEmpty(source)) return rect;
  const int w = source.Width(), h = source.Height();
  const TRect& r = rect;
  // Where the texture goes, whether stretched, and what it leaves.
  TRect area = r, rest = kRectCovered;
  bool stretch = false;
  switch (drawMode) {
    case 0: break;
    case 1: stretch = true; break;
    case 2: area = {r.Left, r.Top, r.Right, r.Top + h}, rest = {r.Left, r.Top + h, r.Right, r.Bottom}; break;
    case 3: area = {r.Left, r.Top, r.Left + w, r.Bottom}, rest = {r.Left + w, r.Top, r.Right, r.Bottom}; break;
    case 4: area = {r.Left, r.Top, r.Right, r.Top + h}, rest = {r.Left, r.Top + h, r.Right, r.Bottom}, stretch = true; break;
    case 5: area = {r.Left, r.Top, r.Left + w, r.Bottom}, rest = {r.Left + w, r.Top, r.Right, r.Bottom}, stretch = true; break;
    case 6: area = {r.Left, r.Bottom - h, r.Right, r.Bottom}, rest = {r.Left, r.Top, r.Right, r.Bottom - h}; break;
    case 7: area = {r.Right - w, r.Top, r.Right, r.Bottom}, rest = {r.Left, r.Top, r.Right - w, r.Bottom}; break;
    case 10: area = {r.Left, r.Top, r.Right, r.Top + r.Height() / h * h}; break;
    default: return rect;
  }
  if (stretch)
    StretchBits(to, r, area, master, source);
  else
    TileBits(to, r, area, master, source);
  return RectEmpty(rest) ? kRectCovered : rest;
}

void TileMaskedTexture(tk::Bitmap& target, const TRect& rect, const CacheInfo& parent, int drawMode,
                       const TsMaskData& mask) {
  const TsPixels to = TargetPixels(target);
  TsMaskFrame tile;
  if (!to.Valid() || RectEmpty(rect) || !MaskFrameOf(mask, 0, mask.ImageCount, 2, tile)) return;
  const int w = tile.Width(), h = tile.Height();
  TsInk ink;
  ink.kind = TsInkKind::Masked;
  ink.maskRows = tile.maskRows;
  const TRect& r = rect;
  if (drawMode == 0) {
    TilePiece(to, r, {r.Left, r.Top, r.Right, r.Top + r.Height() / h * h}, tile.source, tile.rect, ink);
  } else if (drawMode == 10) {
    const int right = r.Left + r.Width() / w * w, bottom = r.Top + r.Height() / h * h;
    TilePiece(to, r, {r.Left, r.Top, right, bottom}, tile.source, tile.rect, ink);
    const TsParentPixels under = ParentPixels(parent);
    FillFromParent(to, {right, r.Top, r.Right, r.Bottom}, &under, MaskBackgroundColor);
    FillFromParent(to, {r.Left, bottom, right, r.Bottom}, &under, MaskBackgroundColor);
  }
}

}  // namespace skin
