#pragma once
// The primitives that need the window system: solid fills of a device
// context (system colours resolved), and the border mask drawn over a
// control's whole cache while the clear pixels of its corners are cut from
// the window region that will give the control its shape.

#include <windows.h>

#include "sPaintTypes.h"
#include "skin/data/sMaskData.h"

namespace skin {

void FillRectColor(HDC dc, const RECT& r, TColor color);

// The border without its centre over the whole bitmap; every run of clear
// pixels in a row of a corner piece is removed from region (when given) as
// a rectangle one pixel high.
void DrawBorderMaskCutRegion(tk::Bitmap& target, HRGN region, int state, const TsMaskData& mask);

}  // namespace skin
