#include "sMaskPieces.h"

#include <algorithm>

#include "sBitmapOps.h"

namespace skin {

namespace {

inline void Combine(std::uint8_t* t, const std::uint8_t* image, const std::uint8_t* mask, int extra) {
  for (int c = 0; c < 3; ++c) {
    const int m = std::min(mask[c] + extra, 255);
    t[c] = static_cast<std::uint8_t>(std::clamp(image[c] + (((t[c] - image[c]) * m) >> 8), 0, 255));
  }
}

inline void CombineOpaque(std::uint8_t* t, const std::uint8_t* image, int m) {
  for (int c = 0; c < 3; ++c) t[c] = static_cast<std::uint8_t>(std::clamp(image[c] + (((t[c] - image[c]) * m) >> 8), 0, 255));
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
void Run(const TsPixels& target, const TRect& area, int dx, int dy, const TsPixels& source, const TsInk& ink) {
  const TsBgr transparent = BgrOf(ink.transparent);
  const int tb = target.Bpp(), sb = source.Bpp();
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::uint8_t* t = target.At(area.Left, y);
    const std::uint8_t* s = source.At(area.Left - dx, y - dy);
    const std::uint8_t* m = ink.maskRows > 0 ? source.At(area.Left - dx, y - dy + ink.maskRows) : nullptr;
    for (int x = area.Left; x < area.Right; ++x, t += tb, s += sb, m = m ? m + sb : nullptr) {
      if constexpr (Kind == TsInkKind::Copy) {
        CopyBgr(t, s);
      } else if constexpr (Kind == TsInkKind::Transparent) {
        if (ink.transparent != -1 && s[0] == transparent.b && s[1] == transparent.g && s[2] == transparent.r)
          Fallback(t, x, y, ink, false);
        else
          CopyBgr(t, s);
      } else if constexpr (Kind == TsInkKind::Masked) {
        Combine(t, s, m, 0);
      } else if constexpr (Kind == TsInkKind::MaskedCorner) {
        if (IsFuchsiaPixel(s))
          Fallback(t, x, y, ink, true);
        else
          Combine(t, s, m, 0);
      } else if constexpr (Kind == TsInkKind::Glyph) {
        if (IsFuchsiaPixel(s)) continue;
        if (m)
          Combine(t, s, m, ink.maskExtra);
        else
          CombineOpaque(t, s, std::min(ink.maskExtra, 255));
      } else if constexpr (Kind == TsInkKind::GlyphCopy) {
        if (!IsFuchsiaPixel(s)) CopyBgr(t, s);
      } else {
        if (IsFuchsiaPixel(s)) continue;
        for (int c = 0; c < 3; ++c) t[c] = static_cast<std::uint8_t>((t[c] + s[c]) >> 1);
      }
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

}  // namespace

void DrawPiece(const TsPixels& target, const TRect& clip, int x, int y, const TsPixels& source, TRect piece,
               const TsInk& ink) {
  if (!target.Valid() || !source.Valid()) return;
  if (ink.kind == TsInkKind::Copy) {  // whole rows at a time
    CopyBits(target, clip, x, y, source, piece);
    return;
  }
  const bool masked = UsesMask(ink);
  piece = IntersectRect(piece, Usable(source, ink));
  if (RectEmpty(piece)) return;
  const int dx = x - piece.Left, dy = y - piece.Top;
  const TRect area = IntersectRect(IntersectRect(OffsetRect(piece, dx, dy), clip), target.Bounds());
  if (RectEmpty(area)) return;
  TsInk used = ink;
  if (!masked) used.maskRows = 0;
  switch (ink.kind) {
    case TsInkKind::Copy: Run<TsInkKind::Copy>(target, area, dx, dy, source, used); break;
    case TsInkKind::Transparent: Run<TsInkKind::Transparent>(target, area, dx, dy, source, used); break;
    case TsInkKind::Masked: Run<TsInkKind::Masked>(target, area, dx, dy, source, used); break;
    case TsInkKind::MaskedCorner: Run<TsInkKind::MaskedCorner>(target, area, dx, dy, source, used); break;
    case TsInkKind::Glyph: Run<TsInkKind::Glyph>(target, area, dx, dy, source, used); break;
    case TsInkKind::GlyphCopy: Run<TsInkKind::GlyphCopy>(target, area, dx, dy, source, used); break;
    case TsInkKind::GlyphHalf: Run<TsInkKind::GlyphHalf>(target, area, dx, dy, source, used); break;
  }
}

void TilePiece(const TsPixels& target, const TRect& clip, const TRect& area, const TsPixels& source, TRect piece,
               const TsInk& ink) {
  if (!target.Valid() || !source.Valid()) return;
  // A piece reaching out of its source is cut first, so no tile has holes.
  piece = IntersectRect(piece, Usable(source, ink));
  const int w = piece.Width(), h = piece.Height();
  if (w <= 0 || h <= 0) return;
  const TRect visible = IntersectRect(IntersectRect(area, clip), target.Bounds());
  if (RectEmpty(visible)) return;
  const int firstX = area.Left + (visible.Left - area.Left) / w * w;
  const int firstY = area.Top + (visible.Top - area.Top) / h * h;
  for (int y = firstY; y < visible.Bottom; y += h)
    for (int x = firstX; x < visible.Right; x += w) DrawPiece(target, visible, x, y, source, piece, ink);
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
