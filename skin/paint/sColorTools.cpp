#include "sColorTools.h"

#include <algorithm>
#include <array>

#include "sPixels.h"
#include "skin/data/sSysColors.h"

namespace skin {

TColor MixColors(TColor a, TColor b, double f) {
  const TsBgr ca = BgrOf(ColorToRGB(a)), cb = BgrOf(ColorToRGB(b));
  auto mix = [f](int x, int y) { return std::clamp(RoundHalfEven(f * (x - y) + y), 0, 255); };
  return mix(ca.r, cb.r) | (mix(ca.g, cb.g) << 8) | (mix(ca.b, cb.b) << 16);
}

void BlendColorRect(tk::Bitmap& bitmap, const TRect& r, int percent, TColor color) {
  const TsPixels px = TargetPixels(bitmap);
  if (!px.Valid()) return;
  const TRect area = IntersectRect(r, px.Bounds());
  if (RectEmpty(area)) return;
  percent = std::clamp(percent, 0, 100);
  const TsBgr c = BgrOf(ColorToRGB(color));
  // The result depends on the channel's value only: one table per channel,
  // computed exactly in integers.
  std::array<std::array<std::uint8_t, 256>, 3> table{};
  const int keep[3] = {c.b, c.g, c.r};
  for (int ch = 0; ch < 3; ++ch)
    for (int v = 0; v < 256; ++v)
      table[ch][v] = static_cast<std::uint8_t>(DivRoundHalfEven(percent * v + (100 - percent) * keep[ch], 100));
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::uint8_t* p = px.At(area.Left, y);
    for (int x = area.Left; x < area.Right; ++x, p += 3) {
      p[0] = table[0][p[0]];
      p[1] = table[1][p[1]];
      p[2] = table[2][p[2]];
    }
  }
}

namespace {
void Grayscale(tk::Bitmap& bitmap, const TsBgr* skip) {
  const TsPixels px(bitmap);
  if (!px.Valid()) return;
  for (int y = 0; y < px.Height(); ++y) {
    std::uint8_t* p = px.Row(y);
    for (int x = 0; x < px.Width(); ++x, p += px.Bpp()) {
      if (skip && p[0] == skip->b && p[1] == skip->g && p[2] == skip->r) continue;
      const auto grey = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = grey;
    }
  }
}
}  // namespace

void GrayscaleBitmap(tk::Bitmap& bitmap) { Grayscale(bitmap, nullptr); }

void GrayscaleExceptColor(tk::Bitmap& bitmap, TColor color) {
  const TsBgr skip = BgrOf(ColorToRGB(color));
  Grayscale(bitmap, &skip);
}

}  // namespace skin
