#pragma once
// A skin section painted straight onto a device context (a windowless
// control's canvas): background and border of the section, over the
// parent's cache when it is ready, through a bitmap of the rectangle's size.

#include <windows.h>

#include <string_view>

#include "skin/paint/sPaintTypes.h"

namespace skin {

class TsSkinManager;

// Nothing without a manager (none given: the default one), for a section
// index the manager does not hold, a rectangle starting left of or above
// the context's origin, or an empty one. The context's state is restored.
void PaintSectionToDC(int sectionIndex, std::string_view sectionName, const CacheInfo& parentCache,
                      TsSkinManager* manager, HDC dc, TPoint position, const RECT& rect, int state, bool fillCentre);

}  // namespace skin
