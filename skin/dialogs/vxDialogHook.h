#pragma once
// The dialog skinning: while the default manager has a skin applied, its
// computer-based-training hook brings here every window created, activated
// or focused on the user-interface thread. Activated toolkit forms without a
// skin provider and the platform's dialogs (message boxes, common dialogs)
// are adopted by a TvxProvider; popup-menu windows are met at creation.
// Removing the skin frees every provider, which gives each adopted window
// its procedure back.
//
// UseDialogSkinning() connects this layer to the manager's hook; a program
// calls it once at start (the layer is not linked in otherwise).

#include <windows.h>

#include <memory>
#include <vector>

namespace skin {

class TvxProvider;
class TvxMnuWnd;

void UseDialogSkinning();

// The providers made so far; a slot is empty (none) once its provider gave
// up or was freed.
std::vector<TvxProvider*>& DialogProviders();
// The provider adopting a window, or none.
TvxProvider* DialogProviderOf(HWND window);
// Empties the slot of a provider (it is going away).
void ForgetDialogProvider(TvxProvider* provider);

// The hook's work on a created and on an activated window, and on a window
// taking the focus (which activates the MDI child holding it).
void DialogWindowCreated(HWND window);
void DialogWindowActivated(HWND window);
void DialogWindowFocused(HWND window);
// Frees every provider (the skin is going away).
void FreeDialogProviders();

// The wrappers of the popup-menu windows ("#32768") met at creation.
std::vector<std::unique_ptr<TvxMnuWnd>>& MenuWindows();

}  // namespace skin
