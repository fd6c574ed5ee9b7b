#include "vxCtrlAdapter.h"

#include <algorithm>
#include <array>

#include "vxBitBtnWnd.h"
#include "vxBtnWnd.h"
#include "vxCheckBoxWnd.h"
#include "vxComboBoxWnd.h"
#include "vxGroupBoxWnd.h"
#include "vxSizerWnd.h"
#include "vxListViewWnd.h"
#include "vxEditWnd.h"
#include "vxGridWnd.h"
#include "vxVirtualTreeViewWnd.h"
#include "skin/controls/sCommonData.h"
#include "skin/controls/sControlKinds.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/ClassRegistry.h"
#include "toolkit/win/CustomControl.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/GroupBox.h"
#include "toolkit/win/Panel.h"
#include "toolkit/win/Label.h"
#include "toolkit/win/StandardControls.h"

namespace skin {

namespace {

// Third-party classes the adapter knows by name.
constexpr std::array kEditClasses{"TSynEdit", "TSynMemo", "TDBSynEdit"};
constexpr std::array kRichViewClasses{"TRichView", "TDBRichViewEdit", "TRichViewEdit", "TDBRichView"};
constexpr std::array kVirtualTreeClasses{"TVirtualStringTree", "TVirtualDrawTree", "TEasyListview",
                                         "TVirtualExplorerListview", "TVirtualExplorerTreeview"};

template <std::size_t N>
bool NameIn(const std::array<const char*, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

template <class T>
bool Is(const tk::TControl* c) {
  return dynamic_cast<const T*>(c) != nullptr;
}

enum class WrapperKind {
  None,
  ListView,
  Grid,
  BitBtn,
  Button,
  CheckBox,
  GroupBox,
  TreeView,
  ComboBox,
  Edit,
  Panel,
  VirtualTree,
  GridEh
};

struct WrapperChoice {
  WrapperKind kind = WrapperKind::None;
  const char* fixedSection = nullptr;  // replaces the item's section
};

// A grid: a control that offers its colours to the skin.
bool IsGrid(const tk::TControl* c) { return dynamic_cast<const TvxSkinnableGrid*>(c) != nullptr; }

// A push button that shows a picture.
bool IsBitmapButton(const tk::TControl* c) {
  auto* b = dynamic_cast<tk::TButton*>(const_cast<tk::TControl*>(c));
  if (!b || !b->HandleAllocated()) return false;
  const LONG_PTR style = GetWindowLongPtrW(b->Handle(), GWL_STYLE);
  return (style & (BS_BITMAP | BS_ICON)) != 0;
}

// A custom control whose class publishes "OptionsEh".
bool HasOptionsEh(const tk::TControl* c) {
  if (!dynamic_cast<const tk::TCustomControl*>(c)) return false;
  const tk::TClassInfo* info = tk::ClassRegistry().Find(c->ClassName());
  return info && tk::ClassRegistry().FindProperty(*info, "OptionsEh") != nullptr;
}

WrapperChoice ChooseWrapper(const tk::TControl* c) {
  const std::string_view name = c->ClassName();
  if (Is<tk::TListView>(c)) return {WrapperKind::ListView};
  if (IsGrid(c)) return {WrapperKind::Grid};
  if (IsBitmapButton(c)) return {WrapperKind::BitBtn, "BUTTON"};
  if (Is<tk::TButton>(c)) return {WrapperKind::Button, "BUTTON"};
  if (Is<tk::TButtonControl>(c)) return {WrapperKind::CheckBox, "CHECKBOX"};
  if (Is<tk::TCustomGroupBox>(c)) return {WrapperKind::GroupBox, "GROUPBOX"};
  if (Is<tk::TTreeView>(c)) return {WrapperKind::TreeView};
  if (Is<tk::TComboBox>(c)) return {WrapperKind::ComboBox};
  if (Is<tk::TCustomEdit>(c) || Is<tk::TListBox>(c)) return {WrapperKind::Edit};
  if (Is<tk::TCustomPanel>(c)) return {WrapperKind::Panel, "PANEL"};
  if (NameIn(kEditClasses, name)) return {WrapperKind::Edit};
  if (NameIn(kRichViewClasses, name)) return {WrapperKind::Grid};
  if (NameIn(kVirtualTreeClasses, name)) return {WrapperKind::VirtualTree};
  if (HasOptionsEh(c)) return {WrapperKind::GridEh};
  return {};
}

bool SkinAware(tk::TControl* c) { return c->Parent() && QuerySkinFlag(c, SCMD_IS_SKINNED); }

}  // namespace

// Tells the adapter when an adopted control is freed.
class TvxCtrlAdapter::Watch : public tk::TComponent {
public:
  explicit Watch(TvxCtrlAdapter& adapter) : TComponent(nullptr), adapter_(adapter) {}

protected:
  void Notification(tk::TComponent* component, tk::TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != tk::opRemove) return;
    const int index = adapter_.IndexOf(dynamic_cast<tk::TControl*>(component));
    if (index >= 0) adapter_.RemoveItem(index);
  }

private:
  TvxCtrlAdapter& adapter_;
};

// --- TvxAdapterItem -------------------------------------------------------------

TvxAdapterItem::TvxAdapterItem(TvxCtrlAdapter& adapter, tk::TControl* control)
    : adapter_(adapter), control_(control), skinData_(std::make_unique<TsCommonData>(control, false)) {
  skinData_->controlKind = kKindAdaptedWindow;
  if (TsSkinManager* m = adapter.Manager(); m && m != DefaultManager) skinData_->SetSkinManager(m);
}

TvxAdapterItem::~TvxAdapterItem() { FreeWrapper(); }

void TvxAdapterItem::FreeWrapper() {
  // Given back before the wrapper's own parts are gone, so that it can
  // restore what it changed.
  if (wrapper_) wrapper_->Unsubclass();
  wrapper_.reset();
}

void TvxAdapterItem::DoHook(tk::TControl* control) {
  auto* windowed = dynamic_cast<tk::TWinControl*>(control);
  if (!windowed || !windowed->HandleAllocated() || SkinAware(control) || !control->Parent()) return;
  const WrapperChoice choice = ChooseWrapper(control);
  if (choice.fixedSection) skinData_->SetSkinSection(choice.fixedSection);
  else if (skinData_->SkinSection().empty() || skinData_->SkinSection() == "UNKNOWN") skinData_->SetSkinSection("EDIT");
  const HWND h = windowed->Handle();
  TsSkinManager* m = adapter_.Manager();
  const std::string section = skinData_->SkinSection();
  switch (choice.kind) {
    case WrapperKind::ListView:
      wrapper_ = TvxMainWnd::Wrap<TvxListViewWnd>(h, true, section, m, skinData_.get());
      break;
    case WrapperKind::Grid:
      wrapper_ = TvxMainWnd::Wrap<TvxGridWnd>(h, true, section, m, skinData_.get());
      break;
    case WrapperKind::GridEh:
      wrapper_ = TvxMainWnd::Wrap<TvxGridEhWnd>(h, true, section, m, skinData_.get());
      break;
    case WrapperKind::VirtualTree:
      wrapper_ = TvxMainWnd::Wrap<TvxVirtualTreeViewWnd>(h, true, section, m, skinData_.get());
      break;
    case WrapperKind::BitBtn:
      wrapper_ = TvxMainWnd::Wrap<TvxBitBtnWnd>(h, false, section, m, skinData_.get());
      break;
    case WrapperKind::Button:
      wrapper_ = TvxMainWnd::Wrap<TvxBtnWnd>(h, false, section, m, skinData_.get());
      break;
    case WrapperKind::CheckBox:
      wrapper_ = TvxMainWnd::Wrap<TvxCheckBoxWnd>(h, false, section, m, skinData_.get());
      break;
    case WrapperKind::GroupBox:
      wrapper_ = TvxMainWnd::Wrap<TvxGroupBoxWnd>(h, false, section, m, skinData_.get());
      break;
    case WrapperKind::Panel:
      wrapper_ = TvxMainWnd::Wrap<TvxTransPanelWnd>(h, false, section, m, skinData_.get());
      break;
    case WrapperKind::TreeView:
      wrapper_ = TvxMainWnd::Wrap<TvxTreeViewWnd>(h, true, section, m, skinData_.get());
      break;
    case WrapperKind::ComboBox:
      wrapper_ = TvxMainWnd::Wrap<TvxComboBoxWnd>(h, true, section, m, skinData_.get());
      break;
    case WrapperKind::Edit:
      wrapper_ = TvxMainWnd::Wrap<TvxEditWnd>(h, true, section, m, skinData_.get());
      break;
    case WrapperKind::None:
      break;
  }
}

// --- TvxCtrlAdapter ----------------------------------------------------------------

TvxCtrlAdapter::TvxCtrlAdapter(TvxAdapterOwner& owner) : owner_(owner), watch_(new Watch(*this)) {}

TvxCtrlAdapter::~TvxCtrlAdapter() {
  // Items whose wrapper is gone or done first, then the rest.
  for (int i = Count() - 1; i >= 0; --i) {
    TvxMainWnd* w = items_[static_cast<std::size_t>(i)]->Wrapper();
    if (!w || w->Done()) RemoveItem(i);
  }
  Clear();
}

TsSkinManager* TvxCtrlAdapter::Manager() {
  TsSkinManager* m = owner_.AdapterManager();
  return m ? m : DefaultManager;
}

TvxAdapterItem* TvxCtrlAdapter::GetItem(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(index)].get();
}

