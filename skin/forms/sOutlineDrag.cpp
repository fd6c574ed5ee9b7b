#include "sOutlineDrag.h"

#include <algorithm>

namespace skin {

TsOutlineDrag::~TsOutlineDrag() {
  if (active_) Finish();
  if (prepared_ && GetCapture() == window_) ReleaseCapture();
}

void TsOutlineDrag::Prepare(bool moving, int minWidth, int minHeight) {
  moving_ = moving;
  sizingKind_ = moving ? HTCAPTION : edgeKind_;
  edgeKind_ = 0;
  minWidth_ = minWidth;
  minHeight_ = minHeight;
  prepared_ = true;
  SetCapture(window_);
}

void TsOutlineDrag::Start(POINT screen) {
  if (active_) return;
  if (!prepared_) Prepare(true);
  active_ = true;
  moved_ = false;
  firstMove_ = true;
  desktop_ = GetDCEx(GetDesktopWindow(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  savedState_ = SaveDC(desktop_);
  SetROP2(desktop_, R2_NOT);
  SelectObject(desktop_, GetStockObject(NULL_BRUSH));
  GetWindowRect(window_, &start_);
  outline_ = start_;
  startPoint_ = last_ = screen;
  DrawOutline();
}

void TsOutlineDrag::DrawOutline() {
  if (!desktop_) return;
  const POINT corners[5] = {{outline_.left, outline_.top},
                            {outline_.right - 1, outline_.top},
                            {outline_.right - 1, outline_.bottom - 1},
                            {outline_.left, outline_.bottom - 1},
                            {outline_.left, outline_.top}};
  Polyline(desktop_, corners, 5);
}

void TsOutlineDrag::Track(POINT screen) {
  if (!active_) return;
  if (firstMove_) {
    firstMove_ = false;
    if (!moving_) last_ = screen;
  }
  DrawOutline();  // R2_NOT: drawing it again takes it away
  moved_ = true;
  if (moving_) {
    OffsetRect(&outline_, screen.x - last_.x, screen.y - last_.y);
    last_ = screen;
  } else {
    const int dx = screen.x - startPoint_.x, dy = screen.y - startPoint_.y;
    const int kind = sizingKind_;
    const bool left = kind == HTLEFT || kind == HTTOPLEFT || kind == HTBOTTOMLEFT;
    const bool top = kind == HTTOP || kind == HTTOPLEFT || kind == HTTOPRIGHT;
    bool right = kind == HTRIGHT || kind == HTTOPRIGHT;
    bool bottom = kind == HTBOTTOM || kind == HTBOTTOMLEFT;
    // The bottom-right corner, and any other kind, move both far edges.
    if (!left && !top && !right && !bottom) right = bottom = true;
    if (left) outline_.left = std::min(start_.left + dx, outline_.right - minWidth_);
    if (right) outline_.right = std::max(start_.right + dx, outline_.left + minWidth_);
    if (top) outline_.top = std::min(start_.top + dy, outline_.bottom - minHeight_);
    if (bottom) outline_.bottom = std::max(start_.bottom + dy, outline_.top + minHeight_);
  }
  DrawOutline();
}

void TsOutlineDrag::Finish() {
  if (GetCapture() == window_) ReleaseCapture();
  active_ = false;
  prepared_ = false;
  DrawOutline();
  RestoreDC(desktop_, savedState_);
  ReleaseDC(GetDesktopWindow(), desktop_);
  desktop_ = nullptr;
}

void TsOutlineDrag::End(POINT screen) {
  if (!active_) return;
  if (screen.x != last_.x || screen.y != last_.y) Track(screen);
  Finish();
  // The outline lies on the desktop; a child window (an MDI child) is
  // placed in its parent's client coordinates.
  POINT at{outline_.left, outline_.top};
  if (GetWindowLongW(window_, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(window_), &at);
  if (moving_) {
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (moved_) {
    SetWindowPos(window_, nullptr, at.x, at.y, outline_.right - outline_.left, outline_.bottom - outline_.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace skin
