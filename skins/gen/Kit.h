#pragma once
// The generator's drawing vocabulary, shared by both skins: rounded frames
// whose rings are lit from the top left, and the glyph shapes of title-bar
// buttons, check boxes, arrows and grips.

#include <vector>

#include "MasterImage.h"
#include "Raster.h"
#include "Shapes.h"

namespace skingen {

// One ring of a frame: the band `width` pixels wide that starts `inset`
// pixels inside the outline. Its colour follows the outline's direction:
// `lit` where the outline faces up (and a little left), `shaded` where it
// faces down; sides get the mean. Straight edges are therefore uniform along
// their length, as nine-part frames need (edges are tiled).
struct Ring {
  double inset = 0;
  double width = 1;
  Rgba lit;
  Rgba shaded;
};

struct FrameStyle {
  double margin = 0;  // transparent space around the outline
  double radius = 0;  // outer corner radius
  std::vector<Ring> rings;
  Rgba fill;          // inside the outline, under the rings (may be clear)
  Rgba fillBottom;    // when not clear: fill runs from `fill` at the top to this
                      // at the bottom (only for images that are never tiled)
};

Raster PaintFrame(int width, int height, const FrameStyle& style);

// The outline shading term used by PaintFrame: 0 on top-facing edges, 1 on
// bottom-facing ones, for the shape's outline direction at (x, y).
double OutlineShade(const DistanceFn& shape, double x, double y);

// Checks that a nine-part frame can be tiled: every row of the left and right
// edge pieces alike, every column of the top and bottom pieces alike, and the
// centre one colour. Throws std::logic_error naming the image otherwise.
void CheckTileable(const Raster& frame, const Borders& b, const std::string& name);

// Glyph outlines centred on (cx, cy); `s` is the glyph's size in pixels.
DistanceFn CloseGlyph(double cx, double cy, double s, double stroke);
DistanceFn MaximizeGlyph(double cx, double cy, double s, double stroke);
DistanceFn MinimizeGlyph(double cx, double cy, double s, double stroke);
DistanceFn RestoreGlyph(double cx, double cy, double s, double stroke);
DistanceFn HelpGlyph(double cx, double cy, double s, double stroke);
DistanceFn CheckGlyph(double cx, double cy, double s, double stroke);
// A filled triangle pointing in `direction` (0 up, 1 right, 2 down, 3 left).
DistanceFn ArrowGlyph(double cx, double cy, double s, int direction);
// Three short ridges across (vertical = false: ridges stand upright).
DistanceFn RidgesGlyph(double cx, double cy, double s, bool horizontalRidges);

// Paints a glyph in `colour` over `into`, with an optional drop shadow
// (offset dy, colour) and a soft one-pixel halo for legibility on textures.
void DrawGlyph(Raster& into, const DistanceFn& glyph, const Rgba& colour, double shadowDy = 0,
               const Rgba& shadow = {}, const Rgba& halo = {});

}  // namespace skingen