int TvxCtrlAdapter::IndexOf(const tk::TControl* control) const {
  if (!control) return -1;
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<std::size_t>(i)]->Control() == control) return i;
  return -1;
}

TvxAdapterItem* TvxCtrlAdapter::ItemOf(const tk::TControl* control) const { return GetItem(IndexOf(control)); }

bool TvxCtrlAdapter::IsSupported(tk::TControl* c) const {
  if (!c || !c->Parent()) return false;
  if (Is<tk::TListView>(c) || Is<tk::TButton>(c) || Is<tk::TButtonControl>(c) || Is<tk::TCustomGroupBox>(c) ||
      Is<tk::TTreeView>(c) || Is<tk::TComboBox>(c) || Is<tk::TCustomEdit>(c) || Is<tk::TListBox>(c) ||
      Is<tk::TCustomPanel>(c))
    return true;
  if (IsGrid(c)) return true;
  const std::string_view name = c->ClassName();
  return NameIn(kEditClasses, name) || NameIn(kRichViewClasses, name) || NameIn(kVirtualTreeClasses, name) ||
         HasOptionsEh(c);
}

void TvxCtrlAdapter::AddItem(tk::TControl* control, std::string_view section) {
  if (!control || SkinAware(control)) return;
  bool canBeAdded = true;
  std::string chosen(section);
  owner_.SkinItem(control, canBeAdded, chosen);
  if (!canBeAdded) return;
  TvxAdapterItem* item = ItemOf(control);
  const bool existed = item != nullptr;
  if (!existed) {
    items_.push_back(std::make_unique<TvxAdapterItem>(*this, control));
    item = items_.back().get();
    watch_->FreeNotification(control);
  }
  item->SkinData().SetSkinSection(chosen);
  if (existed) {
    if (item->Wrapper() && item->Wrapper()->Done()) {
      item->FreeWrapper();
      if (control->Parent()) item->DoHook(control);
    }
    return;
  }
  if (control->Parent()) item->DoHook(control);
  if (!item->Wrapper()) RemoveItem(IndexOf(control));
}

