// Measuring popup items and what the extra line beside them shows.

#include <algorithm>

#include "sMenuPopupState.h"
#include "sSkinableMenus.h"
#include "skin/data/sSkinManager.h"

namespace skin {

namespace {

constexpr const char* kDefaultExtraLineCaption = "Don`t forget OnGetExtraLineData event...";

// The popup whose first item this is becomes the one the state is about.
void KeyPopupState(tk::TMenuItem& first) {
  TsMenuPopupState& s = MenuPopupState();
  if (s.firstItem == &first) return;
  TsSkinableMenus::ResetPopupState();
  s.firstItem = &first;
}

bool StandsInFirstColumn(tk::TMenuItem& item) {
  for (tk::TMenuItem* sibling : VisibleSiblings(item)) {
    if (sibling->Break() != tk::mbNone) return false;
    if (sibling == &item) return true;
  }
  return true;
}

std::string MeasuredText(tk::TMenuItem& item, TsMenuItemType type) {
  switch (type) {
    case smDivider: return {};
    case smCaption: return "-" + item.Caption() + "-";
    default:
      return item.ShortCut() != 0 ? item.Caption() + tk::ShortCutToText(item.ShortCut()) : item.Caption();
  }
}

}  // namespace

TsSkinableMenus::ExtraLine TsSkinableMenus::ExtraLineFor(tk::TMenuItem& firstItem) {
  TsMenuPopupState& s = MenuPopupState();
  KeyPopupState(firstItem);
  if (s.extraLineAsked || s.askingExtraLine) return s.extraLine;
  ExtraLine line;
  if (IsSkinListItem(firstItem)) {
    s.extraLine = line;
    s.extraLineAsked = true;
    return line;
  }
  line.section = "EXTRALINE";
  line.caption = kDefaultExtraLineCaption;
  line.visible = true;
  if (manager_ && manager_->OnGetMenuExtraLineData) {
    tk::Bitmap* glyph = nullptr;
    s.askingExtraLine = true;
    try {
      manager_->OnGetMenuExtraLineData(&firstItem, line.section, line.caption, glyph, line.visible);
    } catch (...) {
      s.askingExtraLine = false;
      throw;
    }
    s.askingExtraLine = false;
    if (glyph) line.glyph = *glyph;
  }
  line.caption = WithoutAmpersands(line.caption);
  if (!line.visible) line.glyph = tk::Bitmap();
  // The handler may have shown a menu of its own meanwhile.
  KeyPopupState(firstItem);
  s.extraLine = line;
  s.extraLineAsked = true;
  return line;
}

int TsSkinableMenus::ExtraLineWidthFor(tk::TMenuItem& item) {
  if (!manager_ || !manager_->MenuSupport().UseExtraLine) return 0;
  tk::TMenuItem& first = *FirstVisibleSibling(item);
  if (IsSkinListItem(first)) return 0;
  const ExtraLine line = ExtraLineFor(first);
  if (!line.visible || !StandsInFirstColumn(item)) return 0;
  return manager_->MenuSupport().ExtraLineWidth;
}

void TsSkinableMenus::MeasureItem(tk::TMenuItem& item, tk::TCanvas& canvas, int& width, int& height) {
  SetPopupActive(true);
  KeyPopupState(*FirstVisibleSibling(item));
  SelectMenuFont(canvas, item, item.Default());
  const TsMenuItemType type = MenuItemTypeOf(item.Caption());
  MenuPopupState().lastMeasured = type;
  const Glyph glyph = GlyphSizeOf(item, false);
  TsMenuSizing sizing{Margin, Spacing, glyph.width, glyph.height, 0};
  sizing.extraLine = ExtraLineWidthFor(item);
  // Through the canvas, which puts the menu font into the context first:
  // the window system measures on a screen context holding its own font.
  const std::string text = MeasuredText(item, type);
  RECT r{0, 0, 0, 0};
  if (!text.empty()) canvas.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
  height = PopupItemHeight(type, canvas.TextHeight("W"), sizing);
  width = PopupItemWidth(type, r.right - r.left, sizing);
}

TsMenuSize TsSkinableMenus::ComputedPopupSize(tk::TMenuItem& firstItem) {
  std::vector<TsMenuColumnItem> items;
  tk::Bitmap scratch(1, 1);
  tk::TBitmapCanvas canvas(scratch);
  for (tk::TMenuItem* item : VisibleSiblings(firstItem)) {
    TsMenuColumnItem measured;
    MeasureItem(*item, canvas, measured.width, measured.height);
    measured.breakBefore = item->Break() != tk::mbNone && !items.empty();
    items.push_back(measured);
  }
  return PopupSizeOf(items, BorderWidth);
}

}  // namespace skin
