#pragma once
// Short names for writing look tables: A(colour, alpha), R(inset, lit,
// shaded) for a ring, Rounded(radius, rings, fill) for a frame and Plate(…)
// for a gradient-filled button plate.

#include <vector>

#include "Kit.h"

namespace skingen::look {

inline Rgba A(const Rgba& c, double a) { return WithAlpha(c, a); }
inline Ring R(double inset, const Rgba& lit, const Rgba& shaded, double width = 1) { return {inset, width, lit, shaded}; }
inline Ring R(double inset, const Rgba& both) { return {inset, 1, both, both}; }

inline FrameStyle Rounded(double radius, std::vector<Ring> rings, Rgba fill = {}) {
  FrameStyle f;
  f.radius = radius;
  f.rings = std::move(rings);
  f.fill = fill;
  return f;
}

// A plate one pixel inside its frame, filled from `top` to `bottom`, with
// an outline and one more ring inside it.
inline FrameStyle Plate(double radius, Rgba top, Rgba bottom, Rgba outline, Ring inner) {
  FrameStyle f = Rounded(radius, {R(0, outline), inner}, top);
  f.margin = 1;
  f.fillBottom = bottom;
  return f;
}

}  // namespace skingen::look
