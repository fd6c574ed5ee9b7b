#pragma once
// Process-wide state of the skin engine that the manager and the skinned
// parts share. Everything lives on the user-interface thread; nothing here
// is locked.
//
// The manager lives in the lowest layer (skin data), so the state it must
// reach but other layers own - the forms a skin provider took over, the form
// transition's overlay window, what the skinned menus and the dialog skinning
// do - is kept here, and those layers fill it in.

#include <windows.h>

#include <functional>
#include <vector>

#include "toolkit/core/CallbackSlot.h"

namespace tk {
class TCustomForm;
struct TMessage;
}  // namespace tk

namespace skin {

class TsSkinManager;

// The first skin manager created (or the one made default later), or none.
extern TsSkinManager* DefaultManager;
// True while a skin is being loaded or reloaded: fades and animations wait.
extern bool SkinLoading;
// True while a manager removes its skin from the windows.
extern bool SkinRemoving;
// Forms whose window procedure a skin provider took over; the manager's
// broadcasts reach them as well.
extern std::vector<tk::TCustomForm*> HookedForms;
// The form transition's overlay window, while one exists.
extern HWND TransitionOverlay;

// Events of push buttons that animate (mouse enter, leave, down, up).
enum TvxBtnEvent : unsigned { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };
using TvxBtnEvents = unsigned;
// The set every button with the global default uses; the default manager's
// AnimEffects.Buttons.Events writes it.
extern TvxBtnEvents DefaultButtonEvents;

// Work of later layers that the manager starts. Each slot is optional: an
// empty one means that layer is not in the program. A layer fills a slot by
// keeping the registration Register returns (CallbackSlot.h) for as long as
// it serves; a test may register a stand-in for its own length, which hides
// the layer's without removing it.
struct TsSkinEngineHooks {
  // The skin manager of the skin provider of a form, or none when the form
  // is not skinned.
  tk::TCallbackSlot<TsSkinManager*(tk::TCustomForm*)> FormSkinManager;
  // Lets a form's skin provider refresh after a skin change.
  tk::TCallbackSlot<void(tk::TCustomForm*)> RefreshProvider;
  // Plays the skin-changing animation of a form (time in milliseconds).
  tk::TCallbackSlot<void(tk::TCustomForm*, int time)> PlaySkinChangingAnimation;
  // The skinned menus: forget the cached border width; paint the popup
  // menu window that SM_MENU_PREPARE_AT_ITEM or SM_MENU_PREPARE_WINDOW
  // names; take over the popup menus again.
  tk::TCallbackSlot<void()> ResetMenuBorderWidth;
  tk::TCallbackSlot<void(tk::TMessage&)> PaintPopupMenu;
  tk::TCallbackSlot<void()> TakeOverPopupMenus;
  // The dialog skinning: the computer-based-training hook's work (true when
  // the call was handled and result set), and freeing the wrappers it made.
  tk::TCallbackSlot<bool(int code, WPARAM, LPARAM, LRESULT& result)> DialogHook;
  tk::TCallbackSlot<void()> FreeDialogWrappers;
};
TsSkinEngineHooks& SkinEngineHooks();

}  // namespace skin
