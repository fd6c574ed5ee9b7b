#pragma once
// Arithmetic for the skin generator that gives the same bits on every
// compiler and C library: only +, -, *, / and sqrt (all correctly rounded by
// IEEE 754), never the library's sin, exp or pow, whose last bits differ
// between glibc and the MinGW runtime. The native and the Windows builds
// therefore draw byte-identical skins.

#include <cmath>
#include <cstdint>

namespace skingen {

inline double Clamp(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }
inline double Clamp01(double v) { return Clamp(v, 0.0, 1.0); }
inline double Lerp(double a, double b, double t) { return a + (b - a) * t; }
inline double Sqrt(double v) { return v <= 0.0 ? 0.0 : std::sqrt(v); }
inline double Floor(double v) { return std::floor(v); }
inline double Abs(double v) { return v < 0.0 ? -v : v; }
inline double Min(double a, double b) { return a < b ? a : b; }
inline double Max(double a, double b) { return a > b ? a : b; }

// Hermite step between edge0 and edge1 (either order).
inline double SmoothStep(double edge0, double edge1, double x) {
  const double t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0 - 2.0 * t);
}

// Round half away from zero, then clamp into a byte.
inline std::uint8_t ToByte(double v) {
  const double r = Floor(Clamp(v, 0.0, 255.0) + 0.5);
  return static_cast<std::uint8_t>(r > 255.0 ? 255.0 : r);
}

inline int RoundInt(double v) { return static_cast<int>(Floor(v + 0.5)); }

}  // namespace skingen
