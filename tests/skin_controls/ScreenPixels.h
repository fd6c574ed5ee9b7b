#pragma once
// What a control shows: its area of the screen read back into a bitmap, and
// comparisons of such pictures with a control's cache or with another
// control's picture.

#include <windows.h>

#include <string>

#include "toolkit/core/Bitmap.h"

namespace tk {
class TControl;
}

namespace ctlfix {

// The control's bounds as they are on the screen now (24-bit).
tk::Bitmap CaptureControl(const tk::TControl& control);
// A window's rectangle as it is on the screen now (24-bit).
tk::Bitmap CaptureWindow(HWND window);
// The colour of one pixel of a 24-bit bitmap, RGB with red in the low byte.
int PixelOf(const tk::Bitmap& bitmap, int x, int y);
// Pixels where the two pictures differ (different sizes: all of them).
int DifferingPixels(const tk::Bitmap& a, const tk::Bitmap& b);
// Pixels of the control's screen picture that differ from its cache,
// counting only those inside its window region (all when it has none).
int ScreenDiffersFromCache(const tk::TControl& control, const tk::Bitmap& cache);

}  // namespace ctlfix
