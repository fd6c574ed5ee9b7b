#pragma once
// Glyph masks: one state frame of a mask (check marks, radio buttons,
// title-bar buttons, arrows, corner images) copied to a point of a target.
// Frame min(state, ImageCount - 1) is shown; clFuchsia pixels are
// transparent. Mode 1 draws the glyph as it is; any other mode draws it
// dimmed: through its mask raised by 100 (about 40 % transparent), or half
// and half with the target for a mask without mask half.

#include "sPaintTypes.h"
#include "skin/data/sMaskData.h"

namespace skin {

void DrawMaskGlyph(tk::Bitmap& target, TPoint point, int state, const TsMaskData& mask, int mode);

}  // namespace skin
