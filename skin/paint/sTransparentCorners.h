#pragma once
// The corners of a control's border mask redrawn into its cache over the
// parent's background, so that the mask's clear corner pixels show what
// lies behind the control: its parent's cache, or the colour standing for
// it when the parent has no cache or a plain background.

#include "sPaintTypes.h"

namespace skin {

class TsSkinPaintData;

// Corner selection of RepaintCorners.
enum : int { kCornerTopLeft = 1, kCornerBottomLeft = 2, kCornerTopRight = 4, kCornerBottomRight = 8 };

void FillTransparentCorners(TsSkinPaintData& data, int state);
void RepaintCorners(TsSkinPaintData& data, int state, int corners);

}  // namespace skin