void TvxCtrlAdapter::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return;
  std::unique_ptr<TvxAdapterItem> item = std::move(items_[static_cast<std::size_t>(index)]);
  items_.erase(items_.begin() + index);
  if (tk::TControl* c = item->Control(); c && IndexOf(c) < 0) watch_->RemoveFreeNotification(c);
}

void TvxCtrlAdapter::Clear() {
  if (clearing_) return;
  clearing_ = true;
  while (!items_.empty()) RemoveItem(Count() - 1);
  clearing_ = false;
}

void TvxCtrlAdapter::Broadcast(UINT msg, WPARAM wParam, LPARAM lParam) {
  for (int i = 0; i < Count(); ++i) {
    TvxAdapterItem* item = GetItem(i);
    TvxMainWnd* w = item->Wrapper();
    if (!w || w->Done() || !item->Control()->Parent()) continue;
    try {
      SendMessageW(w->Handle(), msg, wParam, lParam);
    } catch (...) {
      // A failing window does not stop the others.
    }
  }
}

void TvxCtrlAdapter::AddAllItems(tk::TWinControl* root) {
  if (scanning_) return;
  TsSkinManager* m = Manager();
  if (!m || (m->SkinningRules() & srThirdParty) == 0) return;
  scanning_ = true;
  try {
    Scan(root ? root : owner_.AdapterRoot());
  } catch (...) {
    scanning_ = false;
    throw;
  }
  scanning_ = false;
}

void TvxCtrlAdapter::AdoptOrPaintLabel(tk::TControl* control) {
  auto* windowed = dynamic_cast<tk::TWinControl*>(control);
  if (windowed && IsSupported(control)) {
    AddItem(control, "EDIT");
  } else if (auto* label = dynamic_cast<tk::TCustomLabel*>(control); label && !SkinDataOf(control)) {
    label->SetTransparent(true);
    if (TsSkinManager* m = Manager()) label->Font().SetColor(m->Tables().GlobalFontColor());
  }
  if (windowed && windowed->HandleAllocated() && windowed->Parent()) Scan(windowed);
}

void TvxCtrlAdapter::Scan(tk::TWinControl* root) {
  if (!root) return;
  for (int i = 0; i < root->ComponentCount(); ++i)
    if (auto* c = dynamic_cast<tk::TControl*>(root->Components(i))) AdoptOrPaintLabel(c);
  for (int i = 0; i < root->ControlCount(); ++i) {
    tk::TControl* c = root->Controls(i);
    // Owned and placed on the root: visited above.
    if (c->Owner() == root) continue;
    AdoptOrPaintLabel(c);
  }
}

}  // namespace skin
