// The MDI side of forms: the client window of an MDI form and the children
// living in it. Everything the platform does for MDI it does here too: the
// frame's unhandled messages go to DefFrameProc, a child's to
// DefMDIChildProc, children are made and destroyed by their client window
// (WM_MDICREATE, WM_MDIDESTROY), and activation, maximizing, tiling and
// cascading are the client window's WM_MDI* messages.

#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "toolkit/win/Form.h"
#include "toolkit/win/Menus.h"

namespace tk {

namespace {
// Commands of the window menu's child list start here, far from the
// toolkit's menu commands.
constexpr UINT kFirstMDIChildCommand = 0xFF00;

TCustomForm* MainFormOfHost() { return TFormHost::Current() ? TFormHost::Current()->MainForm() : nullptr; }
}  // namespace

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (formStyle_ == style) return;
  if (handle_ && (style == fsMDIChild || formStyle_ == fsMDIChild))
    throw EComponentError("A form becomes or stops being an MDI child only before its window exists");
  formStyle_ = style;
  if (handle_) RecreateWnd();
}

TCustomForm* TCustomForm::MDIParent() const {
  if (!IsMDIChild()) return nullptr;
  if (mdiParent_) return mdiParent_;
  TCustomForm* main = MainFormOfHost();
  return main && main->IsMDIForm() ? main : nullptr;
}

void TCustomForm::SetMDIParent(TCustomForm* parent) {
  if (mdiParent_ == parent) return;
  if (parent && !parent->IsMDIForm()) throw EComponentError("The MDI parent must be an MDI form");
  if (handle_) throw EComponentError("An MDI child changes its parent only before its window exists");
  if (mdiParent_) mdiParent_->RemoveFreeNotification(this);
  mdiParent_ = parent;
  if (mdiParent_) mdiParent_->FreeNotification(this);
}

void TCustomForm::PlaceMDIChild(int& x, int& y) const {
  if (position_ == poDefault || position_ == poDefaultPosOnly) {
    x = CW_USEDEFAULT;
    y = CW_USEDEFAULT;
  } else {
    x = left_;
    y = top_;
  }
}

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT create{};
  create.hWindowMenu = windowMenu_ ? windowMenu_->Handle() : nullptr;
  create.idFirstChild = kFirstMDIChildCommand;
  const RECT r = ClientRect();
  clientHandle_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, handle_, nullptr,
                                  GetModuleHandleW(nullptr), &create);
  if (!clientHandle_) throw std::runtime_error("Cannot create the MDI client window of '" + Name() + "'");
}

void TCustomForm::CreateWindowHandle(const TCreateParams& params) {
  if (IsMDIChild()) {
    CreateMDIChildWindow(params);
    return;
  }
  TCustomControl::CreateWindowHandle(params);
}

void TCustomForm::CreateMDIChildWindow(const TCreateParams& params) {
  MDICREATESTRUCTW create{};
  create.szClass = params.WinClassName.c_str();
  create.szTitle = params.Caption.c_str();
  create.hOwner = GetModuleHandleW(nullptr);
  create.x = params.X;
  create.y = params.Y;
  create.cx = params.Width;
  create.cy = params.Height;
  create.style = params.Style;
  const HWND client = params.WndParent;
  CreateBoundWindow([&] {
    return reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  });
}

void TCustomForm::DestroyWnd() {
  if (IsMDIChild()) MergeMenu(false);
  TCustomControl::DestroyWnd();
  clientHandle_ = nullptr;
}

void TCustomForm::DestroyWindowHandle(HWND window) {
  const HWND client = GetParent(window);
  if (IsMDIChild() && client && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    if (IsWindow(window)) DestroyWindow(window);
    return;
  }
  TCustomControl::DestroyWindowHandle(window);
}

