#include "toolkit/win/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <map>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "toolkit/win/Accessibility.h"
#include "toolkit/win/ErrorRecord.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/MouseTracker.h"
#include "toolkit/win/PaintFocus.h"
#include "toolkit/win/ProgramIcons.h"
#include "toolkit/win/Unicode.h"

namespace tk {

namespace {

std::unordered_map<HWND, TWinControl*>& WindowControls() {
  static std::unordered_map<HWND, TWinControl*> map;
  return map;
}

// The control whose window CreateWindowExW is creating right now: the first
// message of a new window of a toolkit class binds the two. Creations nest
// (a hook may create a window while another is being created), so each
// creation puts back the one it interrupted.
TWinControl* creatingControl = nullptr;

// Toolkit class name -> procedure of the class it is built on.
std::map<std::wstring, WNDPROC>& RegisteredClasses() {
  static std::map<std::wstring, WNDPROC> classes;
  return classes;
}

bool IsMouseButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
         msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsMouseButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

// A window whose client area is the whole window has no border, caption,
// menu or scroll bar for the default frame painting to draw; Wine still takes
// a window device context for it (the first one for a window costs about as
// much as creating the window), so such a frame is not handed on.
bool HasNoFrame(HWND window) {
  if (GetWindowLongW(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) return false;
  RECT outer, inner;
  if (!GetWindowRect(window, &outer) || !GetClientRect(window, &inner)) return false;
  return outer.right - outer.left == inner.right && outer.bottom - outer.top == inner.bottom;
}

}  // namespace

LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FindControl(window);
  if (!control && creatingControl && !creatingControl->handle_) {
    control = creatingControl;
    control->handle_ = window;
    WindowControls()[window] = control;
  }
  if (!control) {
    // A window of a toolkit class that lost its control: let its base class
    // (or DefWindowProcW) finish it.
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    auto it = RegisteredClasses().find(name);
    WNDPROC base = it != RegisteredClasses().end() ? it->second : DefWindowProcW;
    return CallWindowProcW(base, window, msg, wParam, lParam);
  }
  return control->MainWndProc(msg, wParam, lParam);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  BeforeDestruction();
  if (backgroundBrush_) DeleteObject(backgroundBrush_);
}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  // Children that someone else owns go with their parent.
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    RemoveControl(child);
    Free(child);
  }
  DestroyHandle();
  // Leaves the parent while still a windowed control: the parent's tab
  // list and focus must forget it (TControl's destructor no longer can).
  if (container_) container_->RemoveControl(this);
}

TWinControl* TWinControl::FindControl(HWND window) {
  if (!window) return nullptr;
  auto it = WindowControls().find(window);
  return it == WindowControls().end() ? nullptr : it->second;
}

TWinControl* TWinControl::FindControlOrAncestor(HWND window) {
  const HWND desktop = GetDesktopWindow();
  while (window && window != desktop) {
    if (TWinControl* control = FindControl(window)) return control;
    window = GetAncestor(window, GA_PARENT);
  }
  return nullptr;
}

LRESULT TWinControl::MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND window = handle_;
  TMessage message{msg, wParam, lParam, 0};
  MouseTracker().Observe(window, msg);
  if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS || msg == WM_ACTIVATE) FocusMayHaveMoved();
  std::optional<TPaintFocusScope> paintFocus;
  if (IsPaintMessage(msg)) paintFocus.emplace();
  try {
    WindowProc(message);
  } catch (...) {
    if (IsPaintMessage(msg)) {
      // Never a message box from painting: it would paint (and be skinned)
      // in turn. The window paints plainly instead.
      RecordedErrors().RecordCurrent(this, "painting");
      PaintPlainly(message);
    } else {
      ReportWindowException(this);
    }
  }
  if (msg == WM_NCDESTROY) {
    WindowControls().erase(window);
    if (handle_ == window) handle_ = nullptr;
  }
  return message.Result;
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (!handle_) CreateHandle();
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  // Messages the new window sends about itself are not changes by anyone.
  const bool wasCreating = (ControlState() & csCreating) != 0;
  SetControlState(ControlState() | csCreating);
  try {
    CreateWnd();
  } catch (...) {
    if (!wasCreating) SetControlState(ControlState() & ~csCreating);
    throw;
  }
  if (!wasCreating) SetControlState(ControlState() & ~csCreating);
  for (TControl* child : std::vector<TControl*>(controls_))
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->CreateHandle();
  Realign();
}

