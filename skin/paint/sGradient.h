#pragma once
// Gradients of a section (GRADIENTDATA, HOTGRADIENTDATA, parsed by
// ParseGradientData). The first stop's mode chooses the kind:
//
// - 0 vertical: from row Top + offset, each stop paints a band of
//   Percent * (offset + height) div 100 rows (the last stop down to the
//   bottom); row y0 has Color1 and row y1 Color2, each channel stepping by
//   (Color2 - Color1) / (y1 - y0) per row and rounded, ties to even. The
//   next band starts on the previous band's last row. A band without height
//   paints nothing.
// - 1 horizontal: the same across columns, from Left, a band being
//   round(Percent * width / 100) columns wide.
// - 2 corner mesh: the corners and the centre take Color1 of stops 0 to 4
//   (a missing stop repeats the one before: top-left, centre, top-right,
//   bottom-right, bottom-left), and the four triangles between the centre
//   and the sides are shaded smoothly between their corners.
//
// The rectangle is first cut to the bitmap.

#include "sPaintTypes.h"
#include "skin/data/sGradArray.h"

namespace skin {

void PaintGradient(tk::Bitmap& target, const TRect& rect, const TsGradArray& stops, int offset = 0);

}  // namespace skin
