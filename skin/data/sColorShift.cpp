#include "sColorShift.h"

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

struct Rgb {
  int r, g, b;
};
Rgb Split(TColor c) { return {c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF}; }
TColor Join(Rgb c) { return c.r | c.g << 8 | c.b << 16; }

// Clamp to a channel, then round to nearest with ties to even.
int Channel(double v) {
  v = std::clamp(v, 0.0, 255.0);
  return static_cast<int>(std::nearbyint(v));
}

Rgb HueRotate(Rgb c, int offset) {
  const int v = std::max({c.r, c.g, c.b});
  const int mn = std::min({c.r, c.g, c.b});
  if (v == 0 || v == mn) return c;  // S = 0: grey or black keeps its value
  const double s = static_cast<double>(v - mn) / v;
  const double delta = v - mn;
  double h;
  if (c.r == v) h = 60.0 * (c.g - c.b) / delta;
  else if (c.g == v) h = 120.0 + 60.0 * (c.b - c.r) / delta;
  else h = 240.0 + 60.0 * (c.r - c.g) / delta;
  if (h < 0) h += 360.0;
  // Offsets outside 0..359 wrap like any other angle.
  long long shifted = static_cast<long long>(std::nearbyint(h + offset)) % 360;
  if (shifted < 0) shifted += 360;
  const double sector = std::floor(static_cast<double>(shifted) / 60.0);
  const double f = static_cast<double>(shifted) / 60.0 - sector;
  const double p = v * (1 - s), q = v * (1 - f * s), t = v * (1 - (1 - f) * s);
  double r, g, b;
  switch (static_cast<int>(sector)) {
    case 0: r = v, g = t, b = p; break;
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    default: r = v, g = p, b = q; break;
  }
  return {Channel(r), Channel(g), Channel(b)};
}

Rgb Saturate(Rgb c, int saturation) {
  const int d = -(saturation % 101);
  const double mean = (c.r + c.g + c.b) / 3.0;
  auto move = [&](int ch) { return Channel(ch + d * (mean - ch) / 100.0); };
  return {move(c.r), move(c.g), move(c.b)};
}

}  // namespace

TColor ShiftHue(TColor color, int hueOffset) {
  if (hueOffset == 0) return color;
  return Join(HueRotate(Split(color), hueOffset));
}

TColor ShiftSaturation(TColor color, int saturation) {
  if (saturation == 0) return color;
  return Join(Saturate(Split(color), saturation));
}

namespace {

// One pass over the pixels that carry colour: the transparent colour and the
// greys are left alone.
template <typename Change>
void ChangeColouredPixels(tk::Bitmap& bitmap, Change change) {
  const int bpp = bitmap.BytesPerPixel();
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += bpp) {
      const Rgb c{p[2], p[1], p[0]};
      if ((c.r == c.g && c.g == c.b) || Join(c) == clFuchsia) continue;
      const Rgb out = change(c);
      p[0] = static_cast<std::uint8_t>(out.b);
      p[1] = static_cast<std::uint8_t>(out.g);
      p[2] = static_cast<std::uint8_t>(out.r);
    }
  }
}

}  // namespace

void ShiftBitmapColors(tk::Bitmap& bitmap, int hueOffset, int saturation) {
  if (bitmap.Empty()) return;
  // Two passes, not one: a pixel the hue turns into the transparent colour
  // (cyan by 120 degrees) is transparent from then on, and the saturation
  // must not move it off again.
  if (hueOffset != 0) ChangeColouredPixels(bitmap, [&](Rgb c) { return HueRotate(c, hueOffset); });
  if (saturation != 0) ChangeColouredPixels(bitmap, [&](Rgb c) { return Saturate(c, saturation); });
}

}  // namespace skin
