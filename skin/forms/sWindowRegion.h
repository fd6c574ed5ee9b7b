#pragma once
// Gives a window the region of its rectangle (0, 0, width, height) without
// the given cut-out rectangles; the window owns the region afterwards.

#include <windows.h>

#include <vector>

#include "skin/data/sSkinTypes.h"

namespace skin {

enum class TRegionChange {
  Failed,     // the window system refused the region
  Applied,    // the window has the new region (and redraws, if asked to)
  Unchanged,  // the window had that very region already: nothing was done
};

TRegionChange SetWindowRegionWithout(HWND window, int width, int height, const std::vector<TRect>& cuts, bool redraw);

}  // namespace skin
