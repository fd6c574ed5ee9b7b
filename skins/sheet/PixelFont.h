#pragma once
// A 5 x 7 pixel font (upper case, digits, a little punctuation) for the
// labels of contact sheets; lower case is shown as upper case.

#include <cstdint>
#include <string>

#include "toolkit/core/Bitmap.h"

namespace skinsheet {

constexpr int kGlyphAdvance = 6;  // 5 pixels and one of spacing
constexpr int kGlyphHeight = 7;

// Draws `text` in a solid colour (red in the low byte) with its top-left
// corner at (x, y), each font pixel as a `scale` x `scale` block, cut to the
// bitmap; returns the width drawn.
int DrawText(tk::Bitmap& into, int x, int y, const std::string& text, std::int32_t color, int scale = 1);
int TextWidth(const std::string& text, int scale = 1);

}  // namespace skinsheet
