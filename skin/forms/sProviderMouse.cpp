// The mouse on the skinned frame: caption buttons that light up under it,
// are pressed and act when released; the system menu from the title icon
// and from a right click on the caption; double clicks on the caption;
// moving and sizing by the outline.
//
// A pressed caption button holds the mouse until the button is released,
// wherever that happens: the close button then closes (the press was on
// it), the minimize button minimizes only when released over it.
#include "sOutlineDrag.h"
#include "sSkinProvider.h"
#include "sSystemMenu.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Types.h"

namespace skin {

namespace {

bool IsSystemButton(int id) {
  return id == kButtonMinimize || id == kButtonMaximize || id == kButtonClose || id == kButtonHelp ||
         id == HTCHILDCLOSE || id == HTCHILDMAX || id == HTCHILDMIN;
}

POINT ScreenPointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

}  // namespace

void TsSkinProvider::SetHotButton(int id) {
  if (id == hotButton_) return;
  if (buttonCaptured_) return;  // the held button keeps the mouse
  if (TsCaptionButton* previous = Button(hotButton_)) {
    previous->State = 0;
    RepaintButton(hotButton_);
  }
  TsCaptionButton* b = Button(id);
  if (b) b->State = 1;
  hotButton_ = b ? id : 0;
  ButtonPressed = false;
  if (b) RepaintButton(id);
}

void TsSkinProvider::PressButton(int id) {
  if (hotButton_ != id) {
    if (TsCaptionButton* previous = Button(hotButton_)) {
      previous->State = 0;
      RepaintButton(hotButton_);
    }
  }
  TsCaptionButton* b = Button(id);
  if (!b) return;
  const TsFormRules rules = Rules();
  const TsFrameMetrics fm = Metrics();
  if (id == kButtonMaximize && !(rules.maximizeEnabled || (fm.maximized && rules.restoreEnabled))) {
    hotButton_ = 0;
    return;
  }
  if (id == HTCHILDMAX && !rules.maximizeEnabled) {
    hotButton_ = 0;
    return;
  }
  b->State = 2;
  hotButton_ = id;
  ButtonPressed = true;
  RepaintButton(id);
  SetCapture(FormHandle());
  buttonCaptured_ = GetCapture() == FormHandle();
}

void TsSkinProvider::FireUserButton(int index, bool down, LPARAM screenPoint) {
  if (index < 0 || index >= titleButtons_.Count()) return;
  TsTitleButton& b = *titleButtons_.Button(index);
  const POINT p = ScreenPointOf(screenPoint);
  const tk::TMouseEvent& handler = down ? b.OnMouseDown : b.OnMouseUp;
  if (handler) handler(&b, tk::mbLeft, 0, p.x, p.y);
}

void TsSkinProvider::ShowSystemMenuAtIcon() {
  RECT window;
  GetWindowRect(FormHandle(), &window);
  const TsFrameMetrics fm = Metrics();
  ShowSystemMenu(window.left + fm.frameWidth, window.top + fm.frameHeight + fm.extraBorder + fm.iconHeight);
}

void TsSkinProvider::ShowSystemMenu(int x, int y) {
  if (!systemMenu_) systemMenu_.reset(tk::Create<TsSystemMenu>(*this));
  systemMenu_->SetSkinned(Skinned() ? skinData_->ActiveManager() : nullptr);
  systemMenu_->ShowAt(x, y);
}

void TsSkinProvider::HandleNcLButtonDown(tk::TMessage& m) {
  const int hit = static_cast<int>(m.WParam);
  if (hit == HTSYSMENU) {
    SetHotButton(0);
    ShowSystemMenuAtIcon();
    return;
  }
  if (IsSystemButton(hit)) {
    // Clicks on the maximized child's disabled buttons are ignored.
    if (ChildButtonPressAllowed(hit)) PressButton(hit);
    return;
  }
  if (hit >= HTUDBTN && hit - HTUDBTN < titleButtons_.Count()) {
    PressButton(hit);
    FireUserButton(hit - HTUDBTN, true, m.LParam);
    return;
  }
  const TsFrameMetrics fm = Metrics();
  if (fm.minimized) {
    SysCommand(SC_MOVE | HTCAPTION);
    return;
  }
  SetHotButton(0);
  if (fm.maximized && WindowPointOf(m.LParam).y <= fm.TitleHeight()) {
    // A maximized window is not dragged by its title bar.
    if (!form_->Active()) form_->SetFocus();
    return;
  }
  if (resizeMode_ == rmStandard || hit == HTMENU) return OldWndProc(m);
  // The outline drag: the window comes to the front as a click on it
  // would bring it, then the outline follows the mouse.
  if (!form_->Active()) form_->SetFocus();
  const bool sizing = hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
  if (!drag_) drag_ = std::make_unique<TsOutlineDrag>(FormHandle());
  if (sizing) drag_->SetEdgeKind(hit);
  // The command carries the point where the outline starts.
  if (const HWND h = FormHandle()) SendMessageW(h, WM_SYSCOMMAND, sizing ? SC_SIZE : SC_MOVE, m.LParam);
  drag_->Start(ScreenPointOf(m.LParam));
}

void TsSkinProvider::ReleaseButton(int id, POINT p) {
  TsCaptionButton* b = Button(id);
  const TsFormRules rules = Rules();
  const TsFrameMetrics fm = Metrics();
  const bool pressed = ButtonPressed;
  auto over = [&] {
    return b && p.x >= b->Rect.Left && p.x < b->Rect.Right && p.y >= b->Rect.Top && p.y < b->Rect.Bottom;
  };
  switch (id) {
    case kButtonMinimize:
      SetHotButton(0);
      if (pressed && over()) {
        const bool mainForm = tk::Application().MainForm() == form_;
        SysCommand(mainForm ? SC_MINIMIZE : (fm.minimized ? SC_RESTORE : SC_MINIMIZE));
      }
      return;
    case kButtonMaximize:
      SetHotButton(0);
      if (!pressed || !(rules.maximizeEnabled || (fm.maximized && rules.restoreEnabled))) return;
      SysCommand(fm.maximized ? SC_RESTORE : SC_MAXIMIZE);
      UpdateSystemMenuItems();
      return;
    case kButtonClose:
      if (b) b->State = 0;
      hotButton_ = 0;
      ButtonPressed = false;
      if (pressed) {
        RepaintButton(kButtonClose);
        SysCommand(SC_CLOSE);
      }
      return;
    case kButtonHelp:
      SetHotButton(0);
      if (!pressed) return;
      SysCommand(SC_CONTEXTHELP);
      UpdateSystemMenuItems();
      RepaintFrame();
      return;
    case HTCHILDCLOSE:
    case HTCHILDMAX:
    case HTCHILDMIN:
      ReleaseChildButton(id);
      return;
    default: break;
  }
  if (id >= HTUDBTN) {
    SetHotButton(0);
    if (pressed) FireUserButton(id - HTUDBTN, false, MAKELPARAM(p.x, p.y));
    return;
  }
  SetHotButton(0);
}

// While a caption button holds the mouse: the button looks pressed while
// the mouse is over it, and acts when released.
bool TsSkinProvider::HandleCapturedMouse(tk::TMessage& m) {
  if (!buttonCaptured_) return false;
  const int id = hotButton_;
  TsCaptionButton* b = Button(id);
  const TsFrameMetrics fm = Metrics();
  auto windowPoint = [&] {
    return POINT{static_cast<short>(LOWORD(m.LParam)) + fm.clientOffsetX,
                 static_cast<short>(HIWORD(m.LParam)) + fm.clientOffsetY};
  };
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      const POINT p = windowPoint();
      const bool over = b && p.x >= b->Rect.Left && p.x < b->Rect.Right && p.y >= b->Rect.Top && p.y < b->Rect.Bottom;
      const int state = over ? 2 : 0;
      if (b && b->State != state) {
        b->State = state;
        RepaintButton(id);
      }
      return true;
    }
    case WM_LBUTTONUP: {
      buttonCaptured_ = false;
      if (GetCapture() == FormHandle()) ReleaseCapture();
      POINT p = windowPoint();
      if (id >= HTUDBTN) {
        POINT screen{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
        ClientToScreen(FormHandle(), &screen);
        const bool pressed = ButtonPressed;
        SetHotButton(0);
        if (pressed) FireUserButton(id - HTUDBTN, false, MAKELPARAM(screen.x, screen.y));
        return true;
      }
      ReleaseButton(id, p);
      return true;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(m.LParam) != FormHandle()) {
        buttonCaptured_ = false;
        SetHotButton(0);
      }
      return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return true;
    default: return false;
  }
}

