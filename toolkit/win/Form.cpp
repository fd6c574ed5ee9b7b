#include "toolkit/core/StartupMarks.h"
#include "toolkit/win/Form.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "toolkit/core/TextCase.h"
#include "toolkit/win/ActionList.h"
#include "toolkit/win/LayoutReader.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/Screen.h"
#include "toolkit/win/Unicode.h"

namespace tk {

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* top = control;
  while (top && top->Parent()) top = top->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

namespace {
TCustomForm* MainFormOfHost() { return TFormHost::Current() ? TFormHost::Current()->MainForm() : nullptr; }
}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner) {
  visible_ = false;
  SetControlStyle((ControlStyle() | csAcceptsControls) & ~(csCaptureMouse | csClickEvents | csSetCaption));
  SetColor(clBtnFace);
  left_ = 0;
  top_ = 0;
  width_ = 320;
  height_ = 240;
  Screen().AddForm(this, this);
}

TCustomForm::~TCustomForm() {
  BeforeDestruction();
  Screen().RemoveForm(this);
  if (TFormHost* host = TFormHost::Current()) host->FormDestroyed(this);
}

void TCustomForm::BeforeDestruction() {
  if (!IsDestroying() && created_ && OnDestroy) OnDestroy(this);
  if (!IsDestroying() && menu_) menu_->OnBarRebuilt = nullptr;
  TCustomControl::BeforeDestruction();
}

void TCustomForm::LoadStoredLayout() {
  const std::wstring name = Utf8ToWide(UpperCase(ClassName()));
  const HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, name.c_str(), reinterpret_cast<LPCWSTR>(RT_RCDATA));
  if (!resource) return;
  HGLOBAL loaded = LoadResource(module, resource);
  const DWORD size = SizeofResource(module, resource);
  const auto* data = static_cast<const char*>(LockResource(loaded));
  if (!data) throw std::runtime_error("The stored layout of " + std::string(ClassName()) + " cannot be read");
  StartupMark("layout resource");
  ReadLayout(std::string_view(data, size));
}

void TCustomForm::ReadLayout(std::string_view text) { TLayoutReader().ReadRoot(*this, text); }

void TCustomForm::DoCreate() {
  if (created_) return;
  created_ = true;
  if (OnCreate) OnCreate(this);
}

void TCustomForm::SetParent(TControlParent* parent) {
  if (parent) throw EComponentError("A form cannot be placed on another control");
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (borderStyle_ == style) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (borderIcons_ == icons) return;
  borderIcons_ = icons;
  RecreateWnd();
}

DWORD TCustomForm::WindowStyle() const {
  DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (borderStyle_) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: style |= WS_CAPTION; break;
    case bsSizeable:
    case bsSizeToolWin: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: style |= WS_POPUP | WS_CAPTION; break;
  }
  if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
    style |= WS_SYSMENU;
    if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
      if (borderIcons_ & biMinimize) style |= WS_MINIMIZEBOX;
      if (borderIcons_ & biMaximize) style |= WS_MAXIMIZEBOX;
    }
  }
  return style;
}

DWORD TCustomForm::WindowExStyle() const {
  DWORD ex = WS_EX_CONTROLPARENT;
  if (borderStyle_ == bsDialog) ex |= WS_EX_DLGMODALFRAME;
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) ex |= WS_EX_TOOLWINDOW;
  if ((borderIcons_ & biHelp) && (borderIcons_ & biSystemMenu) &&
      (borderStyle_ == bsDialog || !(borderIcons_ & (biMinimize | biMaximize))))
    ex |= WS_EX_CONTEXTHELP;
  return ex;
}

