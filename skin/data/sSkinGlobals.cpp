#include "sSkinGlobals.h"

namespace skin {

TsSkinManager* DefaultManager = nullptr;
bool SkinLoading = false;
bool SkinRemoving = false;
std::vector<tk::TCustomForm*> HookedForms;
HWND TransitionOverlay = nullptr;
TvxBtnEvents DefaultButtonEvents = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;

TsSkinEngineHooks& SkinEngineHooks() {
  static TsSkinEngineHooks hooks;
  return hooks;
}

}  // namespace skin
