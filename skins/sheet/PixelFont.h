#pragma once
// A 5 × 7 pixel font (upper case, digits, a little punctuation) for the
// labels of the contact sheet; lower case is shown as upper case.

#include <string>

#include "Raster.h"

namespace skingen {

constexpr int kGlyphAdvance = 6;  // 5 pixels and one of spacing
constexpr int kGlyphHeight = 7;

// Draws `text` with its top-left corner at (x, y), each font pixel as a
// `scale` × `scale` block; returns the width drawn.
int DrawText(Raster& into, int x, int y, const std::string& text, const Rgba& colour, int scale = 1);
int TextWidth(const std::string& text, int scale = 1);

}  // namespace skingen
