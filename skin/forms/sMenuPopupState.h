#pragma once
// What the skinned menus keep about the popup being drawn. The window
// system shows one popup chain at a time and draws one popup's items at a
// time, so this is one process-wide record, keyed by the popup's first
// item: it starts again when a popup with another first item is measured or
// drawn, and when a popup window goes.

#include <windows.h>

#include "sMenuMetrics.h"
#include "sSkinableMenus.h"
#include "toolkit/core/Bitmap.h"

namespace skin {

struct TsMenuPopupState {
  tk::TMenuItem* firstItem = nullptr;
  tk::Bitmap background;  // the popup's whole window, frame included
  TsSkinableMenus::ExtraLine extraLine;
  bool extraLineAsked = false;
  bool askingExtraLine = false;  // the application's handler is running
  TsMenuItemType lastMeasured = smNormal;
  int glyphWidth = 16;
  int icoLineWidth = 0;  // Margin + glyph width + Spacing
  HWND window = nullptr;
  POINT clientOffset{0, 0};  // the client area's origin in the background
};

TsMenuPopupState& MenuPopupState();

// The first visible item among the item's siblings (the popup's key).
tk::TMenuItem* FirstVisibleSibling(tk::TMenuItem& item);
// The visible items of the item's popup, in order.
std::vector<tk::TMenuItem*> VisibleSiblings(tk::TMenuItem& item);
// True for the items of the system menu's skin list, which never shows an
// extra line.
bool IsSkinListItem(tk::TMenuItem& item);

// Copies srcRect of a bitmap to (x, y) of a device context.
void BlitBitmap(HDC dc, int x, int y, const tk::Bitmap& source, const TRect& srcRect);

}  // namespace skin