void TCustomForm::PlaceOnScreen(int& x, int& y, int width, int height) const {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  switch (position_) {
    case poScreenCenter: break;
    case poDesktopCenter: area = Screen().WorkAreaRect(); break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* main = MainFormOfHost();
      if (main && main != this && main->HandleAllocated()) GetWindowRect(main->handle_, &area);
      break;
    }
    case poDefault:
    case poDefaultPosOnly:
      x = CW_USEDEFAULT;
      y = CW_USEDEFAULT;
      return;
    default:
      x = left_;
      y = top_;
      return;
  }
  x = area.left + (RectWidth(area) - width) / 2;
  y = area.top + (RectHeight(area) - height) / 2;
  // Never with the title bar off the top or left edge.
  x = std::max(x, 0);
  y = std::max(y, 0);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WindowStyle();
  params.ExStyle = WindowExStyle();
  TCustomForm* main = MainFormOfHost();
  params.WndParent = (main && main != this && main->HandleAllocated()) ? main->handle_ : nullptr;
  if (IsMDIChild()) {
    TCustomForm* parent = MDIParent();
    if (!parent) throw EComponentError("An MDI child form needs an MDI parent form");
    parent->HandleNeeded();
    params.WndParent = parent->ClientHandle();
    if (visible_) params.Style |= WS_VISIBLE;
  }
  int width = width_;
  int height = height_;
  if (clientWidth_ >= 0 && clientHeight_ >= 0) {
    RECT r{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&r, params.Style, FALSE, params.ExStyle);
    width = RectWidth(r);
    height = RectHeight(r);
  }
  params.Width = width;
  params.Height = height;
  if (IsMDIChild())
    PlaceMDIChild(params.X, params.Y);
  else
    PlaceOnScreen(params.X, params.Y, width, height);
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu_ == menu) return;
  if (menu_) {
    menu_->RemoveFreeNotification(this);
    menu_->SetWindow(nullptr);
    menu_->OnBarRebuilt = nullptr;
    if (IsMDIChild()) MergeMenu(false);
  }
  menu_ = menu;
  if (menu_) menu_->FreeNotification(this);
  if (menu_ && IsMDIForm()) menu_->OnBarRebuilt = [this] { MenuBarRebuilt(); };
  if (IsMDIChild() && handle_ && MDIParent() && MDIParent()->ActiveMDIChild() == this) MergeMenu(true);
  if (!handle_ || IsMDIChild()) return;
  ::SetMenu(handle_, menu_ ? menu_->Handle() : nullptr);
  if (menu_) menu_->SetWindow(handle_);
  HoldClientSize();
}

void TCustomForm::CreateWnd() {
  TCustomControl::CreateWnd();
  if (menu_ && !IsMDIChild()) {
    ::SetMenu(handle_, menu_->Handle());
    menu_->SetWindow(handle_);
  }
  // After the menu: the client window lists its children in the window menu.
  if (IsMDIForm()) CreateMDIClient();
  TrimSystemMenu();
  // The size above was a guess from the system's frame; the window now says
  // what frame it really has (a skin may answer WM_NCCALCSIZE itself).
  HoldClientSize();
}

void TCustomForm::HoldClientSize() {
  if (!handle_ || clientWidth_ < 0 || clientHeight_ < 0 || IsIconic(handle_) || IsZoomed(handle_)) return;
  // The frame may depend on the width (a menu bar that wraps): a few rounds.
  for (int round = 0; round < 3; ++round) {
    RECT window, client;
    GetWindowRect(handle_, &window);
    GetClientRect(handle_, &client);
    if (RectWidth(client) == clientWidth_ && RectHeight(client) == clientHeight_) break;
    const int width = clientWidth_ + RectWidth(window) - RectWidth(client);
    const int height = clientHeight_ + RectHeight(window) - RectHeight(client);
    holdingClientSize_ = true;
    SetWindowPos(handle_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    holdingClientSize_ = false;
  }
  NoteClientSizeWindow();
}

void TCustomForm::ClientSizeChanged() {
  if (holdingClientSize_ || frameChanging_ || (ControlState() & csCreating) || !handle_) return;
  if (IsIconic(handle_) || IsZoomed(handle_)) return;
  RECT client;
  GetClientRect(handle_, &client);
  clientWidth_ = RectWidth(client);
  clientHeight_ = RectHeight(client);
  NoteClientSizeWindow();
}

void TCustomForm::NoteClientSizeWindow() {
  RECT window;
  GetWindowRect(handle_, &window);
  clientSizeWindow_ = SIZE{RectWidth(window), RectHeight(window)};
}

bool TCustomForm::SizeChangeUnderWay() const {
  RECT window;
  GetWindowRect(handle_, &window);
  return RectWidth(window) != clientSizeWindow_.cx || RectHeight(window) != clientSizeWindow_.cy;
}

void TCustomForm::TrimSystemMenu() {
  HMENU menu = GetSystemMenu(handle_, FALSE);
  if (!menu) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE));
  if (!(style & WS_THICKFRAME)) DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  if (!(style & WS_MAXIMIZEBOX)) DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  if (!(style & WS_MINIMIZEBOX)) DeleteMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
  if (!(style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) DeleteMenu(menu, SC_RESTORE, MF_BYCOMMAND);
}

void TCustomForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  HoldClientSize();
}

RECT TCustomForm::ClientRect() const {
  if (handle_) return TCustomControl::ClientRect();
  if (clientWidth_ >= 0 && clientHeight_ >= 0) return RECT{0, 0, clientWidth_, clientHeight_};
  return TControl::ClientRect();
}