void TWinControl::CreateSubClass(TCreateParams& params, const wchar_t* systemClass) {
  params.SystemClass = systemClass;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Utf8ToWide(text_);
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle() & csAcceptsControls) {
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (visible_) params.Style |= WS_VISIBLE;
  if (!enabled_) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = left_;
  params.Y = top_;
  params.Width = width_;
  params.Height = height_;
  params.WndParent = Parent() ? Parent()->Handle() : nullptr;
  params.WinClassName = Utf8ToWide(ClassName());
}

void TWinControl::RegisterWindowClass(const TCreateParams& params) {
  auto& classes = RegisteredClasses();
  auto it = classes.find(params.WinClassName);
  if (it != classes.end()) {
    defWndProc_ = it->second;
    return;
  }
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  WNDPROC base = DefWindowProcW;
  if (params.SystemClass) {
    if (!GetClassInfoExW(nullptr, params.SystemClass, &wc))
      throw std::runtime_error("The system window class " + WideToUtf8(params.SystemClass) + " is not available");
    base = wc.lpfnWndProc;
    wc.style |= params.SystemClassStyleAdded;
  } else {
    wc.style = params.ClassStyle;
    wc.hCursor = ArrowCursor();
    // Only a window with a frame shows an icon; a child class needs none.
    if (!(params.Style & WS_CHILD)) {
      wc.hIcon = ProgramIcons().large;
      wc.hIconSm = ProgramIcons().small;
    }
  }
  wc.lpfnWndProc = StdWndProc;
  wc.hInstance = instance;
  wc.lpszClassName = params.WinClassName.c_str();
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error("Cannot register the window class " + WideToUtf8(params.WinClassName));
  classes.emplace(params.WinClassName, base);
  defWndProc_ = base;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EComponentError("Control '" + Name() + "' has no parent window");
  RegisterWindowClass(params);
  CreateWindowHandle(params);
  if (!handle_) throw std::runtime_error("Cannot create the window of '" + Name() + "'");
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  ReadBoundsFromWindow();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  CreateBoundWindow([&] {
    return CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                           params.X, params.Y, params.Width, params.Height, params.WndParent, params.Menu,
                           GetModuleHandleW(nullptr), nullptr);
  });
}

void TWinControl::CreateBoundWindow(const std::function<HWND()>& create) {
  TWinControl* const interrupted = creatingControl;
  creatingControl = this;
  HWND window = nullptr;
  try {
    window = create();
  } catch (...) {
    creatingControl = interrupted;
    throw;
  }
  creatingControl = interrupted;
  if (window && !handle_) {
    handle_ = window;
    WindowControls()[window] = this;
  }
}

void TWinControl::Realign() {
  if (ControlState() & csAligning) return;
  SetControlState(ControlState() | csAligning);
  try {
    RECT rest = ClientRect();
    AdjustClientRect(rest);
    AlignControls(rest);
  } catch (...) {
    SetControlState(ControlState() & ~csAligning);
    throw;
  }
  SetControlState(ControlState() & ~csAligning);
}

void TWinControl::AlignControls(RECT& rest) {
  for (TAlign edge : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* child : std::vector<TControl*>(controls_)) {
      if (child->Align() != edge || !child->Visible()) continue;
      const int w = std::max<int>(0, rest.right - rest.left);
      const int h = std::max<int>(0, rest.bottom - rest.top);
      switch (edge) {
        case alTop:
          child->SetBounds(rest.left, rest.top, w, child->Height());
          rest.top += child->Height();
          break;
        case alBottom:
          child->SetBounds(rest.left, rest.bottom - child->Height(), w, child->Height());
          rest.bottom -= child->Height();
          break;
        case alLeft:
          child->SetBounds(rest.left, rest.top, child->Width(), h);
          rest.left += child->Width();
          break;
        case alRight:
          child->SetBounds(rest.right - child->Width(), rest.top, child->Width(), h);
          rest.right -= child->Width();
          break;
        default: child->SetBounds(rest.left, rest.top, w, h); break;
      }
    }
  }
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* child : std::vector<TControl*>(controls_))
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  // The window may hold text the user typed; keep it for the next window.
  text_ = Text();
  SetControlState(ControlState() | csDestroyingHandle);
  const HWND window = handle_;
  DestroyWindowHandle(window);
  SetControlState(ControlState() & ~csDestroyingHandle);
  if (handle_ == window) {
    WindowControls().erase(window);
    handle_ = nullptr;
  }
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  const bool hadFocus = Focused();
  DestroyHandle();
  if (Parent() == nullptr || Parent()->HandleAllocated()) CreateHandle();
  if (hadFocus && handle_) ::SetFocus(handle_);
}

