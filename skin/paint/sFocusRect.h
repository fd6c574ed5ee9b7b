#pragma once
// The skinned focus rectangle: dots every third pixel along the four sides
// of r (its right and bottom edges included), black, each with a white dot
// one pixel up and to the left of it.

#include "sPaintTypes.h"

namespace skin {

void DrawSkinFocusRect(tk::Bitmap& target, const TRect& r);

}  // namespace skin
