#include "sMaskGlyph.h"

#include "sMaskFrame.h"
#include "sMaskPieces.h"

namespace skin {

void DrawMaskGlyph(tk::Bitmap& target, TPoint point, int state, const TsMaskData& mask, int mode) {
  const TsPixels to = TargetPixels(target);
  TsMaskFrame f;
  if (!to.Valid() || !MaskFrame(mask, state, f)) return;
  TsInk ink;
  if (f.maskRows > 0 || mask.Bmp) {
    ink.kind = TsInkKind::Glyph;
    ink.maskRows = f.maskRows;
    ink.maskExtra = mode != 1 ? 100 : 0;
  } else {
    ink.kind = mode == 1 ? TsInkKind::GlyphCopy : TsInkKind::GlyphHalf;
  }
  DrawPiece(to, to.Bounds(), point.X, point.Y, f.source, f.rect, ink);
}

}  // namespace skin
