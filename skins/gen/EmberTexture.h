#pragma once
#include "toolkit/core/Bitmap.h"

namespace skingen {
// The EmberStyle form texture "fBG.jpg" before JPEG encoding.
tk::Bitmap PaintEmberMetal();
}  // namespace skingen
