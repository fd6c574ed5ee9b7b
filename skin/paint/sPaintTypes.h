#pragma once
// Small types every painting primitive shares: a point, the parent's cached
// background, and the "covered" answer of the texture fills.

#include "skin/data/sSkinTypes.h"

namespace tk {
class Bitmap;
}

namespace skin {

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

// A container's cached image as a child sees it: the bitmap, where the
// container's client origin lies inside it, and whether it may be used at
// all (the answer to the cached-background question). A child's pixel
// (x, y) lies over the bitmap's pixel (offsetX + x, offsetY + y) once the
// child's own position is added to the offsets.
struct CacheInfo {
  const tk::Bitmap* bitmap = nullptr;
  int offsetX = 0;
  int offsetY = 0;
  bool ready = false;

  // The same cache seen from a point (dx, dy) further in.
  CacheInfo MovedBy(int dx, int dy) const { return {bitmap, offsetX + dx, offsetY + dy, ready}; }
  bool Usable() const { return ready && bitmap != nullptr; }
};

// What the texture fills report when nothing is left for the colour.
constexpr TRect kRectCovered{-1, -1, -1, -1};

inline bool RectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

inline TRect IntersectRect(const TRect& a, const TRect& b) {
  TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top, a.Right < b.Right ? a.Right : b.Right,
          a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
  if (RectEmpty(r)) return {};
  return r;
}

inline TRect OffsetRect(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

}  // namespace skin