void TWinControl::ReadBoundsFromWindow() {
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
  UpdateBoundsRect(r);
}

// --- children -------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  control->container_ = this;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(windowed);
    if (windowed->tabOrder_ < 0) windowed->tabOrder_ = static_cast<int>(tabList_.size()) - 1;
  }
  control->Perform(CM_PARENTFONTCHANGED);
  control->Perform(CM_PARENTCOLORCHANGED);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (handle_) windowed->CreateHandle();
  } else {
    control->InvalidateControl(control->Visible(), (control->ControlStyle() & csOpaque) != 0);
  }
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  if (captureControl_ == control) {
    captureControl_ = nullptr;
    if (handle_ && GetCapture() == handle_) ReleaseCapture();
  }
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (TFocusHost* host = FocusHost()) host->DefocusControl(windowed, true);
    windowed->DestroyHandle();
    std::erase(tabList_, windowed);
  } else {
    control->InvalidateControl(control->Visible(), false);
  }
  controls_.erase(std::find(controls_.begin(), controls_.end(), control));
  control->parent_ = nullptr;
  control->container_ = nullptr;
  TMouseRecord::Forget(control);
}

void TWinControl::InvalidateChildArea(const RECT& area, bool erase) {
  if (handle_) InvalidateRect(handle_, &area, erase ? TRUE : FALSE);
}

const TControl* TWinControl::TopControl() const {
  const TControl* top = this;
  while (top->Parent()) top = top->Parent();
  return top;
}

TFocusHost* TWinControl::FocusHost() const {
  return dynamic_cast<TFocusHost*>(const_cast<TControl*>(TopControl()));
}

void TWinControl::UpdateMouseControl(POINT screenPoint) {
  TControl* found = nullptr;
  if (TWinControl* window = FindControlOrAncestor(WindowFromPoint(screenPoint))) {
    POINT local = screenPoint;
    ::ScreenToClient(window->handle_, &local);
    found = window->ControlAtPos(local, false, false);
    if (!found) found = window;
  }
  TMouseRecord::MoveTo(found);
}

void TWinControl::UpdateMouseControl() {
  POINT p;
  if (GetCursorPos(&p)) UpdateMouseControl(p);
}

bool TWinControl::ContainsControl(const TControl* control) const {
  return std::find(controls_.begin(), controls_.end(), control) != controls_.end();
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled, bool allowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!allowWinControls && dynamic_cast<TWinControl*>(c)) continue;
    if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    const RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* child : std::vector<TControl*>(controls_)) {
    if (!ContainsControl(child) || child->IsDestroying()) continue;
    child->Deliver(message);
    if (message.Result != 0) return;
  }
}

// --- tab order and focus --------------------------------------------------

int TWinControl::TabOrder() const {
  if (!Parent() || IsLoading()) return tabOrder_;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  tabOrder_ = order;
  if (!Parent() || IsLoading()) return;
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  const int index = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + index, this);
}

