#pragma once
// Procedural textures: brushed-metal gradients for button faces and title
// bars, and the helpers the large pictures are made of.

#include <cstdint>
#include <vector>

#include "Raster.h"
#include "Shapes.h"

namespace skingen {

// A vertical gradient with fine horizontal brush strokes of the given
// strength (0 = none) and a highlight line `sheenRow` rows from the top
// (negative: none). The strokes wrap horizontally, so the texture can be
// tiled or stretched sideways.
Raster BrushedGradient(int width, int height, const std::vector<Stop>& stops, double strokes, int sheenRow,
                       std::uint32_t seed);

}  // namespace skingen
