#pragma once
// Direct row access to a 24- or 32-bit bitmap, the way every primitive walks
// pixels: the top row's address and the distance from one row to the next
// (negative for bitmaps stored bottom-up), taken once per call instead of
// once per row. Colours are written as blue, green, red; a 32-bit pixel's
// fourth byte is left alone.

#include <cstddef>
#include <cstdint>

#include "sPaintTypes.h"
#include "toolkit/core/Bitmap.h"

namespace skin {

struct TsBgr {
  std::uint8_t b = 0, g = 0, r = 0;
};

// An RGB colour (red in the low byte) as stored bytes.
constexpr TsBgr BgrOf(TColor rgb) {
  return {static_cast<std::uint8_t>((rgb >> 16) & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
          static_cast<std::uint8_t>(rgb & 0xFF)};
}
constexpr TColor ColorOf(const std::uint8_t* p) { return p[2] | (p[1] << 8) | (p[0] << 16); }
constexpr bool IsFuchsiaPixel(const std::uint8_t* p) { return p[0] == 0xFF && p[1] == 0 && p[2] == 0xFF; }
inline void PutBgr(std::uint8_t* p, TsBgr c) {
  p[0] = c.b;
  p[1] = c.g;
  p[2] = c.r;
}
inline void CopyBgr(std::uint8_t* to, const std::uint8_t* from) {
  to[0] = from[0];
  to[1] = from[1];
  to[2] = from[2];
}

class TsPixels {
public:
  TsPixels() = default;
  // Nothing to walk (Valid() false) for an empty bitmap or one of another
  // pixel format.
  explicit TsPixels(const tk::Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    bpp_ = bitmap.BytesPerPixel();
    if (bpp_ != 3 && bpp_ != 4) {
      bpp_ = 0;
      return;
    }
    auto& writable = const_cast<tk::Bitmap&>(bitmap);
    first_ = writable.ScanLine(0);
    stride_ = bitmap.Height() > 1 ? writable.ScanLine(1) - first_ : static_cast<std::ptrdiff_t>(bitmap.RowBytes());
    width_ = bitmap.Width();
    height_ = bitmap.Height();
  }

  bool Valid() const { return first_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Bpp() const { return bpp_; }
  std::ptrdiff_t Stride() const { return stride_; }
  TRect Bounds() const { return {0, 0, width_, height_}; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  std::uint8_t* Row(int y) const { return first_ + stride_ * y; }
  std::uint8_t* At(int x, int y) const { return Row(y) + static_cast<std::ptrdiff_t>(x) * bpp_; }

private:
  std::uint8_t* first_ = nullptr;
  std::ptrdiff_t stride_ = 0;
  int width_ = 0;
  int height_ = 0;
  int bpp_ = 0;
};

// Where a source rectangle (inside its source) copied with its top-left
// corner to (x, y) lands in the target, cut to the clip rectangle and the
// target, and the offset from source to target pixels. False when none of
// it lands, wherever (x, y) is.
inline bool Landing(const TsPixels& target, const TRect& clip, long long x, long long y, const TRect& source, TRect& area,
                    int& dx, int& dy) {
  if (x >= target.Width() || y >= target.Height() || x + source.Width() <= 0 || y + source.Height() <= 0) return false;
  dx = static_cast<int>(x - source.Left);
  dy = static_cast<int>(y - source.Top);
  area = IntersectRect(IntersectRect(OffsetRect(source, dx, dy), clip), target.Bounds());
  return !RectEmpty(area);
}

// A target the primitives write: 24-bit only.
inline TsPixels TargetPixels(tk::Bitmap& bitmap) {
  return bitmap.Format() == tk::PixelFormat::pf24bit ? TsPixels(bitmap) : TsPixels();
}

// The parent's cached background as pixels, with the offset that takes a
// target pixel to the parent pixel under it.
struct TsParentPixels {
  TsPixels pixels;
  int dx = 0;
  int dy = 0;
  bool Usable() const { return pixels.Valid(); }
  // The parent pixel under target pixel (x, y), or none outside the parent.
  const std::uint8_t* Under(int x, int y) const {
    return pixels.Contains(x + dx, y + dy) ? pixels.At(x + dx, y + dy) : nullptr;
  }
};

inline TsParentPixels ParentPixels(const CacheInfo& cache) {
  if (!cache.Usable()) return {};
  return {TsPixels(*cache.bitmap), cache.offsetX, cache.offsetY};
}

}  // namespace skin
