#include "sSkinManager.h"

#include <versionhelpers.h>

#include <algorithm>

#include "sSkinCommand.h"
#include "toolkit/core/StartupMarks.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Screen.h"

namespace skin {

namespace {

constexpr const char* kDefaultSkinDirectory = "c:\\Skins";

bool IsNtFamily() { return (GetVersion() & 0x80000000u) == 0; }

// Clears SkinLoading on every way out of a load.
class LoadingScope {
public:
  LoadingScope() { SkinLoading = true; }
  ~LoadingScope() { SkinLoading = false; }
  LoadingScope(const LoadingScope&) = delete;
  LoadingScope& operator=(const LoadingScope&) = delete;
};

}  // namespace

void TvxBtnEffects::SetEvents(TvxBtnEvents events) {
  if (manager_ && manager_ == DefaultManager) DefaultButtonEvents = events;
}

TsSkinManager::TsSkinManager(tk::TComponent* owner)
    : TComponent(owner), animEffects_(this), menuSupport_(this) {
  if (!DefaultManager) BecomeDefault();
}

TsSkinManager::~TsSkinManager() {
  // BeforeDestruction did the work when the manager was freed properly.
  if (DefaultManager == this) DefaultManager = nullptr;
  UnhookApplication();
  RemoveDialogHook();
}

void TsSkinManager::AfterConstruction() {
  TComponent::AfterConstruction();
  if (SkinDirectory().empty()) SetSkinDirectory(kDefaultSkinDirectory);
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (SkinDirectory().empty()) SetSkinDirectory(kDefaultSkinDirectory);
  if (menuSupport_.IcoLineSkin.empty()) menuSupport_.IcoLineSkin = "ICOLINE";
  if (active_ && !SkinName().empty()) SendNewSkin();
}

void TsSkinManager::BeforeDestruction() {
  if (IsDestroying()) return;
  // Controls that hear the skin go while this flag is set forget this manager.
  SetComponentState(tk::csDestroying, true);
  try {
    SetActive(false);
  } catch (...) {
    // Going away regardless.
  }
  RemoveDialogHook();
  UnhookApplication();
  if (DefaultManager == this) DefaultManager = nullptr;
  hovered_ = nullptr;
  TComponent::BeforeDestruction();
}

void TsSkinManager::BecomeDefault() {
  if (DefaultManager && DefaultManager != this) {
    DefaultManager->UnhookApplication();
    DefaultManager->RemoveDialogHook();
  }
  DefaultManager = this;
  if (IsNtFamily() && !IsDesigning()) HookApplication();
}

void TsSkinManager::HookApplication() {
  if (applicationHook_ != 0) return;
  applicationHook_ = tk::Application().HookMainWindow([](tk::TMessage& m) {
    if (m.Msg == WM_THEMECHANGED) {  // the skin decides the look, not the theme
      m.Result = 0;
      return true;
    }
    if ((m.Msg == tk::SM_MENU_PREPARE_AT_ITEM || m.Msg == tk::SM_MENU_PREPARE_WINDOW) && SkinEngineHooks().PaintPopupMenu) {
      SkinEngineHooks().PaintPopupMenu(m);
      return true;
    }
    return false;
  });
}

void TsSkinManager::UnhookApplication() {
  if (applicationHook_ == 0) return;
  tk::Application().UnhookMainWindow(applicationHook_);
  applicationHook_ = 0;
}

LRESULT CALLBACK TsSkinManager::DialogHookProc(int code, WPARAM wParam, LPARAM lParam) {
  // The hooks after this one see the window first: whatever they answer is
  // the answer, and the dialog skinning only looks at the window afterwards.
  const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
  if (code >= 0 && SkinEngineHooks().DialogHook) {
    LRESULT ignored = 0;
    try {
      SkinEngineHooks().DialogHook(code, wParam, lParam, ignored);
    } catch (...) {
      // An exception must not cross the system's hook chain.
    }
  }
  return next;
}

void TsSkinManager::InstallDialogHook() {
  if (dialogHook_ || IsDesigning()) return;
  dialogHook_ = SetWindowsHookExW(WH_CBT, DialogHookProc, nullptr, GetCurrentThreadId());
}

void TsSkinManager::RemoveDialogHook() {
  if (!dialogHook_) return;
  UnhookWindowsHookEx(dialogHook_);
  dialogHook_ = nullptr;
  if (SkinEngineHooks().FreeDialogWrappers) SkinEngineHooks().FreeDialogWrappers();
}

void TsSkinManager::SetIsDefault(bool value) {
  if (!value && DefaultManager) return;
  if (DefaultManager != this) BecomeDefault();
  if (!active_) SendRemoveSkin();
  else SendNewSkin();
}

bool TsSkinManager::LoadCurrentSkin() { return core_.LoadSkin() == TsSkinLoadResult::Loaded; }

void TsSkinManager::SetSkinName(std::string_view name) {
  core_.SkinName = name;
  if (!active_) return;
  if (OnBeforeChange) OnBeforeChange(this);
  {
    LoadingScope loading;
    SkinData().Active = false;
    bool found = false;
    tk::StartupMark("skin load begins");
    try {
      found = LoadCurrentSkin();
    } catch (...) {
      // The tables are empty now: the windows must not keep indexes into them.
      SendRemoveSkin();
      throw;
    }
    if (!found) {
      active_ = false;
      SendRemoveSkin();
    } else if (!IsLoading()) {
      // While the stored layout is read the skin is only loaded: the windows
      // hear of it once, when the whole layout is there (Loaded).
      SendNewSkin();
    }
  }
  if (OnAfterChange) OnAfterChange(this);
}

void TsSkinManager::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (value) {
    SetSkinName(std::string(SkinName()));
  } else {
    if (!IsLoading()) SendRemoveSkin();
    Tables().UpdateConstData();
  }
}

