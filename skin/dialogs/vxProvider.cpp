#include "vxProvider.h"

#include <commctrl.h>

#include <array>

#include "vxDialogHook.h"
#include "vxDialogWnd.h"
#include "skin/controls/adapters/vxBtnWnd.h"
#include "skin/controls/adapters/vxCheckBoxWnd.h"
#include "skin/controls/adapters/vxComboBoxWnd.h"
#include "skin/controls/adapters/vxDialogChildRules.h"
#include "skin/controls/adapters/vxEditWnd.h"
#include "skin/controls/adapters/vxGroupBoxWnd.h"
#include "skin/controls/adapters/vxListViewWnd.h"
#include "skin/controls/adapters/vxSizerWnd.h"
#include "skin/controls/adapters/vxSpinWnd.h"
#include "skin/controls/adapters/vxStaticWnd.h"
#include "skin/controls/adapters/vxToolBarWnd.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "toolkit/win/Form.h"

namespace skin {

namespace {

bool IsSkinAware(HWND window) { return QueryWindowSkinFlag(window, SCMD_IS_SKINNED); }

// The wrapper a child gets by its rule.
std::unique_ptr<TvxMainWnd> WrapperFor(const TvxDialogChildRule& rule, HWND window, TsSkinManager* manager) {
  using K = TvxWrapperKind;
  const std::string_view section = rule.section;
  switch (rule.wrapper) {
    case K::GroupBox: return TvxMainWnd::Wrap<TvxGroupBoxWnd>(window, true, section, manager, nullptr);
    case K::CheckBox: return TvxMainWnd::Wrap<TvxCheckBoxWnd>(window, true, section, manager, nullptr);
    case K::Button: return TvxMainWnd::Wrap<TvxBtnWnd>(window, true, section, manager, nullptr);
    case K::ComboBox: return TvxMainWnd::Wrap<TvxComboBoxWnd>(window, true, section, manager, nullptr);
    case K::Edit: return TvxMainWnd::Wrap<TvxEditWnd>(window, true, section, manager, nullptr);
    case K::ListView: return TvxMainWnd::Wrap<TvxListViewWnd>(window, true, section, manager, nullptr);
    case K::TreeView: return TvxMainWnd::Wrap<TvxTreeViewWnd>(window, true, section, manager, nullptr);
    case K::Static: return TvxMainWnd::Wrap<TvxStaticWnd>(window, true, section, manager, nullptr);
    case K::Icon: return TvxMainWnd::Wrap<TvxIconWnd>(window, true, section, manager, nullptr);
    case K::Link: return TvxMainWnd::Wrap<TvxLinkWnd>(window, true, section, manager, nullptr);
    case K::TransPanel: return TvxMainWnd::Wrap<TvxTransPanelWnd>(window, true, section, manager, nullptr);
    case K::Sizer: return TvxMainWnd::Wrap<TvxSizerWnd>(window, true, section, manager, nullptr);
    case K::Spin: return TvxMainWnd::Wrap<TvxSpinWnd>(window, true, section, manager, nullptr, rule.leftOffset);
    case K::ToolBar: return TvxMainWnd::Wrap<TvxToolBarWnd>(window, true, section, manager, nullptr);
    case K::None: break;
  }
  return nullptr;
}

// Set while one child window is being wrapped; restored however it ends.
class TDialogModeScope {
public:
  TDialogModeScope() : saved_(DialogModeWrapping) { DialogModeWrapping = true; }
  ~TDialogModeScope() { DialogModeWrapping = saved_; }

private:
  bool saved_;
};

}  // namespace

std::wstring WindowClassName(HWND window) {
  std::array<wchar_t, 129> name{};
  const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
  return std::wstring(name.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

TvxProvider::TvxProvider(tk::TComponent* owner) : TComponent(owner) {}

TvxProvider::~TvxProvider() { ReleaseWrappers(); }

void TvxProvider::BeforeDestruction() {
  ForgetDialogProvider(this);
  ReleaseWrappers();
  TComponent::BeforeDestruction();
}

void TvxProvider::ReleaseWrappers() {
  // A form's provider belongs to the form: it stays when this one goes.
  formProvider_ = nullptr;
  for (auto it = skinnedCtrls_.rbegin(); it != skinnedCtrls_.rend(); ++it) it->reset();
  skinnedCtrls_.clear();
  dialogWnd_.reset();
}

void TvxProvider::AdoptForm(tk::TCustomForm* form, bool makeSkinMenu) {
  formProvider_ = tk::Create<TsSkinProvider>(form);
  formProvider_->SetMakeSkinMenu(makeSkinMenu);
}

bool TvxProvider::AdoptDialog(HWND window) {
  handle_ = window;
  TsSkinManager* manager = DefaultManager;
  const std::wstring name = WindowClassName(window);
  if (dialogWnd_ || !manager || !manager->Active() || (name != L"#32770" && name != L"TMessageForm")) return true;
  UninitializeFlatSB(window);
  dialogWnd_ = TvxMainWnd::Wrap<TvxDialogWnd>(window, manager, *this);
  comboLists_ = 0;
  if (!ScanChildren(window)) {
    ForgetDialogProvider(this);
    return false;
  }
  dialogWnd_->ReadStyles();
  if (comboLists_ == 3) dialogKind_ = 1;
  SendSkinCommand(window, SCMD_SKIN_LOADED, reinterpret_cast<LPARAM>(manager));
  return true;
}

bool TvxProvider::ScanChildren(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!ScanChildren(child)) return false;
    if ((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) && !WrapChild(child)) return false;
  }
  return true;
}

bool TvxProvider::WrapChild(HWND window) {
  if (IsSkinAware(window)) return true;
  TDialogModeScope dialogMode;
  RECT r{};
  GetWindowRect(window, &r);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const TvxDialogChildRule rule = ChooseDialogChildWrapper(WindowClassName(window), style, r.right - r.left, r.bottom - r.top);
  if (rule.refusesDialog) return false;
  if (rule.dialogKind != 0) dialogKind_ = rule.dialogKind;
  if (rule.dialogTakesForm && dialogWnd_) dialogWnd_->TakeFormSection();
  if (rule.countsComboList) ++comboLists_;
  std::unique_ptr<TvxMainWnd> wrapper = WrapperFor(rule, window, DefaultManager);
  if (!wrapper) return true;
  wrapper->ReadGeometry();
  skinnedCtrls_.push_back(std::move(wrapper));
  return true;
}

}  // namespace skin
