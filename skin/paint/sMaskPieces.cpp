#include "sMaskPieces.h"

#include <algorithm>
#include <cstring>

#include "sBitmapOps.h"

namespace skin {

namespace {

// image + floor((target - image) * mask / 256), per channel; the result
// always lies between image and target.
inline std::uint8_t Through(int target, int image, int mask) {
  return static_cast<std::uint8_t>(image + (((target - image) * mask) >> 8));
}

inline void Combine(std::uint8_t* t, const std::uint8_t* image, const std::uint8_t* mask) {
  t[0] = Through(t[0], image[0], mask[0]);
  t[1] = Through(t[1], image[1], mask[1]);
  t[2] = Through(t[2], image[2], mask[2]);
}

inline void CombineRaised(std::uint8_t* t, const std::uint8_t* image, const std::uint8_t* mask, int extra) {
  for (int c = 0; c < 3; ++c) t[c] = Through(t[c], image[c], std::min((mask ? mask[c] : 0) + extra, 255));
}

// What goes where a transparent pixel was: the parent's pixel, else the
// background colour when set; `orFuchsia` writes clFuchsia when neither.
inline void Fallback(std::uint8_t* t, int x, int y, const TsInk& ink, bool orFuchsia) {
  if (ink.parent && ink.parent->Usable()) {
    if (const std::uint8_t* p = ink.parent->Under(x, y)) CopyBgr(t, p);
  } else if (ink.background != clFuchsia) {
    PutBgr(t, BgrOf(ink.background));
  } else if (orFuchsia) {
    PutBgr(t, BgrOf(clFuchsia));
  }
}

template <TsInkKind Kind>
inline void Apply(std::uint8_t* t, const std::uint8_t* s, const std::uint8_t* m, int x, int y, const TsInk& ink,
                  TsBgr transparent) {
  if constexpr (Kind == TsInkKind::Transparent) {
    if (ink.transparent != -1 && s[0] == transparent.b && s[1] == transparent.g && s[2] == transparent.r)
      Fallback(t, x, y, ink, false);
    else
      CopyBgr(t, s);
  } else if constexpr (Kind == TsInkKind::Masked) {
    Combine(t, s, m);
  } else if constexpr (Kind == TsInkKind::MaskedCorner) {
    if (IsFuchsiaPixel(s))
      Fallback(t, x, y, ink, true);
    else
      Combine(t, s, m);
  } else if constexpr (Kind == TsInkKind::Glyph) {
    if (!IsFuchsiaPixel(s)) CombineRaised(t, s, m, ink.maskExtra);
  } else if constexpr (Kind == TsInkKind::GlyphCopy) {
    if (!IsFuchsiaPixel(s)) CopyBgr(t, s);
  } else if constexpr (Kind == TsInkKind::GlyphHalf) {
    if (!IsFuchsiaPixel(s))
      for (int c = 0; c < 3; ++c) t[c] = static_cast<std::uint8_t>((t[c] + s[c]) >> 1);
  } else {
    CopyBgr(t, s);
  }
}

// The piece repeated from (ox, oy) over `visible` (which lies at or right
// and below of that origin): row by row, the source column wrapping at the
// piece's right edge.
template <TsInkKind Kind>
void RunTiled(const TsPixels& target, const TRect& visible, int ox, int oy, const TsPixels& source, const TRect& piece,
              const TsInk& ink) {
  const TsBgr transparent = BgrOf(ink.transparent == -1 ? 0 : ink.transparent);
  const int w = piece.Width(), h = piece.Height(), tb = target.Bpp(), sb = source.Bpp();
  const int firstColumn = (visible.Left - ox) % w;
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const int sy = piece.Top + (y - oy) % h;
    std::uint8_t* t = target.At(visible.Left, y);
    const std::uint8_t* row = source.Row(sy);
    const std::uint8_t* maskRow = ink.maskRows > 0 ? source.Row(sy + ink.maskRows) : nullptr;
    int column = firstColumn;
    for (int x = visible.Left; x < visible.Right;) {
      // A run of source pixels up to the piece's right edge.
      const int run = std::min(w - column, visible.Right - x);
      const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(piece.Left + column) * sb;
      if constexpr (Kind == TsInkKind::Copy) {
        if (tb == sb) {
          std::memmove(t, row + at, static_cast<std::size_t>(run) * tb);
          t += run * tb;
        } else {
          for (int i = 0; i < run; ++i, t += tb) CopyBgr(t, row + at + i * sb);
        }
      } else {
        const std::uint8_t* s = row + at;
        const std::uint8_t* m = maskRow ? maskRow + at : nullptr;
        for (int i = 0; i < run; ++i, t += tb, s += sb) Apply<Kind>(t, s, m ? m + i * sb : nullptr, x + i, y, ink, transparent);
      }
      x += run;
      column = 0;
    }
  }
}

bool UsesMask(const TsInk& ink) {
  return ink.maskRows > 0 &&
         (ink.kind == TsInkKind::Masked || ink.kind == TsInkKind::MaskedCorner || ink.kind == TsInkKind::Glyph);
}

// The part of a source bitmap a piece may come from: image rows whose mask
// row exists, for inks that read the mask.
TRect Usable(const TsPixels& source, const TsInk& ink) {
  TRect usable = source.Bounds();
  if (UsesMask(ink)) usable.Bottom -= ink.maskRows;
  return usable;
}

void Run(const TsPixels& target, const TRect& visible, int ox, int oy, const TsPixels& source, const TRect& piece,
         TsInk ink) {
  if (!UsesMask(ink)) ink.maskRows = 0;
  switch (ink.kind) {
    case TsInkKind::Copy: RunTiled<TsInkKind::Copy>(target, visible, ox, oy, source, piece, ink); break;
    case TsInkKind::Transparent: RunTiled<TsInkKind::Transparent>(target, visible, ox, oy, source, piece, ink); break;
    case TsInkKind::Masked: RunTiled<TsInkKind::Masked>(target, visible, ox, oy, source, piece, ink); break;
    case TsInkKind::MaskedCorner: RunTiled<TsInkKind::MaskedCorner>(target, visible, ox, oy, source, piece, ink); break;
    case TsInkKind::Glyph: RunTiled<TsInkKind::Glyph>(target, visible, ox, oy, source, piece, ink); break;
    case TsInkKind::GlyphCopy: RunTiled<TsInkKind::GlyphCopy>(target, visible, ox, oy, source, piece, ink); break;
    case TsInkKind::GlyphHalf: RunTiled<TsInkKind::GlyphHalf>(target, visible, ox, oy, source, piece, ink); break;
  }
}

}  // namespace

