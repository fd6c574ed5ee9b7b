#pragma once
// The background of a skin section in one state: colour, texture or JPEG
// pattern, gradient, and transparency over the parent's cached image.
//
// State 0 is the normal look; any other state uses the section's Hot...
// values. Layers, in order: the texture (tiled or drawn by its DrawMode,
// the part it leaves filled with the colour), the gradient (blended over the
// texture so that the texture keeps IMAGEPERCENT), then the colour: alone
// when IMAGEPERCENT + GRADIENTPERCENT is 0, blended in so that the layers
// keep that percentage when it lies between 1 and 99. With a ready parent
// cache, TRANSPARENCY percent of the parent shows through (100: the parent
// alone). A section whose texture cannot be found paints as if its
// IMAGEPERCENT were 0.
//
// `position` is where the rectangle's top-left corner lies in the parent's
// client area: the parent pixel under target pixel (x, y) is the cache's
// pixel (offsetX + position.X + x - rect.Left, offsetY + position.Y + y - rect.Top).

#include <string_view>

#include "sPaintTypes.h"

namespace skin {

class TsSkinTables;
class TsSkinPaintData;

// By explicit indexes: a section index of -1 is looked up by name, a texture
// index of -1 through the section's PATTERN or HOTPATTERN key. customColor
// (clFuchsia: none) replaces the section's colour. Without manager the
// default one is used; nothing is painted without one or for a section it
// does not hold.
void PaintSectionBackgroundByIndex(int sectionIndex, std::string_view sectionName, const CacheInfo& parentCache,
                                   TColor customColor, int hotTextureIndex, int textureIndex,
                                   const TsSkinTables* manager, tk::Bitmap& target, TPoint position, const TRect& rect,
                                   int state);

// For a control: its section, texture indexes, manager and custom colour.
void PaintSectionBackground(const TsSkinPaintData& data, const CacheInfo& parentCache, int state, tk::Bitmap& target,
                            TPoint position, const TRect& rect);

}  // namespace skin
