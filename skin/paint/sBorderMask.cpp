#include "sBorderMask.h"

#include <algorithm>

#include "sBitmapOps.h"
#include "sMaskFrame.h"
#include "sMaskPieces.h"
#include "sPaintGlobals.h"

namespace skin {

namespace {

// The nine pieces of one frame and where they go.
struct TsNineParts {
  TRect source[9];  // TL, left, top, BL, bottom, BR, TR, right, centre
  TRect target[9];
};
enum { kTopLeft, kLeft, kTop, kBottomLeft, kBottom, kBottomRight, kTopRight, kRight, kCentre };
constexpr bool IsCorner(int i) { return i == kTopLeft || i == kBottomLeft || i == kBottomRight || i == kTopRight; }

TsNineParts Split(const TsMaskFrame& f, const TsBorderWidths& b, const TRect& r) {
  const int sx = f.rect.Left, sy = f.rect.Top, fw = f.Width(), fh = f.Height();
  const int cw = std::max(fw - b.left - b.right, 0), ch = std::max(fh - b.top - b.bottom, 0);
  const int sr = sx + fw - b.right, sb = sy + fh - b.bottom;  // source right and bottom pieces
  const int tl = r.Left + b.left, tt = r.Top + b.top, tr = r.Right - b.right, tb = r.Bottom - b.bottom;
  TsNineParts p;
  p.source[kTopLeft] = {sx, sy, sx + b.left, sy + b.top};
  p.target[kTopLeft] = {r.Left, r.Top, tl, tt};
  p.source[kLeft] = {sx, sy + b.top, sx + b.left, sy + b.top + ch};
  p.target[kLeft] = {r.Left, tt, tl, tb};
  p.source[kTop] = {sx + b.left, sy, sx + b.left + cw, sy + b.top};
  p.target[kTop] = {tl, r.Top, tr, tt};
  p.source[kBottomLeft] = {sx, sb, sx + b.left, sb + b.bottom};
  p.target[kBottomLeft] = {r.Left, tb, tl, r.Bottom};
  p.source[kBottom] = {sx + b.left, sb, sx + b.left + cw, sb + b.bottom};
  p.target[kBottom] = {tl, tb, tr, r.Bottom};
  p.source[kBottomRight] = {sr, sb, sr + b.right, sb + b.bottom};
  p.target[kBottomRight] = {tr, tb, r.Right, r.Bottom};
  p.source[kTopRight] = {sr, sy, sr + b.right, sy + b.top};
  p.target[kTopRight] = {tr, r.Top, r.Right, tt};
  p.source[kRight] = {sr, sy + b.top, sr + b.right, sy + b.top + ch};
  p.target[kRight] = {tr, tt, r.Right, tb};
  p.source[kCentre] = {sx + b.left, sy + b.top, sx + b.left + cw, sy + b.top + ch};
  p.target[kCentre] = {tl, tt, tr, tb};
  return p;
}

// Draws the pieces in the order corner, edge, edge, corner, edge, corner,
// corner, edge, centre.
void DrawParts(const TsPixels& to, const TRect& clip, const TsNineParts& p, const TsMaskFrame& f, bool centre,
               bool stretchEdges, const TsInk& cornerInk, const TsInk& edgeInk) {
  for (int i = 0; i < 9; ++i) {
    if (i == kCentre && !centre) continue;
    const TRect& area = p.target[i];
    if (IsCorner(i))
      DrawPiece(to, IntersectRect(clip, area), area.Left, area.Top, f.source, p.source[i], cornerInk);
    else if (stretchEdges)
      StretchBits(to, clip, area, f.source, p.source[i]);
    else
      TilePiece(to, clip, area, f.source, p.source[i], edgeInk);
  }
}

}  // namespace

void DrawBorderMask(tk::Bitmap& target, const TRect& rect, bool fillCentre, bool parentCorners, int state,
                    const TsMaskData& mask, const CacheInfo& parentCache) {
  if (rect.Width() < 2 || rect.Height() < 2) return;
  const TsPixels to = TargetPixels(target);
  TsMaskFrame f;
  if (!to.Valid() || !MaskFrame(mask, state, f)) return;
  const TRect clip = IntersectRect(rect, to.Bounds());
  if (RectEmpty(clip)) return;
  const TsNineParts parts = Split(f, BorderWidthsFor(mask, rect.Width(), rect.Height()), rect);
  const TsParentPixels parent = ParentPixels(parentCache);
  TsInk corner, edge;
  corner.parent = &parent;
  corner.background = MaskBackgroundColor;
  if (f.maskRows > 0) {
    corner.kind = TsInkKind::MaskedCorner;
    corner.maskRows = edge.maskRows = f.maskRows;
    edge.kind = TsInkKind::Masked;
    DrawParts(to, clip, parts, f, fillCentre, false, corner, edge);
  } else {
    corner.kind = TsInkKind::Transparent;
    if (!parentCorners) corner.parent = nullptr;
    edge.kind = TsInkKind::Copy;
    DrawParts(to, clip, parts, f, fillCentre && mask.BorderWidth == 0, mask.DrawMode != 0, corner, edge);
  }
}

std::vector<TRect> DrawBorderMaskCorners(tk::Bitmap& target, int state, const TsMaskData& mask) {
  std::vector<TRect> runs;
  const TsPixels to = TargetPixels(target);
  const TRect whole{0, 0, target.Width(), target.Height()};
  if (whole.Width() < 2 || whole.Height() < 2) return runs;
  DrawBorderMask(target, whole, false, false, state, mask, CacheInfo{});
  TsMaskFrame f;
  if (!to.Valid() || !MaskFrame(mask, state, f)) return runs;
  const TsNineParts parts = Split(f, BorderWidthsFor(mask, whole.Width(), whole.Height()), whole);
  TRect usable = f.source.Bounds();
  if (f.maskRows > 0) usable.Bottom -= f.maskRows;
  for (int i : {kTopLeft, kBottomLeft, kBottomRight, kTopRight}) {
    const TRect& area = parts.target[i];
    const TRect src = IntersectRect(parts.source[i], usable);
    const int dx = area.Left - parts.source[i].Left, dy = area.Top - parts.source[i].Top;
    const TRect cut = IntersectRect(IntersectRect(OffsetRect(src, dx, dy), area), whole);
    for (int y = cut.Top; y < cut.Bottom; ++y) {
      int start = -1;
      for (int x = cut.Left; x <= cut.Right; ++x) {
        const bool clear = x < cut.Right && IsFuchsiaPixel(f.source.At(x - dx, y - dy));
        if (clear && start < 0) start = x;
        if (!clear && start >= 0) {
          runs.push_back({start, y, x, y + 1});
          start = -1;
        }
      }
    }
  }
  return runs;
}

}  // namespace skin
