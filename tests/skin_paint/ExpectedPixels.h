#pragma once
// Pixel rules written out once more, independently of the engine's code, to
// state what a test expects.

#include <cstdint>

#include "skin/data/sSkinTypes.h"

namespace paintfix {

inline int Channel(skin::TColor c, int shift) { return (c >> shift) & 0xFF; }
inline skin::TColor Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// Exact round(n / d), ties to even, for n >= 0.
inline int RoundExact(long long n, long long d) {
  long long q = n / d, r = n % d;
  if (2 * r > d || (2 * r == d && q % 2 == 1)) ++q;
  return static_cast<int>(q);
}

// An image pixel over a target pixel through its mask pixel: per channel
// image + floor((target - image) * mask / 256).
inline skin::TColor ThroughMask(skin::TColor image, skin::TColor target, skin::TColor mask) {
  int out[3];
  for (int i = 0; i < 3; ++i) {
    const int im = Channel(image, 8 * i), t = Channel(target, 8 * i), m = Channel(mask, 8 * i);
    const int d = (t - im) * m;
    out[i] = im + (d >= 0 ? d / 256 : -((-d + 255) / 256));
  }
  return Rgb(out[0], out[1], out[2]);
}

// p percent of a, the rest b, rounded exactly.
inline skin::TColor Percent(skin::TColor a, skin::TColor b, int p) {
  int out[3];
  for (int i = 0; i < 3; ++i) out[i] = RoundExact(p * Channel(a, 8 * i) + (100 - p) * Channel(b, 8 * i), 100);
  return Rgb(out[0], out[1], out[2]);
}

// The fade blend of one pixel.
inline skin::TColor Faded(skin::TColor target, skin::TColor source, int level) {
  int out[3];
  for (int i = 0; i < 3; ++i)
    out[i] = (Channel(target, 8 * i) * level + Channel(source, 8 * i) * (255 - level) + 127) / 256;
  return Rgb(out[0], out[1], out[2]);
}

}  // namespace paintfix
