#pragma once
// An RGBA drawing surface in floating point, on which the generator paints
// every skin image before it is turned into the 24-bit bitmaps the skin
// engine reads. Shapes are given as signed distance functions (negative
// inside, in pixels), which makes anti-aliased edges, outlines and bevel
// rings one formula each.

#include <functional>
#include <vector>

namespace skingen {

// Colour channels 0..255 (straight, not premultiplied); alpha 0..1.
struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

inline Rgba Rgb(double r, double g, double b, double a = 1.0) { return {r, g, b, a}; }
Rgba Mix(const Rgba& x, const Rgba& y, double t);  // per channel, alpha too
Rgba WithAlpha(Rgba c, double a);
// Multiplies the colour channels (not alpha) by f; f > 1 lightens.
Rgba Shade(Rgba c, double f);

using DistanceFn = std::function<double(double x, double y)>;
using PaintFn = std::function<Rgba(double x, double y)>;

class Raster {
public:
  Raster() = default;
  Raster(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgba& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

  // Source-over composition of c, weighted by coverage (0..1).
  void Blend(int x, int y, const Rgba& c, double coverage = 1.0);
  void Fill(const Rgba& c);

  // Paints paint(x, y) over every pixel whose centre lies inside the shape,
  // with a one-pixel anti-aliased edge. x and y passed to both functions are
  // pixel centres (i + 0.5).
  void FillShape(const DistanceFn& shape, const PaintFn& paint);
  void FillShape(const DistanceFn& shape, const Rgba& colour);
  // Paints the band of pixels whose distance lies in [-inner, -outer]: for
  // outer = 0, inner = 1 the one-pixel outline just inside the shape's edge.
  void FillBand(const DistanceFn& shape, double outer, double inner, const PaintFn& paint);
  void FillBand(const DistanceFn& shape, double outer, double inner, const Rgba& colour);

  // Copies src with its top-left corner at (x, y), composing it over this.
  void Draw(const Raster& src, int x, int y);
  // Rotated by quarter turns clockwise; flips about the vertical axis.
  Raster RotatedQuarter(int turns) const;
  Raster FlippedHorizontally() const;
  Raster FlippedVertically() const;

private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgba> pixels_;
};

// Anti-aliased coverage of a pixel whose centre lies at signed distance d.
double Coverage(double d);

}  // namespace skingen
