#pragma once
// Border masks drawn as nine-part frames: four corners copied once, four
// edges repeated (or stretched) along the sides, and optionally the centre.
// The frame of the state is min(state, ImageCount - 1); border widths come
// from the mask and shrink to fit a small rectangle.
//
// A mask with a transparency mask below its frames (MaskType > 0) is
// combined with the target through it; clFuchsia pixels of its corners show
// the parent's cache (when ready), else MaskBackgroundColor (when set), else
// clFuchsia itself, which the corner fill or the window region removes
// later. A mask without one copies its corners with clFuchsia transparent
// and its edges opaque, stretched when its DrawMode is not 0.

#include <vector>

#include "sPaintTypes.h"
#include "skin/data/sMaskData.h"

namespace skin {

// parentCache: the parent's cache as seen from the target's pixels (its
// offset already moved to where the target lies). parentCorners lets the
// transparent corner pixels of a mask without mask half show that cache.
// Nothing is drawn into a rectangle less than 2 pixels wide or high.
void DrawBorderMask(tk::Bitmap& target, const TRect& rect, bool fillCentre, bool parentCorners, int state,
                    const TsMaskData& mask, const CacheInfo& parentCache);

// The border over the whole bitmap without its centre (no parent cache).
// Returns the transparent pixels of the four corner pieces, row by row, as
// rectangles one pixel high: what a window region must lose.
std::vector<TRect> DrawBorderMaskCorners(tk::Bitmap& target, int state, const TsMaskData& mask);

}  // namespace skin
