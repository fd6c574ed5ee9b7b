#pragma once
// Colour helpers: mixing two colours, blending a rectangle towards a colour,
// and the grey looks of disabled controls. Colours are RGB values with red
// in the low byte; system colours (negative) are resolved first.
//
// "Rounded" means to the nearest integer with ties to even, the rounding of
// every blend in the skin engine.

#include <cmath>

#include "sPaintTypes.h"

namespace tk {
class Bitmap;
}

namespace skin {

// Rounds a non-negative n / d to the nearest integer, ties to even.
constexpr int DivRoundHalfEven(long long n, long long d) {
  long long q = n / d;
  const long long twice = 2 * (n % d);
  if (twice > d || (twice == d && (q & 1) != 0)) ++q;
  return static_cast<int>(q);
}
inline int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Per channel round(f * (a - b) + b), clamped to 0..255: f = 1 gives a, 0 gives b.
TColor MixColors(TColor a, TColor b, double f);

// Each channel c of the pixels of r (cut to the bitmap) becomes
// round(p * c + (1 - p) * colour) with p = percent / 100 (percent is held to
// 0..100): 100 leaves the pixels, 0 fills with the colour.
void BlendColorRect(tk::Bitmap& bitmap, const TRect& r, int percent, TColor color);

// Every pixel's channels become their integer average (sum div 3).
void GrayscaleBitmap(tk::Bitmap& bitmap);
// The same, leaving pixels of the given colour as they are.
void GrayscaleExceptColor(tk::Bitmap& bitmap, TColor color);

}  // namespace skin