void TsSkinManager::SetCommonSections(const tk::StringList& lines) {
  core_.SetCommonSections(lines);
  // Without a skin name there is no current skin to reload.
  if (!SkinName().empty()) SetSkinName(std::string(SkinName()));
}

void TsSkinManager::SetHueOffset(int value) {
  if (value == core_.HueOffset) return;
  core_.HueOffset = value;
  ReloadWithColourShift();
}

void TsSkinManager::SetSaturation(int value) {
  if (value == core_.Saturation) return;
  core_.Saturation = value;
  ReloadWithColourShift();
}

void TsSkinManager::ReloadWithColourShift() {
  // Without an applied skin the value waits for the next load.
  if (!SkinData().Active) return;
  bool found;
  {
    LoadingScope loading;
    try {
      found = LoadCurrentSkin();
    } catch (...) {
      SkinData().Active = false;
      SendRemoveSkin();
      throw;
    }
  }
  if (!found) {
    active_ = false;
    SendRemoveSkin();
    return;
  }
  Tables().UpdateConstData();
  if (!IsLoading() && !IsReading()) RepaintForms();
}

void TsSkinManager::SetSkinnedPopups(bool value) {
  skinnedPopups_ = value;
  if (value && IsDefault() && !IsDesigning() && SkinEngineHooks().TakeOverPopupMenus)
    SkinEngineHooks().TakeOverPopupMenus();
}

std::vector<tk::TCustomForm*> TsSkinManager::SkinnedTopForms(bool enabledOnly) const {
  std::vector<tk::TCustomForm*> forms;
  const auto& owner = SkinEngineHooks().FormSkinManager;
  if (!owner) return forms;
  for (int i = 0; i < tk::Screen().FormCount(); ++i) {
    tk::TCustomForm* form = tk::Screen().Forms(i);
    if (form->IsDestroying() || !form->HandleAllocated() || form->Parent()) continue;
    if (!IsWindowVisible(form->Handle())) continue;
    if (enabledOnly && !IsWindowEnabled(form->Handle())) continue;
    if (owner(form) == this) forms.push_back(form);
  }
  return forms;
}

