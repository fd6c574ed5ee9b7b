#pragma once
// A whole section: its background, its border mask (BORDERSMASK) as a
// nine-part frame, and, for a control, the corner images of the section
// (IMGTOPLEFT, IMGTOPRIGHT, IMGBTMLEFT, IMGBTMRIGHT). Nothing is painted
// for a missing target, an empty rectangle or one outside the target, or a
// section the skin does not hold. `position` is where the rectangle lies in
// the parent's client area, as for the section background.

#include <string_view>

#include "sPaintTypes.h"

namespace skin {

class TsSkinTables;
class TsSkinPaintData;

// Background and BORDERSMASK by explicit indexes; the mask's clear corner
// pixels show the parent cache.
void PaintSectionByIndex(int sectionIndex, std::string_view sectionName, const CacheInfo& parentCache,
                         int hotTextureIndex, int textureIndex, const TsSkinTables* manager, tk::Bitmap* target,
                         TPoint position, const TRect& rect, int state, bool fillCentre);

// For a control. While it paints, the background colour standing for the
// parent is the parent's colour when the parent has no ready cache (which
// is also put under the mask's clear pixels), or the parent's background
// colour when the cache is ready but the control's look does not depend on
// its place; both colours are back to clFuchsia afterwards. The border mask
// is skipped in the normal state of the section "MENUITEM".
void PaintSection(TsSkinPaintData& data, const CacheInfo& parentCache, bool fillCentre, bool parentCorners,
                  tk::Bitmap* target, TPoint position, const TRect& rect, int state);

}  // namespace skin
