#pragma once
// The shape of a skinned window: the clear (clFuchsia) pixels in the corner
// areas of its frame's border masks, placed at the window's corners, become
// one-pixel-high rectangles that the window region leaves out. Portable:
// the rectangles are computed from the skin's images alone; the window side
// turns them into a region.

#include <vector>

#include "skin/data/sMaskData.h"

namespace skin {

class TsSkinTables;

// The cut-outs of one mask's corners. The corner areas lie in the mask's
// first frame and use its own WL, WT, WR and WB (a mask whose fields are 0
// cuts nothing). Top corners are placed from row topBase, bottom corners
// from row bottomBase; the left corners at the window's left edge, the
// right ones so that the frame's right edge meets the window's.
std::vector<TRect> MaskCornerCuts(const TsMaskData& mask, int windowWidth, bool topCorners, int topBase,
                                  bool bottomCorners, int bottomBase);

// Everything a skinned form's region loses: the form section's border mask
// (top corners at the top, bottom corners at the bottom of the form), then
// the title section's border mask (top corners only). An index of -1 is
// left out.
std::vector<TRect> FrameRegionCuts(const TsSkinTables& skin, int formMask, int titleMask, int windowWidth,
                                   int formHeight);

}  // namespace skin
