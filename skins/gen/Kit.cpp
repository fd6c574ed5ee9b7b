#include "Kit.h"

#include <stdexcept>

namespace skingen {

double OutlineShade(const DistanceFn& shape, double x, double y) {
  const double e = 0.5;
  const double gx = shape(x + e, y) - shape(x - e, y);
  const double gy = shape(x, y + e) - shape(x, y - e);
  const double len = Sqrt(gx * gx + gy * gy);
  if (len <= 1e-9) return 0.5;
  // Light from above, slightly from the left: (-0.35, -0.94) normalised.
  const double lx = -0.3486, ly = -0.9373;
  const double facing = (gx * lx + gy * ly) / len;  // 1 where the outline faces the light
  return Clamp01(0.5 - 0.5 * facing);
}

Raster PaintFrame(int width, int height, const FrameStyle& style) {
  Raster r(width, height);
  const double m = style.margin;
  const DistanceFn outline = RoundBox(m, m, width - m, height - m, style.radius);
  if (style.fillBottom.a > 0)
    r.FillShape(outline, VerticalGradient({{m, style.fill}, {height - m, style.fillBottom}}));
  else if (style.fill.a > 0)
    r.FillShape(outline, style.fill);
  for (const Ring& ring : style.rings) {
    r.FillBand(outline, ring.inset, ring.inset + ring.width, [&](double x, double y) {
      return Mix(ring.lit, ring.shaded, OutlineShade(outline, x, y));
    });
  }
  return r;
}

namespace {
// Equal as the engine will see them: same mask byte, colours within rounding.
bool Same(const Rgba& a, const Rgba& b) {
  if (Abs(a.a - b.a) > 1.0 / 256) return false;
  if (a.a < 1.0 / 512) return true;
  return Abs(a.r - b.r) <= 0.5 && Abs(a.g - b.g) <= 0.5 && Abs(a.b - b.b) <= 0.5;
}
}  // namespace

void CheckTileable(const Raster& f, const Borders& b, const std::string& name) {
  const int w = f.Width(), h = f.Height();
  auto fail = [&](const char* part) {
    throw std::logic_error("image " + name + ": its " + part + " cannot be tiled");
  };
  for (int y = b.top + 1; y < h - b.bottom; ++y) {
    for (int x = 0; x < b.left; ++x)
      if (!Same(f.At(x, y), f.At(x, b.top))) fail("left edge");
    for (int x = w - b.right; x < w; ++x)
      if (!Same(f.At(x, y), f.At(x, b.top))) fail("right edge");
  }
  for (int x = b.left + 1; x < w - b.right; ++x) {
    for (int y = 0; y < b.top; ++y)
      if (!Same(f.At(x, y), f.At(b.left, y))) fail("top edge");
    for (int y = h - b.bottom; y < h; ++y)
      if (!Same(f.At(x, y), f.At(b.left, y))) fail("bottom edge");
  }
  for (int y = b.top; y < h - b.bottom; ++y)
    for (int x = b.left; x < w - b.right; ++x)
      if (!Same(f.At(x, y), f.At(b.left, b.top))) fail("centre");
}

DistanceFn CloseGlyph(double cx, double cy, double s, double stroke) {
  const double h = s / 2;
  return Union(Capsule(cx - h, cy - h, cx + h, cy + h, stroke), Capsule(cx - h, cy + h, cx + h, cy - h, stroke));
}

DistanceFn MaximizeGlyph(double cx, double cy, double s, double stroke) {
  const double h = s / 2;
  // A window outline with a heavier title edge.
  const DistanceFn box = RoundBox(cx - h, cy - h, cx + h, cy + h, 1.0);
  const DistanceFn frame = [box, stroke](double x, double y) { return Abs(box(x, y) + stroke) - stroke; };
  return Union(frame, RoundBox(cx - h, cy - h, cx + h, cy - h + stroke * 3.2, 1.0));
}

DistanceFn MinimizeGlyph(double cx, double cy, double s, double stroke) {
  const double h = s / 2;
  return Capsule(cx - h + stroke, cy + h - stroke, cx + h - stroke, cy + h - stroke, stroke);
}

DistanceFn RestoreGlyph(double cx, double cy, double s, double stroke) {
  const double h = s / 2, o = s * 0.28;
  auto window = [&](double x0, double y0, double size) {
    const DistanceFn box = RoundBox(x0, y0, x0 + size, y0 + size, 0.8);
    const DistanceFn frame = [box, stroke](double x, double y) { return Abs(box(x, y) + stroke * 0.9) - stroke * 0.9; };
    return Union(frame, RoundBox(x0, y0, x0 + size, y0 + stroke * 2.6, 0.8));
  };
  const double size = s - o;
  const DistanceFn front = window(cx - h, cy - h + o, size);
  const DistanceFn back = Subtract(window(cx - h + o, cy - h, size),
                                   RoundBox(cx - h - 1, cy - h + o - 1.2, cx - h + size + 1.2, cy + h + 1, 0));
  return Union(front, back);
}

DistanceFn HelpGlyph(double cx, double cy, double s, double stroke) {
  // The question mark: an open hook (three quarters of a ring), a short stem
  // and a dot.
  const double r = s * 0.27;
  const double hy = cy - s * 0.18;
  const DistanceFn ring = Annulus(cx, hy, r, stroke);
  // Keep the ring except its lower left quarter.
  const DistanceFn lowerLeft = Intersect(HalfPlane(cx, hy, 0, 1), HalfPlane(cx, hy, 1, 0));
  const DistanceFn hook = Subtract(ring, lowerLeft);
  const DistanceFn stem = Capsule(cx, hy + r, cx, cy + s * 0.16, stroke);
  const DistanceFn dot = Circle(cx, cy + s * 0.42, stroke * 1.15);
  return Union(Union(hook, stem), dot);
}

DistanceFn CheckGlyph(double cx, double cy, double s, double stroke) {
  const double h = s / 2;
  return Union(Capsule(cx - h, cy + h * 0.05, cx - h * 0.25, cy + h * 0.72, stroke),
               Capsule(cx - h * 0.25, cy + h * 0.72, cx + h, cy - h * 0.7, stroke));
}

DistanceFn ArrowGlyph(double cx, double cy, double s, int direction) {
  // Pointing up: apex at the top, base below; turned for the others.
  const double h = s / 2, hb = h * 0.55;
  const DistanceFn up = Triangle(0, -hb, h, hb, -h, hb);
  return [up, direction, cx, cy](double x, double y) {
    const double dx = x - cx, dy = y - cy;
    double u = dx, v = dy;
    switch (direction & 3) {
      case 1: u = dy, v = -dx; break;
      case 2: u = -dx, v = -dy; break;
      case 3: u = -dy, v = dx; break;
      default: break;
    }
    return up(u, v) - 0.35;  // slightly rounded tips
  };
}

DistanceFn RidgesGlyph(double cx, double cy, double s, bool horizontalRidges) {
  const double h = s / 2, gap = s / 3;
  DistanceFn all;
  for (int i = -1; i <= 1; ++i) {
    const double o = i * gap;
    const DistanceFn ridge = horizontalRidges ? Capsule(cx - h, cy + o, cx + h, cy + o, 0.55)
                                              : Capsule(cx + o, cy - h, cx + o, cy + h, 0.55);
    all = all ? Union(all, ridge) : ridge;
  }
  return all;
}

void DrawGlyph(Raster& into, const DistanceFn& glyph, const Rgba& colour, double shadowDy, const Rgba& shadow,
               const Rgba& halo) {
  if (halo.a > 0) into.FillShape([glyph](double x, double y) { return glyph(x, y) - 1.0; }, halo);
  if (shadow.a > 0 && shadowDy != 0)
    into.FillShape([glyph, shadowDy](double x, double y) { return glyph(x, y - shadowDy); }, shadow);
  into.FillShape(glyph, colour);
}

}  // namespace skingen
