// The form's menus follow its skinned state: the skinned menus draw them
// while the form is skinned, the window system when it is not.

#include "sSkinProvider.h"
#include "sSkinableMenus.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"

namespace skin {

void TsSkinProvider::HookFormMenus(bool skinned) {
  if (!form_ || IsDesigning()) return;
  TsSkinManager* manager = skinData_->ActiveManager();
  if (!manager) manager = DefaultManager;
  if (!manager) return;
  TsSkinableMenus::Of(*manager).HookFormMenus(*form_, skinned);
}

}  // namespace skin
