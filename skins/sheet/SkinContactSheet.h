#pragma once
// The contact sheet of a loaded skin, drawn by the skin engine: the
// converter's window as the skin paints it, then every image of the skin
// (each frame drawn as a glyph over a checkerboard that shows its
// transparency, textures and pictures as they tile), labelled with the keys
// that use it, then the master bitmap as stored.

#include <string>

#include "toolkit/core/Bitmap.h"

namespace skin {
class TsSkinTables;
}

namespace skinsheet {

tk::Bitmap RenderSkinContactSheet(const skin::TsSkinTables& skin, const std::string& title);

}  // namespace skinsheet
