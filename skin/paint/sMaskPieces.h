#pragma once
// Copying pieces of skin images into a target: the one place where a source
// pixel meets a target pixel. A piece is a rectangle of a source bitmap;
// how its pixels land is the ink:
//
// - Copy: opaque.
// - Transparent: pixels of the transparent colour are not copied; their
//   place takes the parent's pixel under them (when a parent is given),
//   else the mask background colour (when it is not clFuchsia), else it
//   keeps what it had.
// - Masked: combined through the transparency mask lying maskRows further
//   down in the source: per channel t := i + (t - i) * m div 256 (rounded
//   down), m = 0 opaque, 255 all target.
// - MaskedCorner: as Masked, but clFuchsia image pixels take the parent's
//   pixel (left alone outside the parent), else the mask background colour,
//   else clFuchsia itself, to be cut away or filled later.
// - Glyph: clFuchsia pixels are skipped, the others combined through the
//   mask (mask value 0 without a mask half) raised by maskExtra.
// - GlyphCopy / GlyphHalf: clFuchsia skipped, the others copied / averaged
//   half and half with the target.
//
// Pieces are cut to the source (rows whose mask row lies outside it
// included), to the clip rectangle and to the target.

#include <optional>

#include "sPixels.h"

namespace skin {

enum class TsInkKind { Copy, Transparent, Masked, MaskedCorner, Glyph, GlyphCopy, GlyphHalf };

struct TsInk {
  TsInkKind kind = TsInkKind::Copy;
  int maskRows = 0;                       // 0: no mask half
  int maskExtra = 0;                      // Glyph only
  TColor transparent = clFuchsia;         // Transparent only; -1: nothing is transparent
  const TsParentPixels* parent = nullptr;  // Transparent and MaskedCorner
  TColor background = clFuchsia;          // the mask background colour at the time
};

void DrawPiece(const TsPixels& target, const TRect& clip, int x, int y, const TsPixels& source, TRect piece,
               const TsInk& ink);
// Repeats the piece over area from its top-left corner in steps of the
// piece's size; the last column and row are cut at area's edges. A piece
// reaching out of its source is cut to it first.
void TilePiece(const TsPixels& target, const TRect& clip, const TRect& area, const TsPixels& source, TRect piece,
               const TsInk& ink);
// Puts the parent's pixels into r, or the background colour when there is
// no parent and it is not clFuchsia; pixels outside the parent stay.
void FillFromParent(const TsPixels& target, const TRect& r, const TsParentPixels* parent, TColor background);

}  // namespace skin