POINT TCustomForm::ClientOrigin() const {
  if (handle_) return TCustomControl::ClientOrigin();
  return POINT{left_, top_};
}

void TCustomForm::SetVisible(bool visible) {
  if (visible_ == visible) {
    if (visible && handle_) SetForegroundWindow(handle_);
    return;
  }
  visible_ = visible;
  if (visible) {
    HandleNeeded();
    StartupMark("form windows");
    if (IsMDIChild()) {
      // The client window shows and activates its children itself.
      if (!IsWindowVisible(handle_)) ShowWindow(handle_, SW_SHOW);
      MDIParent()->MDIActivate(this);
    } else {
      ShowWindow(handle_, SW_SHOWNORMAL);
    }
    StartupMark("form shown");
    shownOnce_ = true;
    if (OnShow) OnShow(this);
  } else {
    if (OnHide) OnHide(this);
    if (handle_) ShowWindow(handle_, SW_HIDE);
  }
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
}

bool TCustomForm::CanFocus() const { return visible_ && enabled_; }

void TCustomForm::SetFocus() {
  if (!CanFocus() || !handle_) return;
  SetForegroundWindow(handle_);
  SetActiveWindow(handle_);
}

bool TCustomForm::Active() const {
  if (!handle_) return false;
  if (IsMDIChild()) {
    const TCustomForm* parent = MDIParent();
    return parent && parent->ActiveMDIChild() == this && parent->Active();
  }
  return GetActiveWindow() == handle_;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (activeControl_ == control) return;
  if (control && (control == this || GetParentForm(control) != this))
    throw EComponentError("The active control must be a control of the form");
  activeControl_ = control;
  if (control && Active() && control->CanFocus()) ::SetFocus(control->Handle());
}

namespace {
bool Contains(const TControl* ancestor, const TControl* control) {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == ancestor) return true;
  return false;
}
}  // namespace

void TCustomForm::SetFocusedControl(TWinControl* control) {
  activeControl_ = control;
  if (focusedControl_ == control) return;
  TWinControl* previous = focusedControl_;
  focusedControl_ = control;
  // Exit from the old control up to the first container the new one shares;
  // enter from there down to the new control.
  for (TWinControl* w = previous; w && w != this && !Contains(w, control); w = w->Parent()) w->Perform(CM_EXIT);
  std::vector<TWinControl*> entered;
  for (TWinControl* w = control; w && w != this && !(previous && Contains(w, previous)); w = w->Parent())
    entered.push_back(w);
  for (auto it = entered.rbegin(); it != entered.rend(); ++it) (*it)->Perform(CM_ENTER);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  if (activeControl_ && Contains(control, activeControl_)) activeControl_ = nullptr;
  if (focusedControl_ && Contains(control, focusedControl_)) {
    focusedControl_ = nullptr;
    // The window system would otherwise leave the focus nowhere.
    if (!removing && handle_ && control->Focused()) ::SetFocus(handle_);
  }
}

void TCustomForm::SelectFirst() {
  if (TWinControl* first = FindNextControl(nullptr, true, true, false)) {
    first->SetFocus();
  } else if (handle_) {
    ::SetFocus(handle_);
  }
}

void TCustomForm::Activated(bool active, bool minimized) {
  if (!active) {
    if (TFormHost* host = TFormHost::Current()) host->CancelHint();
    if (OnDeactivate) OnDeactivate(this);
    return;
  }
  if (minimized) return;
  if (activeControl_ && activeControl_->CanFocus()) {
    ::SetFocus(activeControl_->Handle());
    activeControl_->Perform(CM_UIACTIVATE);
  } else {
    SelectFirst();
  }
  if (OnActivate) OnActivate(this);
}

bool TCustomForm::HandleDialogKey(TMessage& message) {
  if (message.WParam != VK_TAB) return false;
  const TShiftState shift = KeyboardShiftState();
  if (shift & (ssCtrl | ssAlt)) return false;
  SelectNext(activeControl_, !(shift & ssShift), true);
  message.Result = 1;
  return true;
}

