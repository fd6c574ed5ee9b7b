#pragma once
// The arithmetic of skinned menus that needs no window: which kind an item
// is from its caption, the word a caption band shows, item sizes from the
// measured text and glyph, and the size of a popup from its items and their
// column breaks. The window side (TsSkinableMenus) measures text and draws.

#include <string>
#include <string_view>
#include <vector>

namespace skin {

enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

// "-" is a divider, a caption starting and ending with "-" a caption band,
// anything else a normal item (top-level main-menu items are smTopLine,
// which the caller knows, not the caption).
TsMenuItemType MenuItemTypeOf(std::string_view caption);

// The text of a caption band: the first run of the caption between dashes
// ("-Tools-" shows "Tools").
std::string CaptionBandText(std::string_view caption);

// The caption without its accelerator marks.
std::string WithoutAmpersands(std::string_view text);

// A row's text height: the height of "W" by 1.25, rounded to the nearest
// whole pixel with ties to the even one.
int MenuTextHeight(int heightOfW);

struct TsMenuSizing {
  int margin = 3;
  int spacing = 6;
  int glyphWidth = 16;
  int glyphHeight = 16;
  // The extra line's width where it counts for this item (first column of a
  // popup showing it), else 0.
  int extraLine = 0;
};

// Height of a popup item from the height of "W" in the menu font.
int PopupItemHeight(TsMenuItemType type, int heightOfW, const TsMenuSizing& s);
// Width of a popup item from the width of its measured text.
int PopupItemWidth(TsMenuItemType type, int textWidth, const TsMenuSizing& s);

// One measured item of a popup, in order; breakBefore when it starts a new
// column.
struct TsMenuColumnItem {
  int width = 0;
  int height = 0;
  bool breakBefore = false;
};

struct TsMenuSize {
  int width = 0;
  int height = 0;
};

// The popup's size when its window cannot be asked: each column as wide as
// its widest item + 12, 4 pixels between columns, the tallest column's
// height, and the border on every side.
TsMenuSize PopupSizeOf(const std::vector<TsMenuColumnItem>& items, int borderWidth);

// Where each item lies in the popup's client area (left, top of the item),
// columns side by side as PopupSizeOf counts them.
struct TsMenuItemPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int column = 0;
};
std::vector<TsMenuItemPlace> PopupItemPlaces(const std::vector<TsMenuColumnItem>& items);

}  // namespace skin