void TsSkinProvider::HandleButtonUp(tk::TMessage& m) {
  if (m.Msg == WM_NCLBUTTONUP) {
    const int hit = static_cast<int>(m.WParam);
    if (IsSystemButton(hit) || (hit >= HTUDBTN && hit - HTUDBTN < titleButtons_.Count())) {
      if (hit != hotButton_) return SetHotButton(0);
      if (hit >= HTUDBTN) {
        const bool pressed = ButtonPressed;
        SetHotButton(0);
        if (pressed) FireUserButton(hit - HTUDBTN, false, m.LParam);
        return;
      }
      ReleaseButton(hit, WindowPointOf(m.LParam));
      return;
    }
  }
  const TsFrameMetrics fm = Metrics();
  if (!fm.minimized && resizeMode_ == rmBorder && !fm.maximized && drag_ && drag_->Active()) {
    POINT p = ScreenPointOf(m.LParam);
    if (m.Msg == WM_LBUTTONUP) {
      p = POINT{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      ClientToScreen(FormHandle(), &p);
    }
    drag_->End(p);
    return;
  }
  OldWndProc(m);
}

void TsSkinProvider::HandleMouseMoveWhileDragging(tk::TMessage& m) {
  OldWndProc(m);
  if (!drag_ || !drag_->Active()) return;
  POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
  ClientToScreen(FormHandle(), &p);
  drag_->Track(p);
}

void TsSkinProvider::HandleNcLButtonDblClk(tk::TMessage& m) {
  if (drag_ && drag_->Active()) {
    drag_->End(ScreenPointOf(m.LParam));
    return;
  }
  // A second quick click on a caption button is a click of its own.
  const int hit = static_cast<int>(m.WParam);
  if (IsSystemButton(hit) || (hit >= HTUDBTN && hit - HTUDBTN < titleButtons_.Count())) {
    m.Msg = WM_NCLBUTTONDOWN;
    HandleNcLButtonDown(m);
    return;
  }
  const TsFrameMetrics fm = Metrics();
  const TsFormRules rules = Rules();
  switch (m.WParam) {
    case HTCAPTION:
      if (!rules.maximizeEnabled && !rules.restoreEnabled) return;
      SysCommand(fm.maximized || fm.minimized ? SC_RESTORE : SC_MAXIMIZE);
      UpdateSystemMenuItems();
      return;
    case HTSYSMENU: form_->Close(); return;
    default: return;
  }
}

void TsSkinProvider::HandleNcRButton(tk::TMessage& m) {
  const bool onTitle = m.WParam == HTCAPTION || m.WParam == HTSYSMENU;
  if (m.Msg == WM_NCRBUTTONDOWN) {
    if (!onTitle) OldWndProc(m);
    return;
  }
  if (!onTitle) return;
  SetHotButton(0);
  const POINT p = ScreenPointOf(m.LParam);
  ShowSystemMenu(p.x, p.y);
}

}  // namespace skin
