// The EmberStyle form texture: dark, brushed steel with rust stains, pits
// and run-off streaks, 378 × 256 pixels, seamless in both directions (it is
// tiled behind forms and panels).
#include "DetMath.h"
#include "EmberTexture.h"
#include "Noise.h"
#include "Raster.h"

namespace skingen {

tk::Bitmap PaintEmberMetal() {
  constexpr int W = 378, H = 256;
  const PeriodicNoise n(W, H, 0x0E3B1Eu);
  tk::Bitmap out(W, H);
  const Rgba steel = Rgb(66, 64, 62);
  const Rgba rustDark = Rgb(64, 34, 20), rustMid = Rgb(104, 52, 24), rustBright = Rgb(146, 74, 30);
  const Rgba stainColour = Rgb(84, 48, 28), tarnish = Rgb(66, 54, 46);
  for (int y = 0; y < H; ++y) {
    std::uint8_t* row = out.ScanLine(y);
    for (int x = 0; x < W; ++x) {
      // Cloudy plate tone and horizontal brushing.
      const double tone = n.Fractal(x, y, 3, 2, 4);
      const double brush = n.Sample(x, y, 3, 128, 11) * 0.65 + n.Sample(x, y, 6, 256, 12) * 0.35;
      Rgba c = Shade(steel, 0.78 + 0.42 * tone + (brush - 0.5) * 0.16);

      // Rust: a warped fractal, thresholded into patches with soft rims.
      const double wx = x + 26 * (n.Fractal(x, y, 4, 3, 2, 0.5) - 0.5);
      const double wy = y + 26 * (n.Fractal(x + 97, y + 41, 4, 3, 2, 0.5) - 0.5);
      const double rust = n.Fractal(wx, wy, 6, 4, 5, 0.55);
      const double cover = SmoothStep(0.55, 0.70, rust);
      c = Mix(c, tarnish, SmoothStep(0.44, 0.56, rust) * 0.45);  // discoloured steel around the rust
      const double grain = n.Fractal(x, y, 42, 28, 3, 0.6);
      Rgba rc = Mix(rustDark, rustMid, SmoothStep(0.3, 0.7, grain));
      rc = Mix(rc, rustBright, SmoothStep(0.62, 0.85, grain) * SmoothStep(0.64, 0.8, rust));
      c = Mix(c, rc, cover * 0.85);

      // Run-off: thin vertical streaks below the rust, fading downwards.
      const double streak = SmoothStep(0.62, 0.85, n.Sample(x, y, 63, 2, 21));
      const double source = SmoothStep(0.42, 0.6, n.Fractal(x, y - 30, 6, 4, 3, 0.5));
      c = Mix(c, stainColour, streak * source * 0.45 * (1 - cover));

      // Pits: scattered dark specks with a lighter lip below.
      const double pit = HashUnit(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 77);
      if (pit > 0.996) c = Shade(c, 0.6);
      const double lip = HashUnit(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>((y + H - 1) % H), 77);
      if (lip > 0.996) c = Shade(c, 1.15);

      row[x * 3 + 0] = ToByte(c.b);
      row[x * 3 + 1] = ToByte(c.g);
      row[x * 3 + 2] = ToByte(c.r);
    }
  }
  return out;
}

}  // namespace skingen
