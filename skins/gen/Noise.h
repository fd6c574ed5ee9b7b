#pragma once
// Reproducible pseudo-random numbers and periodic value noise for the
// procedural textures. Periodic noise wraps at the image edges, so a texture
// tiled over a large window shows no seams.

#include <cstdint>

namespace skingen {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t seed);
// A value in [0, 1) from the hash of (a, b, seed).
double HashUnit(std::uint32_t a, std::uint32_t b, std::uint32_t seed);

// Value noise in [0, 1] over a lattice of periodX × periodY cells stretched
// across an image of width × height pixels; wraps at the image edges.
class PeriodicNoise {
public:
  PeriodicNoise(int width, int height, std::uint32_t seed);
  double Sample(double x, double y, int periodX, int periodY, std::uint32_t octave = 0) const;
  // Sum of octaves, each with twice the lattice density and gain times the
  // weight of the previous; normalised to [0, 1].
  double Fractal(double x, double y, int periodX, int periodY, int octaves, double gain = 0.5) const;

private:
  int width_, height_;
  std::uint32_t seed_;
};

}  // namespace skingen
