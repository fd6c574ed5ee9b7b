#include "vxDialogHook.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <string>

#include "vxAdoptionRules.h"
#include "vxDialogWnd.h"
#include "vxProvider.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/forms/vxMnuWnd.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Screen.h"

namespace skin {

namespace {

bool HasToolBarDescendant(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::wstring name = WindowClassName(child);
    std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    if (name == L"toolbarwindow32" || HasToolBarDescendant(child)) return true;
  }
  return false;
}

bool RawDialogVisible() {
  for (TvxProvider* p : DialogProviders())
    if (p && p->DialogWnd() && IsWindowVisible(p->DialogWnd()->Handle())) return true;
  return false;
}

bool IsFormWindow(tk::TCustomForm* form, HWND window) {
  return form && form->HandleAllocated() && form->Handle() == window;
}

// The program's form of a window: a form on the screen, or an MDI child of
// one of its MDI parents.
tk::TCustomForm* ToolkitFormOf(HWND window) {
  tk::TScreen& screen = tk::Screen();
  for (int i = 0; i < screen.FormCount(); ++i)
    if (IsFormWindow(screen.Forms(i), window)) return screen.Forms(i);
  for (int i = 0; i < screen.FormCount(); ++i) {
    tk::TCustomForm* parent = screen.Forms(i);
    if (!parent || parent->FormStyle() != tk::fsMDIForm) continue;
    for (int c = 0; c < parent->MDIChildCount(); ++c)
      if (IsFormWindow(parent->MDIChildren(c), window)) return parent->MDIChildren(c);
  }
  return nullptr;
}

// A form that carries its own skin provider; an MDI child is activated
// while it is being created, before its provider has taken its window.
bool CarriesSkinProvider(tk::TCustomForm* form) {
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (dynamic_cast<TsSkinProvider*>(form->Components(i))) return true;
  return false;
}

// The MDI child window holding a window (itself included), or none.
HWND MDIChildHolding(HWND window) {
  for (HWND w = window; w && (GetWindowLongW(w, GWL_STYLE) & WS_CHILD); w = GetParent(w))
    if (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_MDICHILD) return w;
  return nullptr;
}

void AdoptToolkitForm(tk::TCustomForm* form, bool makeSkinMenu) {
  auto* provider = tk::Create<TvxProvider>(form);
  DialogProviders().push_back(provider);
  provider->AdoptForm(form, makeSkinMenu);
}

// A raw dialog's provider outlives its dialog (its wrappers are done when
// their windows go); it is freed at the next activation, so closed dialogs
// keep no bitmaps or menus and a new window that happens to get the old
// handle is not taken for adopted.
void FreeClosedDialogProviders() {
  for (TvxProvider*& p : DialogProviders()) {
    if (!p || p->Owner() || IsWindow(p->Handle())) continue;
    TvxProvider* closed = p;
    p = nullptr;
    tk::TComponent::Free(closed);
  }
  auto& list = DialogProviders();
  list.erase(std::remove(list.begin(), list.end(), nullptr), list.end());
}

void AdoptRawWindow(HWND window) {
  auto* provider = tk::Create<TvxProvider>(nullptr);
  DialogProviders().push_back(provider);
  if (!provider->AdoptDialog(window)) tk::TComponent::Free(provider);
}

std::vector<HWND>& MDIChildrenFocused() {
  static std::vector<HWND> children;
  return children;
}

UINT_PTR mdiTimer = 0;

void StopMDITimer() {
  if (mdiTimer) KillTimer(nullptr, mdiTimer);
  mdiTimer = 0;
  MDIChildrenFocused().clear();
}

void CALLBACK AdoptFocusedMDIChildren(HWND, UINT, UINT_PTR, DWORD) {
  std::vector<HWND> children;
  children.swap(MDIChildrenFocused());
  StopMDITimer();
  for (HWND child : children)
    if (IsWindow(child) && IsWindowVisible(child))
      DialogWindowActivated(child);
}

}  // namespace

std::vector<TvxProvider*>& DialogProviders() {
  static std::vector<TvxProvider*> providers;
  return providers;
}