void TCustomForm::DefaultHandler(TMessage& message) {
  if (!handle_) {
    TCustomControl::DefaultHandler(message);
    return;
  }
  if (IsMDIChild() && (GetWindowLongW(handle_, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
    message.Result = DefMDIChildProcW(handle_, message.Msg, message.WParam, message.LParam);
    return;
  }
  // The frame's own WM_SIZE would stretch the client window over the whole
  // client area; the aligned children keep their room (AlignControls).
  if (IsMDIForm() && clientHandle_ && message.Msg != WM_SIZE) {
    message.Result = DefFrameProcW(handle_, clientHandle_, message.Msg, message.WParam, message.LParam);
    return;
  }
  TCustomControl::DefaultHandler(message);
}

void TCustomForm::AlignControls(RECT& rest) {
  TCustomControl::AlignControls(rest);
  if (!clientHandle_) return;
  SetWindowPos(clientHandle_, nullptr, rest.left, rest.top, std::max<int>(0, rest.right - rest.left),
               std::max<int>(0, rest.bottom - rest.top), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TCustomForm::HandleMDIMessage(TMessage& message) {
  if (!IsMDIChild()) return false;
  switch (message.Msg) {
    case WM_MDIACTIVATE:
      DefaultHandler(message);
      MergeMenu(reinterpret_cast<HWND>(message.LParam) == handle_);
      Activated(reinterpret_cast<HWND>(message.LParam) == handle_, IsIconic(handle_) != FALSE);
      return true;
    case WM_SETFOCUS:
      // The child's client window makes it the active child first.
      DefaultHandler(message);
      if (activeControl_ && activeControl_->CanFocus()) ::SetFocus(activeControl_->Handle());
      return true;
    default: return false;
  }
}

int TCustomForm::MDIChildCount() const {
  int count = 0;
  while (MDIChildren(count)) ++count;
  return count;
}

TCustomForm* TCustomForm::MDIChildren(int index) const {
  if (!clientHandle_ || index < 0) return nullptr;
  for (HWND w = GetWindow(clientHandle_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    auto* form = dynamic_cast<TCustomForm*>(FindControl(w));
    if (form && form->IsMDIChild() && index-- == 0) return form;
  }
  return nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild(bool* maximized) const {
  BOOL zoomed = FALSE;
  const HWND active =
      clientHandle_ ? reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0,
                                                          reinterpret_cast<LPARAM>(&zoomed)))
                    : nullptr;
  if (maximized) *maximized = active && zoomed;
  return dynamic_cast<TCustomForm*>(FindControl(active));
}

void TCustomForm::Cascade() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile() {
  if (clientHandle_)
    SendMessageW(clientHandle_, WM_MDITILE, tileMode_ == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::ArrangeIcons() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDINEXT, 0, 1);
}

namespace {
void SendToClient(HWND client, UINT msg, TCustomForm* child) {
  if (client && child && child->HandleAllocated())
    SendMessageW(client, msg, reinterpret_cast<WPARAM>(child->Handle()), 0);
}
}  // namespace

void TCustomForm::MDIActivate(TCustomForm* child) { SendToClient(clientHandle_, WM_MDIACTIVATE, child); }
void TCustomForm::MDIMaximize(TCustomForm* child) { SendToClient(clientHandle_, WM_MDIMAXIMIZE, child); }
void TCustomForm::MDIRestore(TCustomForm* child) { SendToClient(clientHandle_, WM_MDIRESTORE, child); }

void TCustomForm::MergeMenu(bool active) {
  TCustomForm* parent = MDIParent();
  TMainMenu* bar = parent ? parent->Menu() : nullptr;
  if (!bar) return;
  if (active)
    bar->Merge(menu_);
  else if (menu_)
    bar->Unmerge(menu_);
}

void TCustomForm::MenuBarRebuilt() {
  if (clientHandle_ && windowMenu_ && windowMenu_->Handle())
    SendMessageW(clientHandle_, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(windowMenu_->Handle()));
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
  if (windowMenu_ == item) return;
  if (windowMenu_) windowMenu_->RemoveFreeNotification(this);
  windowMenu_ = item;
  if (windowMenu_) windowMenu_->FreeNotification(this);
  if (!clientHandle_ || !windowMenu_ || !windowMenu_->Handle()) return;
  SendMessageW(clientHandle_, WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(windowMenu_->Handle()));
  DrawMenuBar(handle_);
}

}  // namespace tk