void TWinControl::SetTabStop(bool value) {
  if (tabStop_ == value) return;
  tabStop_ = value;
  if (handle_) {
    LONG style = GetWindowLongW(handle_, GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    SetWindowLongW(handle_, GWL_STYLE, style);
  }
}

void TWinControl::FixupTabList() {
  std::stable_sort(tabList_.begin(), tabList_.end(), [](const TWinControl* a, const TWinControl* b) {
    const int oa = a->tabOrder_ < 0 ? INT_MAX : a->tabOrder_;
    const int ob = b->tabOrder_ < 0 ? INT_MAX : b->tabOrder_;
    return oa < ob;
  });
  for (std::size_t i = 0; i < tabList_.size(); ++i) tabList_[i]->tabOrder_ = static_cast<int>(i);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), current);
  int index = found == list.end() ? (goForward ? -1 : count) : static_cast<int>(found - list.begin());
  for (int step = 0; step < count; ++step) {
    index = goForward ? (index + 1) % count : (index - 1 + count) % count;
    TWinControl* candidate = list[static_cast<std::size_t>(index)];
    if (candidate == current) break;
    if (checkTabStop && !candidate->TabStop()) continue;
    if (checkParent && candidate->Parent() != this) continue;
    if (candidate->CanFocus()) return candidate;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false)) next->SetFocus();
}

bool TWinControl::Focused() const { return handle_ && FocusedWindow() == handle_; }