TvxProvider* DialogProviderOf(HWND window) {
  for (TvxProvider* p : DialogProviders())
    if (p && p->Handle() == window) return p;
  return nullptr;
}

void ForgetDialogProvider(TvxProvider* provider) {
  for (TvxProvider*& p : DialogProviders())
    if (p == provider) p = nullptr;
}

std::vector<std::unique_ptr<TvxMnuWnd>>& MenuWindows() {
  static std::vector<std::unique_ptr<TvxMnuWnd>> windows;
  return windows;
}

void DialogWindowCreated(HWND window) {
  if (WindowClassName(window) != L"#32768" || QueryWindowSkinFlag(window, SCMD_IS_SKINNED)) return;
  auto& windows = MenuWindows();
  // Wrappers whose windows are gone are done: they go before a new one
  // comes, so the list holds at most the menus open at once.
  windows.erase(std::remove_if(windows.begin(), windows.end(), [](const auto& w) { return w->Done(); }), windows.end());
  windows.push_back(TvxMainWnd::Wrap<TvxMnuWnd>(window, DefaultManager));
}

void DialogWindowActivated(HWND window) {
  FreeClosedDialogProviders();
  TsSkinManager* manager = DefaultManager;
  tk::TCustomForm* form = ToolkitFormOf(window);
  const std::wstring name = WindowClassName(window);
  TvxActivationFacts facts;
  facts.className = name;
  facts.hasManager = manager != nullptr;
  facts.adoptedBefore = DialogProviderOf(window) != nullptr;
  // A window the skinning knows already is not asked again.
  facts.skinAware = !facts.adoptedBefore && QueryWindowSkinFlag(window, SCMD_IS_SKINNED);
  facts.rules = manager ? manager->SkinningRules() : 0;
  const std::string formClass = form ? std::string(form->ClassName()) : std::string();
  const std::string caption = form ? form->Caption() : std::string();
  facts.toolkitForm = form != nullptr;
  facts.formHasProvider = form && CarriesSkinProvider(form);
  facts.formClass = formClass;
  facts.formCaption = caption;
  if (!form) {
    facts.rawDialogVisible = RawDialogVisible();
    facts.hasToolBar = facts.rawDialogVisible && HasToolBarDescendant(window);
  }
  switch (ChooseAdoption(facts)) {
    case TvxAdoption::Form: AdoptToolkitForm(form, true); break;
    case TvxAdoption::MessageForm: AdoptToolkitForm(form, false); break;
    case TvxAdoption::Dialog: AdoptRawWindow(window); break;
    case TvxAdoption::None: break;
  }
}

void DialogWindowFocused(HWND window) {
  // The platform activates an MDI child inside its parent without telling
  // the hook of an activation; the focus moving into it is the sign. It is
  // looked at once the program is back in its message loop: a child is
  // activated while it is being created, before the program has given it
  // its own skin provider.
  const HWND child = MDIChildHolding(window);
  if (!child) return;
  MDIChildrenFocused().push_back(child);
  if (!mdiTimer) mdiTimer = SetTimer(nullptr, 0, 0, &AdoptFocusedMDIChildren);
}

void FreeDialogProviders() {
  StopMDITimer();
  MenuWindows().clear();
  std::vector<TvxProvider*> providers;
  providers.swap(DialogProviders());
  for (TvxProvider* p : providers) {
    if (!p) continue;
    // A form's provider only leaves the list: the form owns it.
    if (p->Owner()) continue;
    tk::TComponent::Free(p);
  }
}

void UseDialogSkinning() {
  static auto hook = SkinEngineHooks().DialogHook.Register([](int code, WPARAM wParam, LPARAM, LRESULT&) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND) DialogWindowCreated(window);
    else if (code == HCBT_ACTIVATE) DialogWindowActivated(window);
    else if (code == HCBT_SETFOCUS) DialogWindowFocused(window);
    return false;
  });
  static auto release = SkinEngineHooks().FreeDialogWrappers.Register([] { FreeDialogProviders(); });
}

}  // namespace skin
