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

tk::TCustomForm* ToolkitFormOf(HWND window) {
  tk::TScreen& screen = tk::Screen();
  for (int i = 0; i < screen.FormCount(); ++i) {
    tk::TCustomForm* form = screen.Forms(i);
    if (form && form->HandleAllocated() && form->Handle() == window) return form;
  }
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

void FreeDialogProviders() {
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
    return false;
  });
  static auto release = SkinEngineHooks().FreeDialogWrappers.Register([] { FreeDialogProviders(); });
}

}  // namespace skin
