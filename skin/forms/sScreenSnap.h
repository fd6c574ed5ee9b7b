#pragma once
// Snapping a window to the edges of the work area while it is placed, and
// the size and place of a maximized skinned window. Portable arithmetic on
// rectangles.

#include "skin/data/sSkinTypes.h"

namespace skin {

struct TsSnapPlacement {
  int x = 0;
  int y = 0;
};

// The place of a window of width x height proposed at (x, y), snapped to
// the work area: the right and bottom edges first, then - only on a monitor
// whose left and top are 0 - the left and top edges, each when it lies
// closer than buffer pixels to the work area's edge (a later rule wins).
TsSnapPlacement SnapToWorkArea(int x, int y, int width, int height, const TRect& work, int buffer,
                               bool monitorAtOrigin);

// The maximized window: the work area with the frame hanging outside it on
// every side.
struct TsMaximizedPlacement {
  int left = 0, top = 0, width = 0, height = 0;
};
TsMaximizedPlacement MaximizedPlacement(const TRect& work, int frameWidth);

}  // namespace skin
