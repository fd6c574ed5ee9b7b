#pragma once
// TvxSystemMenu: the window menu of a skinned raw dialog, which takes the
// place of the platform's (the dialog loses its system-menu style while it
// is skinned): Restore, Move, Size, Minimize, Maximize, a line and Close,
// shown and enabled by the dialog's rules; a chosen item is the system
// command sent to the dialog.

#include "toolkit/win/Menus.h"

namespace skin {

class TvxDialogWnd;
class TsSkinManager;

class TvxSystemMenu : public tk::TPopupMenu {
  TK_CLASS(TvxSystemMenu)
public:
  explicit TvxSystemMenu(TvxDialogWnd& dialog);

  tk::TMenuItem* miRestore = nullptr;
  tk::TMenuItem* miMove = nullptr;
  tk::TMenuItem* miSize = nullptr;
  tk::TMenuItem* miMinimize = nullptr;
  tk::TMenuItem* miMaximize = nullptr;
  tk::TMenuItem* miClose = nullptr;

  // Visibility and enabling from the dialog's state; a failure leaves the
  // items as they were.
  void UpdateItems();

private:
  void Perform(WPARAM command);

  TvxDialogWnd& dialog_;
};

// The skinned menus draw the menu from the skin from now on.
void HookSystemMenuForSkinning(TvxSystemMenu& menu, TsSkinManager& manager);

}  // namespace skin
