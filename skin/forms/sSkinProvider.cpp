// The provider's life: finding its form, taking the form's window procedure
// over and giving it back, preparing the form for the skin, and its
// published properties.
#include "sSkinProvider.h"

#include <algorithm>

#include "sFormScrollWnd.h"
#include "sMDIForm.h"
#include "sMDIIconsWindow.h"
#include "sOutlineDrag.h"
#include "sSystemMenu.h"
#include "skin/controls/sControlKinds.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/Colors.h"

namespace skin {

TsSkinProvider* TsSkinProvider::MDISkinProvider = nullptr;
TsSkinProvider* TsSkinProvider::MDIChildProvider = nullptr;
bool TsSkinProvider::ButtonPressed = false;

namespace {

// The form a component belongs to: its owner, or the nearest form up the
// chain of owners.
tk::TCustomForm* FormOwning(tk::TComponent* owner) {
  for (tk::TComponent* c = owner; c; c = c->Owner())
    if (auto* form = dynamic_cast<tk::TCustomForm*>(c)) return form;
  return nullptr;
}

// What the manager asks of the skinned forms: which manager skins a form,
// and a provider's refresh after a skin change. Registered once, for as
// long as the program runs.
void RegisterEngineHooks() {
  // A skin change cross-fades the skinned forms.
  InstallFormTransition();
  static auto formManager = SkinEngineHooks().FormSkinManager.Register([](tk::TCustomForm* form) -> TsSkinManager* {
    TsSkinProvider* p = TsSkinProvider::Of(form);
    return p && p->SkinData().IsSkinned(false) ? p->SkinData().ActiveManager() : nullptr;
  });
  static auto refresh = SkinEngineHooks().RefreshProvider.Register([](tk::TCustomForm* form) {
    if (TsSkinProvider* p = TsSkinProvider::Of(form)) p->RefreshAfterSkinChange();
  });
}

}  // namespace

// --- The provider's skin data ------------------------------------------------

TsProviderSkinData::TsProviderSkinData(TsSkinProvider& provider) : TsCommonData(&provider, true), provider_(provider) {}

TColor TsProviderSkinData::CustomColor() const {
  if (!HasCustomColor() || !provider_.form_) return clFuchsia;
  return static_cast<TColor>(tk::ColorToRGB(provider_.form_->Color()));
}

const tk::TFont* TsProviderSkinData::OwnerFont() const { return provider_.form_ ? &provider_.form_->Font() : nullptr; }

TColor TsProviderSkinData::OwnerFontColor() const {
  return provider_.form_ ? static_cast<TColor>(tk::ColorToRGB(provider_.form_->Font().Color())) : clBlack;
}

TRect TsProviderSkinData::OwnerBounds() const {
  if (!provider_.form_ || !provider_.form_->HandleAllocated()) return {};
  const TsFrameMetrics fm = provider_.Metrics();
  // A minimized form keeps only its title bar.
  return {0, 0, fm.width, fm.minimized ? fm.TitleHeight() + 1 : fm.height};
}

void TsProviderSkinData::DeliverUpdateCommand(WORD subCommand) {
  if (provider_.form_ && provider_.form_->HandleAllocated())
    SendSkinCommand(provider_.form_->Handle(), subCommand, 0);
}

// --- Construction and destruction --------------------------------------------

TsSkinProvider::TsSkinProvider(tk::TComponent* owner)
    : TComponent(owner), skinData_(std::make_unique<TsProviderSkinData>(*this)) {
  RegisterEngineHooks();
  form_ = FormOwning(owner);
  skinData_->SetSkinSection("FORM");
  skinData_->controlKind = kKindSkinProvider;
  skinData_->SetCommandTable(CommandTable());
  if (!form_) return;
  if (!IsDesigning()) form_->SetDoubleBuffered(false);
  // One provider per form: a second one leaves the form to the first.
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    auto* other = dynamic_cast<TsSkinProvider*>(form_->Components(i));
    if (other && other != this && other->form_ == form_) {
      form_ = nullptr;
      return;
    }
  }
  if (!IsDesigning()) AttachToForm();
}

TsSkinProvider::~TsSkinProvider() { BeforeDestruction(); }

void TsSkinProvider::AfterConstruction() {
  TComponent::AfterConstruction();
  if (!form_ || IsDesigning()) return;
  const TsSkinManager* manager = skinData_->ActiveManager();
  if (manager && manager->Active()) PrepareForm();
}

