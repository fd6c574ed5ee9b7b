#pragma once
// Textures: a picture (the mask's own bitmap or a large JPEG pattern) tiled
// over a rectangle, a rectangle of the master bitmap drawn by the mask's
// DrawMode, and textures with a transparency mask laid over what is there.
//
// DrawMode of a master-bitmap texture (w x h its size):
//   0 tiles over the rectangle            1 one copy stretched over it
//   2 one row of tiles along the top       3 one column of tiles down the left
//   4 one copy stretched along the top     5 one copy stretched down the left
//   6 one row of tiles along the bottom    7 one column of tiles down the right
//   10 tiles in complete rows only (the strip below the last complete row is
//      left alone)
// Modes 2 to 7 leave the rest of the rectangle for the colour; other values
// draw nothing and leave all of it.

#include "sPaintTypes.h"
#include "skin/data/sMaskData.h"

namespace skin {

// Draws the texture into rect (nothing outside it) and returns the part left
// uncovered, or kRectCovered. A non-empty bitmap is tiled whatever the mode;
// otherwise the mask's rectangle of the master bitmap is drawn by drawMode.
// Without a usable texture the whole rectangle is left.
TRect FillRectByTexture(tk::Bitmap& target, const TRect& rect, const tk::Bitmap* bitmap, int drawMode,
                        const TsMaskData* mask);

// A texture whose frame (R's width div ImageCount, R's height div 2) has its
// transparency mask below it, combined with what the rectangle holds.
// DrawMode 0: tiles in complete rows, the last column cut at the right edge.
// DrawMode 10: complete tiles only; the strips to the right and below take
// the parent's pixels when its cache is ready, else MaskBackgroundColor when
// set. Other modes draw nothing.
void TileMaskedTexture(tk::Bitmap& target, const TRect& rect, const CacheInfo& parent, int drawMode,
                       const TsMaskData& mask);

}  // namespace skin
