#include "sGradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "sColorTools.h"
#include "sPixels.h"
#include "skin/data/sSysColors.h"

namespace skin {

namespace {

// The colour of step k of a band of n steps from a to b. A band may start
// far before the rectangle (a skin's share can be any integer), so k and n
// can be larger than an int.
TsBgr Step(TsBgr a, TsBgr b, long long k, long long n) {
  auto channel = [k, n](int from, int to) {
    const double step = static_cast<double>(to - from) / n;
    return static_cast<std::uint8_t>(std::clamp(RoundHalfEven(from + step * k), 0, 255));
  };
  return {channel(a.b, b.b), channel(a.g, b.g), channel(a.r, b.r)};
}

void FillRow(const TsPixels& px, int y, int left, int right, TsBgr c) {
  std::uint8_t* p = px.At(left, y);
  for (int x = left; x < right; ++x, p += 3) PutBgr(p, c);
}

void Vertical(const TsPixels& px, const TRect& r, const TsGradArray& stops, int offset) {
  const long long total = static_cast<long long>(offset) + r.Height();
  const long long last = r.Bottom - 1;
  long long y = static_cast<long long>(r.Top) + offset;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    const long long y0 = y;
    long long y1 = i + 1 == stops.size() ? last : y0 + stops[i].Percent * total / 100;
    y1 = std::min(y1, last);
    const long long n = y1 - y0;
    if (n > 0) {
      const TsBgr a = BgrOf(ColorToRGB(stops[i].Color1)), b = BgrOf(ColorToRGB(stops[i].Color2));
      for (long long row = std::max<long long>(y0, r.Top); row <= y1; ++row)
        FillRow(px, static_cast<int>(row), r.Left, r.Right, Step(a, b, row - y0, n));
    }
    y = y1;
  }
}

// round(percent * (width / 100)) columns; a share far beyond 100 % (or
// below -100 %) only needs to reach past the rectangle, which 2^40 does.
long long BandWidth(int percent, int width) {
  constexpr double kFar = 1099511627776.0;
  return static_cast<long long>(std::nearbyint(std::clamp(percent * (width / 100.0), -kFar, kFar)));
}

void Horizontal(const TsPixels& px, const TRect& r, const TsGradArray& stops) {
  // One row is worked out, then copied to every row; columns no band
  // reaches keep their pixels.
  std::vector<TsBgr> row(static_cast<std::size_t>(r.Width()));
  std::vector<char> painted(row.size(), 0);
  const long long last = r.Right - 1;
  long long x = r.Left;
  for (std::size_t i = 0; i < stops.size(); ++i) {
    const long long x0 = x;
    long long x1 = i + 1 == stops.size() ? last : x0 + BandWidth(stops[i].Percent, r.Width());
    x1 = std::min(x1, last);
    const long long n = x1 - x0;
    if (n > 0) {
      const TsBgr a = BgrOf(ColorToRGB(stops[i].Color1)), b = BgrOf(ColorToRGB(stops[i].Color2));
      for (long long col = std::max<long long>(x0, r.Left); col <= x1; ++col) {
        const auto at = static_cast<std::size_t>(col - r.Left);
        row[at] = Step(a, b, col - x0, n);
        painted[at] = 1;
      }
    }
    x = x1;
  }
  for (int y = r.Top; y < r.Bottom; ++y) {
    std::uint8_t* p = px.At(r.Left, y);
    for (std::size_t i = 0; i < row.size(); ++i, p += 3)
      if (painted[i]) PutBgr(p, row[i]);
  }
}

// Barycentric shading of the four triangles between the centre and the
// sides, sampled at pixel centres in the rectangle's unit square.
void CornerMesh(const TsPixels& px, const TRect& r, const TsGradArray& stops) {
  std::array<TsBgr, 5> v{};  // top-left, centre, top-right, bottom-right, bottom-left
  for (std::size_t i = 0; i < v.size(); ++i)
    v[i] = BgrOf(ColorToRGB(stops[std::min(i, stops.size() - 1)].Color1));
  struct P {
    double u, v;
  };
  const P tl{0, 0}, c{0.5, 0.5}, tr{1, 0}, br{1, 1}, bl{0, 1};
  for (int y = r.Top; y < r.Bottom; ++y) {
    const double pv = (y - r.Top + 0.5) / r.Height();
    std::uint8_t* out = px.At(r.Left, y);
    for (int x = r.Left; x < r.Right; ++x, out += 3) {
      const double pu = (x - r.Left + 0.5) / r.Width();
      // Which triangle: above or below each diagonal.
      const bool belowMain = pv > pu, belowAnti = pv > 1 - pu;
      P a, b, d;
      TsBgr ca, cb, cd;
      if (!belowMain && !belowAnti) a = tl, b = c, d = tr, ca = v[0], cb = v[1], cd = v[2];
      else if (!belowMain) a = c, b = tr, d = br, ca = v[1], cb = v[2], cd = v[3];
      else if (!belowAnti) a = tl, b = c, d = bl, ca = v[0], cb = v[1], cd = v[4];
      else a = bl, b = c, d = br, ca = v[4], cb = v[1], cd = v[3];
      const double det = (b.v - d.v) * (a.u - d.u) + (d.u - b.u) * (a.v - d.v);
      const double wa = ((b.v - d.v) * (pu - d.u) + (d.u - b.u) * (pv - d.v)) / det;
      const double wb = ((d.v - a.v) * (pu - d.u) + (a.u - d.u) * (pv - d.v)) / det;
      const double wd = 1 - wa - wb;
      auto mix = [&](int ka, int kb, int kd) {
        return static_cast<std::uint8_t>(std::clamp(RoundHalfEven(wa * ka + wb * kb + wd * kd), 0, 255));
      };
      PutBgr(out, {mix(ca.b, cb.b, cd.b), mix(ca.g, cb.g, cd.g), mix(ca.r, cb.r, cd.r)});
    }
  }
}

}  // namespace

void PaintGradient(tk::Bitmap& target, const TRect& rect, const TsGradArray& stops, int offset) {
  const TsPixels px = TargetPixels(target);
  if (!px.Valid() || stops.empty()) return;
  const TRect r = IntersectRect(rect, px.Bounds());
  if (RectEmpty(r)) return;
  switch (stops.front().Mode) {
    case 1: Horizontal(px, r, stops); break;
    case 2: CornerMesh(px, r, stops); break;
    default: Vertical(px, r, stops, offset); break;
  }
}

}  // namespace skin
