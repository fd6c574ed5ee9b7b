#include "Noise.h"

#include "DetMath.h"

namespace skingen {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t seed) {
  // A few rounds of a multiply-xorshift mix: cheap and well spread.
  std::uint32_t h = seed * 0x9E3779B1u ^ a * 0x85EBCA77u ^ b * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double HashUnit(std::uint32_t a, std::uint32_t b, std::uint32_t seed) {
  return (Hash(a, b, seed) >> 8) / 16777216.0;
}

PeriodicNoise::PeriodicNoise(int width, int height, std::uint32_t seed)
    : width_(width), height_(height), seed_(seed) {}

static double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

double PeriodicNoise::Sample(double x, double y, int periodX, int periodY, std::uint32_t octave) const {
  const double u = x * periodX / width_, v = y * periodY / height_;
  const double fu = Floor(u), fv = Floor(v);
  const double tu = Fade(u - fu), tv = Fade(v - fv);
  auto wrap = [](long long i, int p) { return static_cast<std::uint32_t>(((i % p) + p) % p); };
  const long long iu = static_cast<long long>(fu), iv = static_cast<long long>(fv);
  const std::uint32_t x0 = wrap(iu, periodX), x1 = wrap(iu + 1, periodX);
  const std::uint32_t y0 = wrap(iv, periodY), y1 = wrap(iv + 1, periodY);
  const std::uint32_t s = seed_ + octave * 7919u;
  const double a = HashUnit(x0, y0, s), b = HashUnit(x1, y0, s);
  const double c = HashUnit(x0, y1, s), d = HashUnit(x1, y1, s);
  return Lerp(Lerp(a, b, tu), Lerp(c, d, tu), tv);
}

double PeriodicNoise::Fractal(double x, double y, int periodX, int periodY, int octaves, double gain) const {
  double sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += Sample(x, y, periodX << o, periodY << o, static_cast<std::uint32_t>(o)) * weight;
    total += weight;
    weight *= gain;
  }
  return sum / total;
}

}  // namespace skingen
