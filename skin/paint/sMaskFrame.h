#pragma once
// Where the pixels of one state frame of a mask are: the mask's own bitmap
// or the skin's master bitmap, the frame's rectangle in it, and how far
// below the image its transparency mask lies. Also the border widths of the
// nine-part split, shrunk to fit a rectangle.
//
// Masks come from skin files and may be inconsistent (no frames, negative
// or huge sizes, rectangles outside the master bitmap); such a mask has no
// frame and paints nothing.

#include "sPixels.h"
#include "skin/data/sMaskData.h"

namespace skin {

struct TsMaskFrame {
  TsPixels source;
  TRect rect;        // the frame's image in source
  int maskRows = 0;  // distance to the frame's mask; 0 without a mask half
  int Width() const { return rect.Width(); }
  int Height() const { return rect.Height(); }
};

// Frame min(state, ImageCount - 1) of the mask: ImageCount frames side by
// side in R (a count below 1 counts as 1), each R's height div
// (MaskType + 1) high, masks below their images when MaskType > 0.
// False when the mask has no manager, no source bitmap or an empty frame.
bool MaskFrame(const TsMaskData& mask, int state, TsMaskFrame& frame);
// The same with R split into `columns` frames and its height into `rows`
// parts (1: no mask half), the mask lying one part below the image.
bool MaskFrameOf(const TsMaskData& mask, int state, int columns, long long rows, TsMaskFrame& frame);

struct TsBorderWidths {
  int left = 0, top = 0, right = 0, bottom = 0;
};
// The mask's border widths; when left + right exceed width, both shrink by
// half the excess (right by one more for an odd width), and likewise top
// and bottom for height; none below 0.
TsBorderWidths BorderWidthsFor(const TsMaskData& mask, int width, int height);

}  // namespace skin