void DrawPiece(const TsPixels& target, const TRect& clip, int x, int y, const TsPixels& source, TRect piece,
               const TsInk& ink) {
  if (!target.Valid() || !source.Valid()) return;
  // What exists of the piece lands where it would have landed.
  const TRect usable = IntersectRect(piece, Usable(source, ink));
  if (RectEmpty(usable)) return;
  TRect visible;
  int dx = 0, dy = 0;
  if (!Landing(target, clip, static_cast<long long>(x) + usable.Left - piece.Left,
               static_cast<long long>(y) + usable.Top - piece.Top, usable, visible, dx, dy))
    return;
  x = usable.Left + dx;
  y = usable.Top + dy;
  if (!RectEmpty(visible)) Run(target, visible, x, y, source, usable, ink);
}

void TilePiece(const TsPixels& target, const TRect& clip, const TRect& area, const TsPixels& source, TRect piece,
               const TsInk& ink) {
  if (!target.Valid() || !source.Valid()) return;
  // A piece reaching out of its source is cut first, so no tile has holes.
  piece = IntersectRect(piece, Usable(source, ink));
  if (RectEmpty(piece)) return;
  const TRect visible = IntersectRect(IntersectRect(area, clip), target.Bounds());
  if (!RectEmpty(visible)) Run(target, visible, area.Left, area.Top, source, piece, ink);
}

void FillFromParent(const TsPixels& target, const TRect& r, const TsParentPixels* parent, TColor background) {
  const TRect area = IntersectRect(r, target.Bounds());
  if (RectEmpty(area)) return;
  if (!parent || !parent->Usable()) {
    if (background != clFuchsia) FillBits(target, area, background);
    return;
  }
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (const std::uint8_t* p = parent->Under(x, y)) CopyBgr(target.At(x, y), p);
}

}  // namespace skin
