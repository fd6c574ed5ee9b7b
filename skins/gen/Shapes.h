#pragma once
// Signed distance functions (pixels; negative inside) of the few shapes the
// skin images are built from, and the operators that combine them.

#include "DetMath.h"
#include "Raster.h"

namespace skingen {

// Axis-aligned box from (x0, y0) to (x1, y1) in continuous coordinates
// (a pixel i covers i .. i + 1) with corners rounded by radius r.
inline DistanceFn RoundBox(double x0, double y0, double x1, double y1, double r) {
  return [=](double x, double y) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double hw = (x1 - x0) / 2 - r, hh = (y1 - y0) / 2 - r;
    const double qx = Abs(x - cx) - hw, qy = Abs(y - cy) - hh;
    const double ox = Max(qx, 0.0), oy = Max(qy, 0.0);
    return Sqrt(ox * ox + oy * oy) + Min(Max(qx, qy), 0.0) - r;
  };
}

inline DistanceFn Circle(double cx, double cy, double r) {
  return [=](double x, double y) {
    const double dx = x - cx, dy = y - cy;
    return Sqrt(dx * dx + dy * dy) - r;
  };
}

// A stroke of half-width w with round caps from (ax, ay) to (bx, by).
inline DistanceFn Capsule(double ax, double ay, double bx, double by, double w) {
  return [=](double x, double y) {
    const double px = x - ax, py = y - ay, vx = bx - ax, vy = by - ay;
    const double len2 = vx * vx + vy * vy;
    const double h = len2 > 0 ? Clamp01((px * vx + py * vy) / len2) : 0.0;
    const double dx = px - vx * h, dy = py - vy * h;
    return Sqrt(dx * dx + dy * dy) - w;
  };
}

// A ring of half-width w around a circle of radius r.
inline DistanceFn Annulus(double cx, double cy, double r, double w) {
  return [=](double x, double y) {
    const double dx = x - cx, dy = y - cy;
    return Abs(Sqrt(dx * dx + dy * dy) - r) - w;
  };
}

inline DistanceFn Union(DistanceFn a, DistanceFn b) {
  return [=](double x, double y) { return Min(a(x, y), b(x, y)); };
}
inline DistanceFn Intersect(DistanceFn a, DistanceFn b) {
  return [=](double x, double y) { return Max(a(x, y), b(x, y)); };
}
inline DistanceFn Subtract(DistanceFn a, DistanceFn b) {
  return [=](double x, double y) { return Max(a(x, y), -b(x, y)); };
}
// The half plane on the side of the line through (ax, ay) in direction
// (dx, dy) that lies to the left when looking along the direction.
inline DistanceFn HalfPlane(double ax, double ay, double dx, double dy) {
  const double len = Sqrt(dx * dx + dy * dy);
  return [=](double x, double y) { return ((x - ax) * dy - (y - ay) * dx) / len; };
}

// A filled triangle; the corners may be given in either winding.
inline DistanceFn Triangle(double ax, double ay, double bx, double by, double cx, double cy) {
  const double cross = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
  const double sign = cross > 0 ? 1.0 : -1.0;
  auto edge = [sign](double px, double py, double qx, double qy) {
    const double dx = qx - px, dy = qy - py, len = Sqrt(dx * dx + dy * dy);
    return [=](double x, double y) { return sign * ((x - px) * dy - (y - py) * dx) / len; };
  };
  const DistanceFn e1 = edge(ax, ay, bx, by), e2 = edge(bx, by, cx, cy), e3 = edge(cx, cy, ax, ay);
  return [=](double x, double y) { return Max(Max(e1(x, y), e2(x, y)), e3(x, y)); };
}

// A vertical gradient through up to four stops placed at y positions.
struct Stop {
  double at;
  Rgba colour;
};
inline PaintFn VerticalGradient(std::vector<Stop> stops) {
  return [stops](double, double y) {
    if (y <= stops.front().at) return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i)
      if (y <= stops[i].at) {
        const double t = (y - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
        return Mix(stops[i - 1].colour, stops[i].colour, t);
      }
    return stops.back().colour;
  };
}
inline PaintFn HorizontalGradient(std::vector<Stop> stops) {
  auto v = VerticalGradient(std::move(stops));
  return [v](double x, double) { return v(0, x); };
}

}  // namespace skingen