bool TWinControl::CanFocus() const {
  if (!FocusHost()) return false;
  const TControl* form = TopControl();
  for (const TControl* c = this; c && c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return form->Visible() && form->Enabled();
}

void TWinControl::SetFocus() {
  TFocusHost* host = FocusHost();
  if (host && !TopControl()->Showing()) {
    host->SetActiveControl(this);
    return;
  }
  if (!CanFocus()) return;
  ::SetFocus(Handle());
}

// --- state ----------------------------------------------------------------

std::string TWinControl::Text() const {
  if (!handle_) return text_;
  const int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(handle_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return WideToUtf8(text);
}

void TWinControl::SetText(std::string_view text) {
  if (Text() == text) return;
  text_ = text;
  if (handle_) SetWindowTextW(handle_, Utf8ToWide(text).c_str());
  Perform(CM_TEXTCHANGED);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (handle_) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  UpdateBoundsRect(BoundsToRect(left, top, width, height));
  if (Align() != alNone && Parent()) Parent()->Realign();
}

RECT TWinControl::ClientRect() const {
  if (!handle_) return TControl::ClientRect();
  RECT r;
  GetClientRect(handle_, &r);
  return r;
}

POINT TWinControl::ClientOrigin() const {
  if (!handle_) return TControl::ClientOrigin();
  POINT origin{0, 0};
  ::ClientToScreen(handle_, &origin);
  return origin;
}

void TWinControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  if (!visible) {
    if (TFocusHost* host = FocusHost()) host->DefocusControl(this, false);
  }
  visible_ = visible;
  if (handle_)
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (Align() != alNone && Parent()) Parent()->Realign();
  if (!visible && MouseInControl()) UpdateMouseControl();
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  if (!enabled) {
    if (TFocusHost* host = FocusHost()) host->DefocusControl(this, false);
  }
  enabled_ = enabled;
  if (handle_) EnableWindow(handle_, enabled);
  Perform(CM_ENABLEDCHANGED);
}

bool TWinControl::Showing() const { return handle_ && IsWindowVisible(handle_); }

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, (ControlStyle() & csOpaque) ? FALSE : TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::SetCtl3D(bool value) {
  if (ctl3D_ == value) return;
  ctl3D_ = value;
  Perform(CM_CTL3DCHANGED);
}

void TWinControl::SetParentBackground(bool value) {
  SetControlStyle(value ? (ControlStyle() | csParentBackground) : (ControlStyle() & ~csParentBackground));
  Invalidate();
}

HBRUSH TWinControl::BackgroundBrush() {
  const COLORREF color = ColorToRGB(Color());
  if (!backgroundBrush_ || backgroundBrushColor_ != color) {
    if (backgroundBrush_) DeleteObject(backgroundBrush_);
    backgroundBrush_ = CreateSolidBrush(color);
    backgroundBrushColor_ = color;
  }
  return backgroundBrush_;
}

// --- painting -------------------------------------------------------------

void TWinControl::EraseBackground(HDC dc) {
  RECT r;
  GetClientRect(handle_, &r);
  FillRect(dc, &r, BackgroundBrush());
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(paint);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  auto start = controls_.begin();
  if (first) {
    start = std::find(controls_.begin(), controls_.end(), first);
    if (start == controls_.end()) start = controls_.begin();
  }
  const std::vector<TControl*> children(start, controls_.end());
  for (TControl* child : children) {
    if (dynamic_cast<TWinControl*>(child) || !child->Visible() || child->IsDestroying()) continue;
    if (child->Width() <= 0 || child->Height() <= 0) continue;
    const RECT bounds = child->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, child->Left(), child->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
    try {
      child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    } catch (...) {
      // The child's place keeps the parent's background; the rest paints.
      RecordedErrors().RecordCurrent(child, "painting");
    }
  }
}

void TWinControl::PaintHandler(TMessage& message) {
  const bool hasGraphicChildren = std::any_of(controls_.begin(), controls_.end(),
                                              [](TControl* c) { return !dynamic_cast<TWinControl*>(c); });
  if (!PaintsItself() && !hasGraphicChildren) {
    DefaultHandler(message);
    return;
  }
  message.Result = 0;
  if (message.WParam) {
    PaintContent(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  TPaintDC paint(handle_);
  if (!doubleBuffered_) {
    PaintContent(paint.Get());
    return;
  }
  // Everything into one off-screen image, then one copy: no flicker.
  RECT client;
  GetClientRect(handle_, &client);
  TMemoryDC memory(paint.Get());
  TBitmapHandle image(CreateCompatibleBitmap(paint.Get(), std::max(1, RectWidth(client)), std::max(1, RectHeight(client))));
  {
    TSelection selected(memory.Get(), image.Get());
    if (PaintsItself()) EraseBackground(memory.Get());
    PaintContent(memory.Get());
    const RECT& area = paint.Area();
    BitBlt(paint.Get(), area.left, area.top, RectWidth(area), RectHeight(area), memory.Get(), area.left, area.top,
           SRCCOPY);
  }
}

void TWinControl::PaintContent(HDC dc) {
  try {
    TSavedDC saved(dc);
    PaintWindow(dc);
  } catch (...) {
    // The control's own painting failed: its plain background instead, once
    // recorded, and its graphic children still paint.
    RecordedErrors().RecordCurrent(this, "painting");
    if (PaintsItself()) EraseBackground(dc);
  }
  PaintControls(dc, nullptr);
}

void TWinControl::PaintPlainly(TMessage& message) {
  try {
    DefaultHandler(message);
  } catch (...) {
    RecordedErrors().RecordCurrent(this, "painting plainly");
  }
}

// --- messages -------------------------------------------------------------

bool TWinControl::RouteMouseToGraphicChild(TMessage& message) {
  const bool down = IsMouseButtonDown(message.Msg);
  const bool up = IsMouseButtonUp(message.Msg);
  const POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = captureControl_;
  if (!target) {
    // While this window itself holds the mouse, its children get nothing.
    if (!down && GetCapture() == handle_) return false;
    target = ControlAtPos(p, false, false);
  }
  if (!target) return false;
  TMessage routed{message.Msg, message.WParam, MAKELPARAM(p.x - target->Left(), p.y - target->Top()), 0};
  if (down && (target->ControlStyle() & csCaptureMouse)) {
    captureControl_ = target;
    SetCapture(handle_);
  }
  target->Deliver(routed);
  if (up && captureControl_ && !(message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    captureControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  message.Result = routed.Result;
  return true;
}

bool TWinControl::ReflectNotification(TMessage& message, HWND child, UINT reflected) {
  TWinControl* control = FindControl(child);
  if (!control || control == this) return false;
  TMessage back{reflected, message.WParam, message.LParam, 0};
  control->Deliver(back);
  const bool colour = reflected >= CN_BASE + WM_CTLCOLORMSGBOX && reflected <= CN_BASE + WM_CTLCOLORSTATIC;
  if (colour && back.Result == 0) return false;
  message.Result = back.Result;
  return true;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// Each part answers true when it handled the message; the rest goes on to
// TControl's handling.
bool TWinControl::HandleMouseMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      POINT screen{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      ::ClientToScreen(handle_, &screen);
      UpdateMouseControl(screen);
      return RouteMouseToGraphicChild(message);
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (RouteMouseToGraphicChild(message)) return true;
      if (message.Msg == WM_LBUTTONDOWN && (ControlStyle() & csCaptureMouse) && PaintsItself()) SetCapture(handle_);
      return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (RouteMouseToGraphicChild(message)) return true;
      if (message.Msg == WM_LBUTTONUP && PaintsItself() && GetCapture() == handle_) ReleaseCapture();
      return false;
    // The frame counts as the window: the mouse is in the control until it
    // leaves the window through the frame.
    case WM_NCMOUSEMOVE:
      UpdateMouseControl(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      return false;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
      UpdateMouseControl();
      return true;
    case WM_CAPTURECHANGED: captureControl_ = nullptr; return false;
    default: return false;
  }
}

bool TWinControl::HandleKeyMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      WORD key = static_cast<WORD>(message.WParam);
      const bool down = message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN;
      if (down)
        KeyDown(key, KeyboardShiftState());
      else
        KeyUp(key, KeyboardShiftState());
      if (key == 0) return true;
      message.WParam = key;
      break;
    }
    case WM_CHAR: {
      auto key = static_cast<wchar_t>(message.WParam);
      KeyPress(key);
      if (key == 0) return true;
      message.WParam = key;
      break;
    }
    default: return false;
  }
  DefaultHandler(message);
  return true;
}

// Notifications from child windows and from menus this window owns: menu
// items measure, draw and click; a system control's notification goes back
// to the control that sent it.
bool TWinControl::HandleChildNotification(TMessage& message) {
  switch (message.Msg) {
    case WM_MEASUREITEM: return TMenu::Dispatch(message);
    case WM_COMMAND:
      if (TMenu::Dispatch(message)) return true;
      return message.LParam && ReflectNotification(message, reinterpret_cast<HWND>(message.LParam), CN_COMMAND);
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(message.LParam);
      return header && ReflectNotification(message, header->hwndFrom, CN_NOTIFY);
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (!item) return false;
      if (item->CtlType == ODT_MENU) return TMenu::Dispatch(message);
      return ReflectNotification(message, item->hwndItem, CN_DRAWITEM);
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return ReflectNotification(message, reinterpret_cast<HWND>(message.LParam), CN_BASE + message.Msg);
    default: return false;
  }
}

bool TWinControl::HandleToolkitNotification(TMessage& message) {
  switch (message.Msg) {
    case CM_FONTCHANGED:
      if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
      Invalidate();
      for (TControl* child : std::vector<TControl*>(controls_)) child->Perform(CM_PARENTFONTCHANGED);
      return true;
    case CM_COLORCHANGED:
      Invalidate();
      for (TControl* child : std::vector<TControl*>(controls_)) child->Perform(CM_PARENTCOLORCHANGED);
      return true;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      return true;
    case CM_FOCUSCHANGED:
      for (TControl* child : std::vector<TControl*>(controls_))
        if (ContainsControl(child)) child->Deliver(message);
      return true;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      Broadcast(message);
      return true;
    case CM_ENTER: DoEnter(); return true;
    case CM_EXIT: DoExit(); return true;
    default: return false;
  }
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintHandler(message); return;
    case WM_ERASEBKGND:
      if (!PaintsItself()) break;
      if (!doubleBuffered_) EraseBackground(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_SETFOCUS: {
      DefaultHandler(message);
      TFocusHost* host = FocusHost();
      if (host && TopControl() != this) host->SetFocusedControl(this);
      return;
    }
    case WM_WINDOWPOSCHANGED: {
      DefaultHandler(message);
      ReadBoundsFromWindow();
      const UINT flags = reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags;
      if (!(flags & SWP_NOSIZE)) Realign();
      if (Align() != alNone && Parent() && (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW) || !(flags & SWP_NOSIZE)))
        Parent()->Realign();
      return;
    }
    case WM_GETOBJECT:
      if (AnswerAccessibleObject(*this, message.WParam, message.LParam, message.Result)) return;
      break;
    default:
      if (HandleMouseMessage(message) || HandleKeyMessage(message) || HandleChildNotification(message) ||
          HandleToolkitNotification(message))
        return;
      break;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!handle_) {
    TControl::DefaultHandler(message);
    return;
  }
  if (message.Msg == WM_NCPAINT && HasNoFrame(handle_)) {
    message.Result = 0;
    return;
  }
  message.Result = CallWindowProcW(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
}

}  // namespace tk
