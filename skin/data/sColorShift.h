#pragma once
// Hue rotation and saturation change of a loaded skin.
//
// Hue: the colour goes to HSV (V = max channel, S = (V - min) / V, H in
// degrees), H' = round(H + offset) mod 360, and back through the six-sector
// formula; greys keep their value. Saturation s: d = -(s rem 101) (the sign
// of s), and each channel c becomes round(c + d * (mean - c) / 100): positive
// values move channels away from the grey mean, -100 makes every colour grey.
// Channels are clamped to 0..255; rounding is to nearest, ties to even.

#include "sSkinTypes.h"
#include "toolkit/core/Bitmap.h"

namespace skin {

TColor ShiftHue(TColor color, int hueOffset);
TColor ShiftSaturation(TColor color, int saturation);
// The hue shift on every pixel of a 24- or 32-bit bitmap, then the
// saturation shift; each pass leaves out the pixels that are then of the
// transparent colour or grey (red = green = blue).
void ShiftBitmapColors(tk::Bitmap& bitmap, int hueOffset, int saturation);

}  // namespace skin