void TsSkinProvider::BeforeDestruction() {
  if (IsDestroying()) return;
  const bool wasSkinned = Skinned();
  SetComponentState(tk::csDestroying, true);
  if (form_ && attached_) {
    // A provider freed before its form gives the plain window back.
    if (!form_->IsDestroying() && wasSkinned) {
      tk::TMessage removed{SM_VEXACMD, SkinCommandWParam(SCMD_SKIN_REMOVED),
                           reinterpret_cast<LPARAM>(skinData_->ActiveManager()), 0};
      OnSkinRemoved(removed);
    }
    DetachFromForm();
  }
  if (MDISkinProvider == this) {
    mdiForm_.reset();
    MDISkinProvider = nullptr;
  }
  if (form_ && IsMDIChild()) TellMDIParentChildGoes();
  if (MDIChildProvider == this) MDIChildProvider = nullptr;
  if (buttonCaptured_ && form_ && form_->HandleAllocated() && GetCapture() == form_->Handle()) ReleaseCapture();
  drag_.reset();
  systemMenu_.reset();
  // Wrappers of controls still there give their windows back; those of
  // controls already gone left the adapter with them.
  adapter_.reset();
  if (scrollWnd_ && form_ && !form_->IsDestroying()) FreeScrollWnd();
  scrollWnd_.reset();
  retiredScrollWnds_.clear();
  TComponent::BeforeDestruction();
}

void TsSkinProvider::AttachToForm() {
  titleBG_ = tk::Bitmap();
  menuLineBmp_ = tk::Bitmap();
  mdiAreaPending_ = true;
  regionRects_.clear();
  linesCount_ = -1;
  hook_ = form_->WindowProc.Install([this](tk::TMessage& m, const tk::TWndNext& next) { HookedWndProc(m, next); });
  HookedForms.push_back(form_);
  attached_ = true;
  formActive_ = true;
}

void TsSkinProvider::DetachFromForm() {
  HookedForms.erase(std::remove(HookedForms.begin(), HookedForms.end(), form_), HookedForms.end());
  form_->WindowProc.Remove(hook_);
  hook_ = 0;
  attached_ = false;
}

TsSkinProvider* TsSkinProvider::Of(const tk::TCustomForm* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* p = dynamic_cast<TsSkinProvider*>(form->Components(i));
    if (p && p->form_ == form && p->attached_) return p;
  }
  return nullptr;
}

void TsSkinProvider::Notification(tk::TComponent* component, tk::TOperation operation) {
  TComponent::Notification(component, operation);
  auto* manager = dynamic_cast<TsSkinManager*>(component);
  if (!manager) return;
  if (operation == tk::opInsert && !skinData_->CustomManager() && !DefaultManager) skinData_->SetSkinManager(manager);
  if (operation == tk::opRemove && skinData_->CustomManager() == manager) skinData_->SetSkinManager(nullptr);
}

// --- The form ------------------------------------------------------------------

HWND TsSkinProvider::FormHandle() const {
  return form_ && form_->HandleAllocated() ? form_->Handle() : nullptr;
}

bool TsSkinProvider::FormCreating() const {
  return form_ && ((form_->ControlState() & tk::csCreating) != 0 || !form_->HandleAllocated());
}

bool TsSkinProvider::FormVisible() const {
  const HWND h = FormHandle();
  return h && IsWindowVisible(h);
}

void TsSkinProvider::EnsureMDIArea() {
  if (!IsMDIParent() || IsDesigning()) return;
  if (!mdiForm_) mdiForm_ = std::make_unique<TsMDIForm>(*this);
  MDISkinProvider = this;
}


bool TsSkinProvider::Skinned() const {
  return form_ && attached_ && !IsDestroying() && !form_->IsDestroying() && skinData_->IsSkinned(true);
}

TsFormRules TsSkinProvider::Rules() const { return form_ ? FormRules(FormFactsOf(*form_)) : TsFormRules{}; }

void TsSkinProvider::RemoveSystemMenuStyle() {
  const HWND h = FormHandle();
  if (!h) return;
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  if (style & WS_SYSMENU) SetWindowLongW(h, GWL_STYLE, style & ~WS_SYSMENU);
}

void TsSkinProvider::RestoreSystemMenuStyle() {
  const HWND h = FormHandle();
  if (!h || form_->BorderIcons() == 0 || !(form_->BorderIcons() & tk::biSystemMenu)) return;
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  if (!(style & WS_SYSMENU)) SetWindowLongW(h, GWL_STYLE, style | WS_SYSMENU);
}

void TsSkinProvider::FollowGlobalColor() {
  if (!form_ || !useGlobalColor_ || skinData_->HasCustomColor()) return;
  const TsSkinManager* manager = skinData_->ActiveManager();
  if (!manager || !skinData_->IsSkinned(false)) return;
  const TColor c = manager->Tables().GlobalColor();
  if (form_->Color() != c) form_->SetColor(c);
}

