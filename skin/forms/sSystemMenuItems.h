#pragma once
// The items every skinned window menu has, in their order: Restore, Move,
// Size, Minimize, Maximize, a line and Close (Alt+F4). Choosing one hands
// its system command to the menu's owner.

#include <windows.h>

#include <functional>

#include "toolkit/win/Menus.h"

namespace skin {

struct TsSystemMenuItems {
  tk::TMenuItem* restore = nullptr;
  tk::TMenuItem* move = nullptr;
  tk::TMenuItem* size = nullptr;
  tk::TMenuItem* minimize = nullptr;
  tk::TMenuItem* maximize = nullptr;
  tk::TMenuItem* close = nullptr;
};

// prefix names the items ("Item" gives ItemRestore...).
TsSystemMenuItems AddSystemMenuItems(tk::TPopupMenu& menu, const char* prefix,
                                     const std::function<void(WPARAM command)>& perform);

}  // namespace skin
