#pragma once
// The reference pictures of skinned popup menus: the gallery's menus drawn
// whole into a bitmap by the skinned menus (background, frame, extra line,
// icon line and every item, one of them selected), in both internal skins.
// The item texts and the extra line's caption are the window system's
// drawing; everything else is the skin engine's own.

#include <string>
#include <vector>

#include "FrameGoldenCases.h"
#include "skin/data/sSkinTypes.h"
#include "toolkit/core/Bitmap.h"

namespace formfix {

struct MenuGoldenCase {
  std::string name;
  int menu;            // 0..2: the main menu's File, View, Zones; 3: the context menu
  bool extraLine;      // MenuSupport.UseExtraLine
  int selected;        // the visible item drawn selected, -1 none
};
const std::vector<MenuGoldenCase>& MenuGoldenCases();

struct MenuPicture {
  tk::Bitmap picture;
  std::vector<skin::TRect> textBands;  // where the window system's text lies
};
// Builds the skinned form with the gallery's menus in the skin and paints
// the case's popup.
MenuPicture PaintMenuCase(SkinnedFrame& frame, const MenuGoldenCase& c, const GoldenSkin& skin);

std::string MenuGoldenPath(const GoldenSkin& skin, const std::string& name);
std::string MenuActualPath(const GoldenSkin& skin, const std::string& name);

}  // namespace formfix
