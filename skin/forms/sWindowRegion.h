#pragma once
// Gives a window the region of its rectangle (0, 0, width, height) without
// the given cut-out rectangles; the window owns the region afterwards.

#include <windows.h>

#include <vector>

#include "skin/data/sSkinTypes.h"

namespace skin {

bool SetWindowRegionWithout(HWND window, int width, int height, const std::vector<TRect>& cuts, bool redraw);

}  // namespace skin
