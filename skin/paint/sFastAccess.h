#pragma once
// Fast pixel access objects: a bitmap's first scan line and row stride taken
// once, so that reading a pixel is one address computation. The stride is
// the distance from scan line 0 to scan line 1, negative for bitmaps stored
// bottom-up. Attaching a bitmap smaller than 2 x 2 pixels, or of another
// pixel format, fails and leaves the object unusable until the next attach.

#include <cstddef>
#include <cstdint>

#include "sPaintTypes.h"

namespace tk {
class Bitmap;
}

namespace skin {

class TvxFast24 {
public:
  bool Attach(const tk::Bitmap& bitmap);
  bool Attached() const { return FirstLine != nullptr; }
  // The colour of pixel (x, y), red in the low byte; (x, y) must lie inside.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor rgb);

  const tk::Bitmap* Bitmap = nullptr;
  int Width = 0;
  int Height = 0;
  std::uint8_t* FirstLine = nullptr;
  std::ptrdiff_t Stride = 0;
};

// The same for 32-bit bitmaps; the fourth byte comes back in the high byte.
class TvxFast32 {
public:
  bool Attach(const tk::Bitmap& bitmap);
  bool Attached() const { return FirstLine != nullptr; }
  std::uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, std::uint32_t value);

  const tk::Bitmap* Bitmap = nullptr;
  int Width = 0;
  int Height = 0;
  std::uint8_t* FirstLine = nullptr;
  std::ptrdiff_t Stride = 0;
};

// Blends a source rectangle of one 24-bit bitmap into another: every channel
// of every covered target pixel becomes
// (target * level + source * (255 - level) + 127) div 256.
class TvxFastSum24 {
public:
  // Places srcRect's top-left corner at point of the target. A negative point
  // moves the source rectangle's start instead; the rectangle is cut to both
  // bitmaps. False when either bitmap cannot be attached or nothing is left.
  bool Attach(tk::Bitmap& target, const tk::Bitmap& source, TPoint point, TRect srcRect);
  void Blend(int level);

  TvxFast24 Dst, Src;
  int Width = 0;   // of the covered area
  int Height = 0;
  int Level = 0;
  TRect DstRect;
  TRect SrcRect;
};

}  // namespace skin
