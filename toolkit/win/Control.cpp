#include "toolkit/win/Control.h"

#include <windowsx.h>

#include <cwctype>

#include "toolkit/win/Unicode.h"

namespace tk {

TShiftState KeyboardShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TShiftState ShiftStateFromMouseFlags(WPARAM flags) {
  TShiftState shift = 0;
  if (flags & MK_SHIFT) shift |= ssShift;
  if (flags & MK_CONTROL) shift |= ssCtrl;
  if (flags & MK_LBUTTON) shift |= ssLeft;
  if (flags & MK_RBUTTON) shift |= ssRight;
  if (flags & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

bool IsAccel(wchar_t key, std::string_view caption) {
  const std::wstring text = Utf8ToWide(caption);
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] == L'&') {
      ++i;
      continue;
    }
    return std::towupper(text[i + 1]) == std::towupper(key);
  }
  return false;
}

TControl::TControl(TComponent* owner) : TComponent(owner), WindowProc([this](TMessage& message) { WndProc(message); }) {
  font_.OnChange = [this](TFont&) { FontChanged(); };
}

TControl::~TControl() {
  BeforeDestruction();
  if (container_) container_->RemoveControl(this);
  if (action_) {
    action_->UnregisterClient(this);
    action_ = nullptr;
  }
  font_.OnChange = nullptr;
}

void TControl::BeforeDestruction() {
  TComponent::BeforeDestruction();
  TMouseRecord::Forget(this);
}

namespace {
TControl* mouseControl = nullptr;
}  // namespace

TControl* TMouseRecord::Current() { return mouseControl; }

void TMouseRecord::MoveTo(TControl* control) {
  if (control == mouseControl) return;
  TControl* previous = mouseControl;
  mouseControl = control;
  if (previous) previous->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(previous));
  // A leave handler may have moved the record on already.
  if (control && mouseControl == control) control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
  Changed().Notify(mouseControl);
}

TCallbackList<void(TControl*)>& TMouseRecord::Changed() {
  static TCallbackList<void(TControl*)> listeners;
  return listeners;
}

TCallbackList<void(const TControl*)>& TMouseRecord::Going() {
  static TCallbackList<void(const TControl*)> listeners;
  return listeners;
}

void TMouseRecord::Forget(const TControl* control) {
  if (mouseControl == control) mouseControl = nullptr;
  Going().Notify(control);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::SetParent(TControlParent* parent) {
  if (container_ == parent) return;
  if (parent && &parent->ParentControl() == this) throw EComponentError("A control cannot be its own parent");
  if (parent && IsParentOf(&parent->ParentControl()))
    throw EComponentError("A control cannot be placed on its own child");
  if (container_) container_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* container = dynamic_cast<TControlParent*>(parent)) SetParent(container);
}

TComponent* TControl::GetParentComponent() const { return ParentControl(); }

bool TControl::IsParentOf(const TControl* control) const {
  for (const TControl* c = control; c; c = c->ParentControl())
    if (c == this) return true;
  return false;
}

void TControl::InvalidateControl(bool wasVisible, bool opaque) {
  if (!wasVisible || !container_) return;
  container_->InvalidateChildArea(BoundsRect(), !opaque);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool moved = left != left_ || top != top_;
  const bool sized = width != width_ || height != height_;
  InvalidateControl(visible_, false);
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  InvalidateControl(visible_, (controlStyle_ & csOpaque) != 0);
  if (moved) Perform(WM_MOVE, 0, MAKELPARAM(left, top));
  if (sized) Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
  WINDOWPOS pos{nullptr, nullptr, left, top, width, height, 0};
  if (!moved) pos.flags |= SWP_NOMOVE;
  if (!sized) pos.flags |= SWP_NOSIZE;
  Perform(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  if (align_ != alNone && container_) container_->RequestAlign();
}

void TControl::SetAlign(TAlign align) {
  if (align_ == align) return;
  align_ = align;
  if (container_) container_->RequestAlign();
}

void TControl::UpdateBoundsRect(const RECT& r) {
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
}

RECT TControl::ClientRect() const { return RECT{0, 0, width_, height_}; }

void TControl::SetClientSize(int width, int height) { SetBounds(left_, top_, width, height); }

POINT TControl::ClientOrigin() const {
  POINT origin{left_, top_};
  if (const TControl* parent = ParentControl()) {
    const POINT parentOrigin = parent->ClientOrigin();
    origin.x += parentOrigin.x;
    origin.y += parentOrigin.y;
  }
  return origin;
}

POINT TControl::ClientToScreen(POINT p) const {
  const POINT origin = ClientOrigin();
  return POINT{p.x + origin.x, p.y + origin.y};
}

POINT TControl::ScreenToClient(POINT p) const {
  const POINT origin = ClientOrigin();
  return POINT{p.x - origin.x, p.y - origin.y};
}

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  if (!visible) InvalidateControl(true, false);
  visible_ = visible;
  if (visible) InvalidateControl(true, (controlStyle_ & csOpaque) != 0);
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (align_ != alNone && container_) container_->RequestAlign();
  if (!visible && MouseInControl()) {
    if (container_)
      container_->ChildHiddenUnderMouse();
    else
      TMouseRecord::MoveTo(nullptr);
  }
}