void TsSkinManager::Broadcast(WORD subCommand) {
  const tk::TMessage message{SM_VEXACMD, SkinCommandWParam(subCommand), reinterpret_cast<LPARAM>(this), 0};
  auto deliver = [&](tk::TCustomForm* form) {
    if (form->IsLoading() || form->IsDestroying()) return;
    try {
      if (form->HandleAllocated()) {
        SendMessageW(form->Handle(), message.Msg, message.WParam, message.LParam);
      } else {
        tk::TMessage copy = message;
        form->Deliver(copy);
      }
      BroadcastToChildren(form, message);
    } catch (...) {
      // One form's failure must not keep the others from the news.
    }
  };
  // Every form of the application, the last created first...
  std::vector<tk::TCustomForm*> forms;
  for (int i = tk::Screen().FormCount() - 1; i >= 0; --i) forms.push_back(tk::Screen().Forms(i));
  for (tk::TCustomForm* form : forms) deliver(form);
  // ...then the skinned forms the screen does not know.
  const std::vector<tk::TCustomForm*> hooked = HookedForms;
  for (tk::TCustomForm* form : hooked)
    if (std::find(forms.begin(), forms.end(), form) == forms.end()) deliver(form);
}

void TsSkinManager::SendNewSkin() {
  std::vector<tk::TCustomForm*> frozen;
  if (!IsDesigning() && tk::Application().MainForm()) {
    frozen = SkinnedTopForms(false);
    for (tk::TCustomForm* form : frozen) SendMessageW(form->Handle(), WM_SETREDRAW, FALSE, 0);
  }
  if (SkinEngineHooks().ResetMenuBorderWidth) SkinEngineHooks().ResetMenuBorderWidth();
  SkinData().Active = false;
  Tables().UpdateConstData();
  Broadcast(SCMD_SKIN_LOADED);
  tk::StartupMark("skin broadcast");
  SkinData().Active = true;
  if (IsDefault()) InstallDialogHook();
  RepaintForms(std::move(frozen));
  tk::StartupMark("skin applied");
}

void TsSkinManager::SendRemoveSkin() {
  SkinRemoving = true;
  if (IsDefault()) RemoveDialogHook();
  SkinData().Active = false;
  Broadcast(SCMD_SKIN_REMOVED);
  Tables().FreeMasks();
  Tables().FreePatterns();
  Tables().FreeSections();
  SkinRemoving = false;
}

void TsSkinManager::RepaintForms() { RepaintForms({}); }

void TsSkinManager::RepaintForms(std::vector<tk::TCustomForm*> frozen) {
  if (!IsDesigning()) Broadcast(SCMD_STOP_FADING);
  const bool framed = !IsLoading() && tk::Application().MainForm() != nullptr;
  if (framed) {
    for (tk::TCustomForm* form : SkinnedTopForms(false)) {
      SendMessageW(form->Handle(), WM_SETREDRAW, FALSE, 0);
      frozen.push_back(form);
    }
  } else {
    // Not framed: nothing is animated, but what was switched off comes back.
    for (tk::TCustomForm* form : frozen)
      if (!form->IsDestroying() && form->HandleAllocated()) SendMessageW(form->Handle(), WM_SETREDRAW, TRUE, 0);
    frozen.clear();
  }
  Broadcast(SCMD_REFRESH);
  const auto& hooks = SkinEngineHooks();
  for (tk::TCustomForm* form : frozen) {
    if (form->IsDestroying() || !form->HandleAllocated()) continue;
    const HWND h = form->Handle();
    // Disabled forms (the owner of a modal dialog) are not animated, but
    // every form switched off above is switched on again.
    if (IsWindowEnabled(h) && animEffects_.SkinChanging().Active && hooks.PlaySkinChangingAnimation)
      hooks.PlaySkinChangingAnimation(form, IsWindowsVistaOrGreater() ? 0 : animEffects_.SkinChanging().Time);
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    SetWindowRgn(h, nullptr, FALSE);
    if (hooks.RefreshProvider) hooks.RefreshProvider(form);
    RedrawWindow(h, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  if (TransitionOverlay) SendSkinCommand(TransitionOverlay, SCMD_REFRESH, 0);
}

void TsSkinManager::SetHoveredControl(HWND window) {
  if (window == hovered_) return;
  const HWND previous = hovered_;
  hovered_ = window;
  if (previous && IsWindow(previous)) SendSkinCommand(previous, SCMD_MOUSE_LEFT, reinterpret_cast<LPARAM>(this));
  if (window) SendSkinCommand(window, SCMD_MOUSE_ENTERED, reinterpret_cast<LPARAM>(this));
}

}  // namespace skin