void TCustomForm::Close() {
  if (modal_) {
    if (CloseQuery()) modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  const bool isMain = MainFormOfHost() == this;
  // A closed MDI child goes: the platform cannot hide one cleanly.
  TCloseAction action = (isMain || IsMDIChild()) ? caFree : caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (isMain) {
    Hide();
    TFormHost::Current()->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize:
      if (handle_) ShowWindow(handle_, SW_MINIMIZE);
      break;
    case caFree: Release(); break;
    default: break;
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

TModalResult TCustomForm::ShowModal() {
  if (visible_ || modal_) throw EComponentError("Cannot make a visible window modal");
  TFormHost* host = TFormHost::Current();
  if (!host) throw EComponentError("No application runs the message loop for a modal form");
  modal_ = true;
  modalResult_ = mrNone;
  std::vector<HWND> disabled;
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TCustomForm* other = Screen().Forms(i);
    if (other != this && other->HandleAllocated() && IsWindowEnabled(other->handle_)) {
      EnableWindow(other->handle_, FALSE);
      disabled.push_back(other->handle_);
    }
  }
  Show();
  while (modalResult_ == mrNone && !host->Terminated()) {
    host->HandleMessage();
    if (!Showing()) modalResult_ = mrCancel;
  }
  for (HWND window : disabled)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  Hide();
  modal_ = false;
  return modalResult_;
}

void TCustomForm::Release() {
  if (!TFormHost::Current()) throw EComponentError("No application frees released forms");
  TFormHost::Current()->PostRelease(this);
}

bool TCustomForm::IsShortCut(WORD key, TShiftState shift) {
  const TShortCut shortCut = ShortCut(key, shift);
  if (shortCut == scNone) return false;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* list = dynamic_cast<TActionList*>(Components(i)))
      if (list->IsShortCut(shortCut)) return true;
  return false;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == activeControl_) activeControl_ = nullptr;
  if (component == menu_) {
    if (handle_) ::SetMenu(handle_, nullptr);
    menu_ = nullptr;
  }
  if (component == focusedControl_) focusedControl_ = nullptr;
  if (component == mdiParent_) mdiParent_ = nullptr;
  if (component == windowMenu_) windowMenu_ = nullptr;
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

// A new frame (a skin taking the window over or giving it back) keeps the
// client size; a size the user or the program gives is taken as the new
// client size. True when the message was handled.
bool TCustomForm::HandleSizeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGING:
      // A frame change inside a sizing (a skin shaping the window on the
      // frame paint that the new size causes, before the window has told
      // its new client size) has no client size to keep: the new size is
      // about to become it.
      if ((reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags & (SWP_FRAMECHANGED | SWP_NOSIZE)) ==
              (SWP_FRAMECHANGED | SWP_NOSIZE) &&
          !SizeChangeUnderWay())
        frameChanging_ = true;
      return false;
    case WM_WINDOWPOSCHANGED:
      TCustomControl::WndProc(message);
      if (frameChanging_) {
        frameChanging_ = false;
        HoldClientSize();
      }
      return true;
    case WM_SIZE:
      TCustomControl::WndProc(message);
      if (message.WParam == SIZE_RESTORED) ClientSizeChanged();
      return true;
    case WM_DESTROY:
      // The system would destroy the menu with the window; the menu is ours.
      if (menu_) {
        ::SetMenu(handle_, nullptr);
        menu_->SetWindow(nullptr);
      }
      return false;
    default: return false;
  }
}

void TCustomForm::WndProc(TMessage& message) {
  if (HandleSizeMessage(message) || HandleMDIMessage(message)) return;
  switch (message.Msg) {
    case WM_ACTIVATE: {
      const bool active = LOWORD(message.WParam) != WA_INACTIVE;
      const bool minimized = HIWORD(message.WParam) != 0;
      Activated(active, minimized);
      if (active && !minimized) {
        message.Result = 0;
        return;
      }
      break;
    }
    case WM_SETFOCUS:
      if (activeControl_ && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
        return;
      }
      break;
    case WM_CLOSE:
      Close();
      message.Result = 0;
      return;
    case WM_SYSCOMMAND: {
      const UINT command = static_cast<UINT>(message.WParam & 0xFFF0);
      const DWORD style = static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE));
      // The window system would carry these out even without the buttons.
      if ((command == SC_MAXIMIZE && !(style & WS_MAXIMIZEBOX)) || (command == SC_SIZE && !(style & WS_THICKFRAME))) {
        message.Result = 0;
        return;
      }
      break;
    }
    case WM_NCHITTEST:
      DefaultHandler(message);
      // No sizing edges on a border that does not size.
      if (!(GetWindowLongW(handle_, GWL_STYLE) & WS_THICKFRAME) && message.Result >= HTSIZEFIRST &&
          message.Result <= HTSIZELAST)
        message.Result = HTBORDER;
      return;
    case CM_DIALOGKEY:
      if (HandleDialogKey(message)) return;
      break;
    default: break;
  }
  TCustomControl::WndProc(message);
}

}  // namespace tk
