#include "Textures.h"

#include "DetMath.h"
#include "Noise.h"

namespace skingen {

Raster BrushedGradient(int width, int height, const std::vector<Stop>& stops, double strokes, int sheenRow,
                       std::uint32_t seed) {
  Raster r(width, height);
  const PaintFn gradient = VerticalGradient(stops);
  const PeriodicNoise noise(width, height, seed);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Rgba c = gradient(x + 0.5, y + 0.5);
      // Strokes: fast along y, slow along x.
      const double n = noise.Sample(x, y * 1.0, 2, height, 0) * 0.6 + noise.Sample(x, y, 5, height * 2, 1) * 0.4;
      const double f = 1.0 + (n - 0.5) * strokes;
      c = Shade(c, f);
      if (y == sheenRow) c = Mix(c, Rgb(255, 255, 255), 0.18);
      if (y == sheenRow + 1) c = Mix(c, Rgb(255, 255, 255), 0.07);
      c.a = 1;
      r.At(x, y) = c;
    }
  return r;
}

}  // namespace skingen
