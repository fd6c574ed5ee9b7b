// A skinned dialog's frame under the mouse: hit testing of what the skin
// draws, hot and pressed caption buttons, the system menu from the title
// icon or a right click on the caption, double clicks on the caption.
#include <windowsx.h>

#include "vxDialogWnd.h"
#include "vxSystemMenu.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/win/Application.h"

namespace skin {

namespace {

bool IsCaptionButton(int code) {
  return code == HTMINBUTTON || code == HTMAXBUTTON || code == HTCLOSE || code == HTHELP;
}

}  // namespace

void TvxDialogWnd::HandleNcHitTest(tk::TMessage& m) {
  const TvxDialogMetrics fm = Metrics();
  TvxDialogHitFacts f;
  f.dialog = Facts();
  RECT window{};
  GetWindowRect(handle_, &window);
  f.point = {GET_X_LPARAM(m.LParam) - window.left, GET_Y_LPARAM(m.LParam) - window.top};
  f.width = fm.width;
  f.height = fm.height;
  f.frameWidth = fm.frameWidth;
  f.frameHeight = fm.frameHeight;
  f.captionHeight = fm.captionHeight;
  f.closeHeight = ButtonSize(buttonClose_.ImageIndex).second;
  f.smallIconWidth = GetSystemMetrics(SM_CXSMICON);
  f.close = {buttonClose_.Rect.Width() > 0, buttonClose_.Rect};
  f.maximize = {buttonMax_.Rect.Width() > 0, buttonMax_.Rect};
  f.minimize = {buttonMin_.Rect.Width() > 0, buttonMin_.Rect};
  f.help = {buttonHelp_.Rect.Width() > 0, buttonHelp_.Rect};
  f.grip = Mask(GripMask()) != nullptr;
  f.gripPoint = GripPoint(fm);
  const int code = DialogHitTest(f);
  if (code == 0 || code == HTCAPTION) {
    MakeHot(0);
    TvxScrollWnd::WndProc(m);
    return;
  }
  if (code == HTTRANSPARENT) MakeHot(0);
  else if (code == HTSYSMENU || IsCaptionButton(code)) MakeHot(code);
  m.Result = code;
}

void TvxDialogWnd::MakeHot(int code) {
  if (code == hotButton_) return;
  if (TsCaptionButton* previous = Button(hotButton_)) {
    previous->State = 0;
    RepaintButton(hotButton_);
  }
  hotButton_ = code;
  ButtonPressed = false;
  if (TsCaptionButton* b = Button(code)) {
    b->State = 1;
    RepaintButton(code);
  }
}

void TvxDialogWnd::HandleNcButtonDown(tk::TMessage& m) {
  const int code = static_cast<int>(m.WParam);
  const TvxDialogMetrics fm = Metrics();
  if (IsCaptionButton(code)) {
    if (hotButton_ != code) {
      if (TsCaptionButton* previous = Button(hotButton_)) {
        previous->State = 0;
        RepaintButton(hotButton_);
      }
    }
    hotButton_ = code;
    const TvxDialogRules rules = Rules();
    TsCaptionButton& b = *Button(code);
    if (code != HTMAXBUTTON || rules.maximize || (fm.maximized && rules.restore)) b.State = 2;
    ButtonPressed = true;
    RepaintButton(code);
    return;
  }
  if (code == HTSYSMENU) {
    MakeHot(0);
    RECT window{};
    GetWindowRect(handle_, &window);
    PopUpSystemMenu({window.left + fm.frameWidth, window.top + fm.frameHeight + GetSystemMetrics(SM_CYSMICON)});
    return;
  }
  if (fm.minimized) {
    SendMessageW(handle_, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    return;
  }
  MakeHot(0);
  if (fm.maximized) {
    RECT window{};
    GetWindowRect(handle_, &window);
    if (GET_Y_LPARAM(m.LParam) - window.top < fm.frameHeight + fm.captionHeight) {
      if (GetActiveWindow() != handle_) SetActiveWindow(handle_);
      return;
    }
  }
  CallPrevious(m);
}

bool TvxDialogWnd::PointInButton(int id, LPARAM screenPoint) const {
  const TsCaptionButton* b = const_cast<TvxDialogWnd*>(this)->Button(id);
  RECT window{};
  GetWindowRect(handle_, &window);
  const int x = GET_X_LPARAM(screenPoint) - window.left, y = GET_Y_LPARAM(screenPoint) - window.top;
  return b && x >= b->Rect.Left && x < b->Rect.Right && y >= b->Rect.Top && y < b->Rect.Bottom;
}

void TvxDialogWnd::HandleButtonUp(tk::TMessage& m) {
  const int code = static_cast<int>(m.WParam);
  const bool pressed = ButtonPressed;
  const TvxDialogMetrics fm = Metrics();
  switch (code) {
    case HTMINBUTTON:
      if (pressed && PointInButton(HTMINBUTTON, m.LParam)) {
        MakeHot(0);
        SendMessageW(handle_, WM_SYSCOMMAND, fm.minimized ? SC_RESTORE : SC_MINIMIZE, 0);
      } else if (pressed) {
        CallPrevious(m);
      } else {
        MakeHot(0);
      }
      break;
    case HTMAXBUTTON:
      if (!fm.minimized || Rules().maximize) {
        MakeHot(0);
        if (pressed) {
          SendMessageW(handle_, WM_SYSCOMMAND, fm.maximized ? SC_RESTORE : SC_MAXIMIZE, 0);
          tk::Application().ProcessMessages();
          UpdateMenuItems();
        }
      }
      break;
    case HTCLOSE:
      if (pressed) {
        buttonClose_.State = 0;
        ButtonPressed = false;
        SendMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case HTHELP:
      if (pressed) SendMessageW(handle_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      MakeHot(0);
      if (pressed) {
        UpdateMenuItems();
        SendMessageW(handle_, WM_NCPAINT, 1, 0);
      }
      break;
    default:
      CallPrevious(m);
      break;
  }
  m.WParam = 0;
}

void TvxDialogWnd::HandleNcDoubleClick(tk::TMessage& m) {
  if (m.WParam == HTCAPTION) {
    const TvxDialogRules rules = Rules();
    if (rules.maximize || rules.restore) {
      const bool restore = IsZoomed(handle_) || IsIconic(handle_);
      SendMessageW(handle_, WM_SYSCOMMAND, restore ? SC_RESTORE : SC_MAXIMIZE, 0);
      UpdateMenuItems();
    }
  } else if (m.WParam == HTSYSMENU) {
    SendMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  m.WParam = 0;
}

void TvxDialogWnd::UpdateMenuItems() {
  if (systemMenu_) systemMenu_->UpdateItems();
}

void TvxDialogWnd::PopUpSystemMenu(POINT screen) {
  UpdateMenuItems();
  systemMenu_->Popup(screen.x, screen.y, handle_);
}

}  // namespace skin
