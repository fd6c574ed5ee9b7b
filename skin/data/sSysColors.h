#pragma once
// System colours as the skin tables need them: a negative colour names a
// system colour (its low byte is the index), which becomes the colour the
// platform reports now.

#include "sSkinTypes.h"

namespace skin {

// Indexes of the system colours the tables ask for.
constexpr int COLOR_WINDOW_INDEX = 5;
constexpr int COLOR_BTNFACE_INDEX = 15;
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }

// The platform's current colour of system colour index (0x00BBGGRR).
TColor GetSystemColor(int index);

inline TColor ColorToRGB(TColor color) { return color < 0 ? GetSystemColor(color & 0xFF) : color; }

}  // namespace skin
