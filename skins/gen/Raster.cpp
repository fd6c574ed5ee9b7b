#include "Raster.h"

#include "DetMath.h"

namespace skingen {

Rgba Mix(const Rgba& x, const Rgba& y, double t) {
  return {Lerp(x.r, y.r, t), Lerp(x.g, y.g, t), Lerp(x.b, y.b, t), Lerp(x.a, y.a, t)};
}

Rgba WithAlpha(Rgba c, double a) {
  c.a = a;
  return c;
}

Rgba Shade(Rgba c, double f) {
  c.r = Clamp(c.r * f, 0, 255);
  c.g = Clamp(c.g * f, 0, 255);
  c.b = Clamp(c.b * f, 0, 255);
  return c;
}

double Coverage(double d) { return Clamp01(0.5 - d); }

Raster::Raster(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}

void Raster::Blend(int x, int y, const Rgba& c, double coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const double sa = Clamp01(c.a * coverage);
  if (sa <= 0.0) return;
  Rgba& d = At(x, y);
  const double outA = sa + d.a * (1.0 - sa);
  if (outA <= 0.0) {
    d = Rgba{};
    return;
  }
  const double keep = d.a * (1.0 - sa);
  d.r = (c.r * sa + d.r * keep) / outA;
  d.g = (c.g * sa + d.g * keep) / outA;
  d.b = (c.b * sa + d.b * keep) / outA;
  d.a = outA;
}

void Raster::Fill(const Rgba& c) {
  for (auto& p : pixels_) p = c;
}

void Raster::FillShape(const DistanceFn& shape, const PaintFn& paint) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double cov = Coverage(shape(px, py));
      if (cov > 0.0) Blend(x, y, paint(px, py), cov);
    }
}

void Raster::FillShape(const DistanceFn& shape, const Rgba& colour) {
  FillShape(shape, [&](double, double) { return colour; });
}

void Raster::FillBand(const DistanceFn& shape, double outer, double inner, const PaintFn& paint) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double d = shape(px, py);
      const double cov = Coverage(d + outer) - Coverage(d + inner);
      if (cov > 0.0) Blend(x, y, paint(px, py), cov);
    }
}

void Raster::FillBand(const DistanceFn& shape, double outer, double inner, const Rgba& colour) {
  FillBand(shape, outer, inner, [&](double, double) { return colour; });
}

void Raster::Draw(const Raster& src, int x, int y) {
  for (int j = 0; j < src.height_; ++j)
    for (int i = 0; i < src.width_; ++i) Blend(x + i, y + j, src.At(i, j));
}

Raster Raster::RotatedQuarter(int turns) const {
  turns = ((turns % 4) + 4) % 4;
  if (turns == 0) return *this;
  const bool swap = turns % 2 == 1;
  Raster out(swap ? height_ : width_, swap ? width_ : height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      int nx = x, ny = y;
      if (turns == 1) { nx = height_ - 1 - y; ny = x; }
      if (turns == 2) { nx = width_ - 1 - x; ny = height_ - 1 - y; }
      if (turns == 3) { nx = y; ny = width_ - 1 - x; }
      out.At(nx, ny) = At(x, y);
    }
  return out;
}

Raster Raster::FlippedHorizontally() const {
  Raster out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.At(width_ - 1 - x, y) = At(x, y);
  return out;
}

Raster Raster::FlippedVertically() const {
  Raster out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.At(x, height_ - 1 - y) = At(x, y);
  return out;
}

}  // namespace skingen
