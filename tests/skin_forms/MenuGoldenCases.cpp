#include "MenuGoldenCases.h"

#include "GalleryMenus.h"
#include "skin/forms/sMenuMetrics.h"
#include "skin/forms/sSkinableMenus.h"
#include "toolkit/win/Menus.h"

namespace formfix {

const std::vector<MenuGoldenCase>& MenuGoldenCases() {
  static const std::vector<MenuGoldenCase> cases{
      {"menu-file-extra-line", 0, true, 1},
      {"menu-view", 1, false, 3},
      {"menu-zones-columns", 2, true, 15},
      {"menu-context", 3, false, 4},
  };
  return cases;
}

MenuPicture PaintMenuCase(SkinnedFrame& frame, const MenuGoldenCase& c, const GoldenSkin& skin) {
  FrameSetup setup;
  setup.skin = skin.skinName;
  frame.Build(setup);
  gallery::TGalleryMenus menus(*frame.form, 10, 10);
  frame.manager->MenuSupport().UseExtraLine = c.extraLine;
  skin::TsSkinableMenus& painter = skin::TsSkinableMenus::Of(*frame.manager);
  tk::TMenuItem& parent = c.menu < 3 ? *menus.MainMenu().Items()->Items(c.menu) : *menus.ContextMenu().Items();
  MenuPicture result;
  const std::vector<skin::TRect> items = painter.PaintPopupTo(parent, result.picture, c.selected);
  // Text: right of the glyph column of each item (all of a caption band);
  // with the extra line, its upright caption too.
  int extra = 0;
  for (int i = 0, visible = 0; i < parent.Count(); ++i) {
    tk::TMenuItem& item = *parent.Items(i);
    if (!item.Visible()) continue;
    const skin::TRect& r = items[static_cast<std::size_t>(visible++)];
    const int line = painter.ExtraLineWidthFor(item);
    extra = std::max(extra, line);
    const skin::TsMenuItemType type = skin::MenuItemTypeOf(item.Caption());
    if (type == skin::smDivider) continue;
    const int glyphColumn = type == skin::smCaption ? 0 : line + 16 + painter.Margin;
    result.textBands.push_back({r.Left + glyphColumn, r.Top, r.Right, r.Bottom});
  }
  if (extra > 0) {
    const int border = painter.SkinBorderWidth();
    result.textBands.push_back({border, border, border + extra, result.picture.Height() - border});
  }
  frame.Free();
  return result;
}

std::string MenuGoldenPath(const GoldenSkin& skin, const std::string& name) {
  return std::string(GK_MENUS_GOLDEN_DIR) + "/" + skin.folder + "/" + name + ".png";
}

std::string MenuActualPath(const GoldenSkin& skin, const std::string& name) {
  return std::string(GK_MENUS_ACTUAL_DIR) + "/" + skin.folder + "/" + name + ".png";
}

}  // namespace formfix
