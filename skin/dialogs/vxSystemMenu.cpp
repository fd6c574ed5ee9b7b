#include "vxSystemMenu.h"

#include "vxDialogRules.h"
#include "vxDialogWnd.h"
#include "skin/forms/sSkinableMenus.h"
#include "skin/forms/sSystemMenuItems.h"

namespace skin {

TvxSystemMenu::TvxSystemMenu(TvxDialogWnd& dialog) : TPopupMenu(nullptr), dialog_(dialog) {
  const TsSystemMenuItems items = AddSystemMenuItems(*this, "mi", [this](WPARAM command) { Perform(command); });
  miRestore = items.restore;
  miMove = items.move;
  miSize = items.size;
  miMinimize = items.minimize;
  miMaximize = items.maximize;
  miClose = items.close;
}

void TvxSystemMenu::Perform(WPARAM command) {
  const HWND h = dialog_.Handle();
  if (!IsWindow(h)) return;
  SendMessageW(h, WM_SYSCOMMAND, command, 0);
  if (command == SC_RESTORE || command == SC_MAXIMIZE) UpdateItems();
}

void TvxSystemMenu::UpdateItems() {
  try {
    const TvxSystemMenuState s = SystemMenuStateOf(dialog_.Facts());
    miRestore->SetVisible(s.restoreVisible);
    miRestore->SetEnabled(s.restoreEnabled);
    miMove->SetVisible(s.moveVisible);
    miMove->SetEnabled(s.moveEnabled);
    miSize->SetVisible(s.sizeVisible);
    miSize->SetEnabled(s.sizeEnabled);
    miMinimize->SetVisible(s.minimizeVisible);
    miMinimize->SetEnabled(s.minimizeEnabled);
    miMaximize->SetVisible(s.maximizeVisible);
    miMaximize->SetEnabled(s.maximizeEnabled);
    miClose->SetVisible(s.closeVisible);
    miClose->SetEnabled(s.closeEnabled);
  } catch (...) {
    // A menu that cannot be brought up to date keeps its items.
  }
}

void HookSystemMenuForSkinning(TvxSystemMenu& menu, TsSkinManager& manager) {
  TsSkinableMenus::Of(manager).HookPopup(menu, true);
}

}  // namespace skin