void TsSkinProvider::PrepareForm() {
  if (!form_) return;
  skinData_->FinishLoading();
  if (!systemMenu_) systemMenu_.reset(tk::Create<TsSystemMenu>(*this));
  UpdateSystemMenuItems();
  const TsSkinManager* manager = skinData_->ActiveManager();
  const bool skinActive = manager && manager->Active() && skinData_->IsSkinned(false);
  if (skinActive && !IsMDIChild()) RemoveSystemMenuStyle();
  if (mdiAreaPending_ && skinActive) {
    mdiAreaPending_ = false;
    EnsureMDIArea();
  }
  skinData_->ResolveSectionIndexes();
  ChooseButtonImages();
  if (IsMDIChild() && MDISkinProvider && !MDISkinProvider->IsDestroying() && skinData_->IsSkinned(false)) {
    skinData_->cacheStale = true;
    linesCount_ = -1;
  }
  if (FormCreating() || form_->IsReading() || form_->IsLoading() || IsLoading() || !manager) return;
  FollowGlobalColor();
}

void TsSkinProvider::UpdateSystemMenuItems() {
  if (!systemMenu_) return;
  try {
    systemMenu_->UpdateItems();
  } catch (...) {
    // The items follow the form's state the next time.
  }
}

void TsSkinProvider::LookUpUserButtonMask() {
  titleButtonMask_ = GlobalMask("TITLEBUTTON");
  if (titleButtonMask_ < 0) titleButtonMask_ = FormMask("TITLEBUTTON");
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    TsTitleButton* b = titleButtons_.Button(i);
    b->BtnData.ImageIndex = b->UseSkinData() ? titleButtonMask_ : -1;
  }
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  if (!form_ || IsDesigning()) return;
  const TsSkinManager* manager = skinData_->ActiveManager();
  if (!manager || !manager->Active()) return;
  if (skinData_->IsSkinned(false)) RescanAdapter();
  PrepareForm();
  UpdateSystemMenuItems();
  LookUpUserButtonMask();
  if (mdiForm_) mdiForm_->Refresh();
}

// --- Properties ------------------------------------------------------------------

void TsSkinProvider::RepaintIfVisible() {
  skinData_->cacheStale = true;
  if (FormVisible()) RepaintFrame();
}

void TsSkinProvider::SetCaptionAlignment(tk::TAlignment value) {
  if (captionAlignment_ == value) return;
  captionAlignment_ = value;
  RepaintIfVisible();
}

void TsSkinProvider::SetShowAppIcon(bool value) {
  if (showAppIcon_ == value) return;
  showAppIcon_ = value;
  RepaintIfVisible();
}

void TsSkinProvider::SetTitleSkin(std::string_view value) {
  if (titleSkin_ == value) return;
  titleSkin_ = value;
  RepaintIfVisible();
}

void TsSkinProvider::SetMenuLineSkin(std::string_view value) {
  menuLineSkin_ = value;
  if (IsDesigning()) skinData_->InvalidateCache();
}

void TsSkinProvider::SetGripMode(TsGripMode value) {
  if (gripMode_ == value) return;
  gripMode_ = value;
  captionInvalid_ = true;  // the grip lies outside the title
  RepaintIfVisible();
}

// --- The window procedure -----------------------------------------------------

void TsSkinProvider::OldWndProc(tk::TMessage& m) {
  if (next_) (*next_)(m);
}

LRESULT TsSkinProvider::OldWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  tk::TMessage m{msg, wParam, lParam, 0};
  OldWndProc(m);
  return m.Result;
}

void TsSkinProvider::HookedWndProc(tk::TMessage& m, const tk::TWndNext& next) {
  // Messages nest (a handler sends another): each call knows its own way on.
  const tk::TWndNext* outer = next_;
  next_ = &next;
  struct Restore {
    const tk::TWndNext*& slot;
    const tk::TWndNext* value;
    ~Restore() { slot = value; }
  } restore{next_, outer};

  if (m.Msg == SM_VEXACMD) {
    if (!HandleSkinCommand(m)) OldWndProc(m);
    return;
  }
  if (m.Msg == WM_SETTINGCHANGE || m.Msg == WM_DISPLAYCHANGE || m.Msg == WM_DPICHANGED || m.Msg == WM_THEMECHANGED)
    ForgetFrameSystemMetrics();
  if (!Skinned()) {
    if (m.Msg == WM_CREATE) return HandleCreate(m);
    OldWndProc(m);
    return;
  }
  if (!HandleSkinnedMessage(m)) OldWndProc(m);
}

}  // namespace skin