bool TControl::Showing() const { return visible_ && container_ && ParentControl()->Showing(); }

void TControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(std::string_view text) {
  if (text_ == text) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
}

void TControl::SetName(std::string_view name) {
  const std::string oldName = Name();
  const bool followsName = (controlStyle_ & csSetCaption) && !IsLoading() && !IsReading() && Text() == oldName;
  TComponent::SetName(name);
  if (followsName) SetText(Name());
}

void TControl::FontChanged() {
  if (!updatingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color_ == color) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetColorFromParent(TColor color) {
  if (color_ == color) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetShowHint(bool value) {
  parentShowHint_ = false;
  if (showHint_ == value) return;
  showHint_ = value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
  if (biDiMode_ == mode) return;
  biDiMode_ = mode;
  Perform(CM_BIDIMODECHANGED);
  Invalidate();
}

bool TControl::UseRightToLeftReading() const { return biDiMode_ != bdLeftToRight && SystemReadsRightToLeft(); }

bool TControl::UseRightToLeftAlignment() const { return biDiMode_ == bdRightToLeft && SystemReadsRightToLeft(); }

UINT TControl::DrawTextBiDiModeFlags(UINT flags) const {
  return tk::DrawTextBiDiModeFlags(flags, biDiMode_, SystemReadsRightToLeft());
}

void TControl::SetParentShowHint(bool value) {
  if (parentShowHint_ == value) return;
  parentShowHint_ = value;
  Perform(CM_SHOWHINTCHANGED);
}

bool TControl::EffectiveShowHint() const {
  if (parentShowHint_ && container_) return ParentControl()->EffectiveShowHint();
  return showHint_;
}

void TControl::SetAction(TBasicAction* action) {
  if (action_ == action) return;
  if (action_) {
    action_->UnregisterClient(this);
    action_->RemoveFreeNotification(this);
  }
  action_ = action;
  if (action) {
    action->RegisterClient(this);
    action->FreeNotification(this);
    ActionChange(action, IsLoading());
  }
}

void TControl::ActionChange(TBasicAction* sender, bool checkDefaults) {
  auto* action = dynamic_cast<TAction*>(sender);
  if (!action) return;
  if (!checkDefaults || Text().empty()) SetText(action->Caption());
  if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
  if (!checkDefaults || hint_.empty()) SetHint(action->Hint());
  if (!checkDefaults || visible_) SetVisible(action->Visible());
}

void TControl::ActionUpdated(TBasicAction* sender) { Perform(CM_ACTIONUPDATE, 0, reinterpret_cast<LPARAM>(sender)); }

void TControl::ActionGone(TBasicAction* sender) {
  if (action_ == sender) action_ = nullptr;
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == action_) action_ = nullptr;
}

void TControl::Invalidate() { InvalidateControl(visible_, (controlStyle_ & csOpaque) != 0); }

void TControl::Update() {
  if (TControl* parent = ParentControl()) parent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Click() {
  if (OnClick)
    OnClick(this);
  else if (action_)
    action_->Execute();
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::HandleMouseButton(TMessage& message, TMouseButton button, bool down, bool doubleClick) {
  DefaultHandler(message);
  const int x = GET_X_LPARAM(message.LParam);
  const int y = GET_Y_LPARAM(message.LParam);
  TShiftState shift = ShiftStateFromMouseFlags(message.WParam);
  if (doubleClick) shift |= ssDouble;
  if (down) {
    if (button == mbLeft) {
      controlState_ |= csLButtonDown;
      if (controlStyle_ & csClickEvents) controlState_ |= csClicked;
    }
    if (doubleClick && button == mbLeft) DblClick();
    MouseDown(button, shift, x, y);
    return;
  }
  const bool click = button == mbLeft && (controlState_ & csClicked);
  if (button == mbLeft) controlState_ &= ~(csLButtonDown | csClicked);
  if (click) {
    const RECT client = ClientRect();
    if (PtInRect(&client, POINT{x, y})) Click();
  }
  MouseUp(button, shift, x, y);
}

bool TControl::HandleMouseMessage(TMessage& message) {
  // Controls that do not want double clicks see a second press instead.
  if (!(controlStyle_ & csDoubleClicks)) {
    switch (message.Msg) {
      case WM_LBUTTONDBLCLK: message.Msg = WM_LBUTTONDOWN; break;
      case WM_RBUTTONDBLCLK: message.Msg = WM_RBUTTONDOWN; break;
      case WM_MBUTTONDBLCLK: message.Msg = WM_MBUTTONDOWN; break;
      default: break;
    }
  }
  switch (message.Msg) {
    case WM_LBUTTONDOWN: HandleMouseButton(message, mbLeft, true, false); return true;
    case WM_LBUTTONDBLCLK: HandleMouseButton(message, mbLeft, true, true); return true;
    case WM_LBUTTONUP: HandleMouseButton(message, mbLeft, false, false); return true;
    case WM_RBUTTONDOWN: HandleMouseButton(message, mbRight, true, false); return true;
    case WM_RBUTTONDBLCLK: HandleMouseButton(message, mbRight, true, true); return true;
    case WM_RBUTTONUP: HandleMouseButton(message, mbRight, false, false); return true;
    case WM_MBUTTONDOWN: HandleMouseButton(message, mbMiddle, true, false); return true;
    case WM_MBUTTONDBLCLK: HandleMouseButton(message, mbMiddle, true, true); return true;
    case WM_MBUTTONUP: HandleMouseButton(message, mbMiddle, false, false); return true;
    case WM_MOUSEMOVE:
      DefaultHandler(message);
      MouseMove(ShiftStateFromMouseFlags(message.WParam), GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
      return true;
    default: return false;
  }
}

// The control's own state changed, or its parent's that it follows.
bool TControl::HandleNotification(TMessage& message) {
  switch (message.Msg) {
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
      Invalidate();
      return true;
    case CM_PARENTFONTCHANGED:
      if (parentFont_ && container_) {
        updatingParentFont_ = true;
        font_.Assign(ParentControl()->Font());
        updatingParentFont_ = false;
      }
      return true;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_ && container_) SetColorFromParent(ParentControl()->Color());
      return true;
    case CM_ACTIONUPDATE:
      if (auto* action = dynamic_cast<TAction*>(action_)) {
        if (enabled_ != action->Enabled()) SetEnabled(action->Enabled());
      }
      return true;
    default: return false;
  }
}

void TControl::WndProc(TMessage& message) {
  if (HandleMouseMessage(message) || HandleNotification(message)) return;
  DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_GETTEXT: {
      if (message.WParam == 0) return;
      const std::wstring text = Utf8ToWide(text_);
      const std::size_t count = std::min<std::size_t>(text.size(), message.WParam - 1);
      auto* buffer = reinterpret_cast<wchar_t*>(message.LParam);
      text.copy(buffer, count);
      buffer[count] = L'\0';
      message.Result = static_cast<LRESULT>(count);
      return;
    }
    case WM_GETTEXTLENGTH: message.Result = static_cast<LRESULT>(Utf8ToWide(text_).size()); return;
    case WM_SETTEXT:
      text_ = WideToUtf8(reinterpret_cast<const wchar_t*>(message.LParam));
      message.Result = TRUE;
      return;
    default: message.Result = 0; return;
  }
}

}  // namespace tk
