#include "toolkit/win/MouseTracker.h"

namespace tk {

TMouseTracker& MouseTracker() {
  static TMouseTracker tracker;
  return tracker;
}

void TMouseTracker::Observe(HWND window, UINT msg) {
  switch (msg) {
    case WM_MOUSEMOVE: MoveTo(THover{window, THoverArea::Client}); return;
    case WM_NCMOUSEMOVE: MoveTo(THover{window, THoverArea::NonClient}); return;
    // A leave reported after the mouse already moved on (into a child
    // window, or from the frame into the client area) changes nothing.
    case WM_MOUSELEAVE:
      if (current_ == THover{window, THoverArea::Client}) MoveTo(THover{});
      return;
    case WM_NCMOUSELEAVE:
      if (current_ == THover{window, THoverArea::NonClient}) MoveTo(THover{});
      return;
    case WM_NCDESTROY:
      if (current_.Window == window) MoveTo(THover{});
      return;
    default: return;
  }
}

void TMouseTracker::MoveTo(const THover& hover) {
  if (hover == current_) return;
  if (hover.Window) {
    DWORD flags = TME_LEAVE;
    if (hover.Area == THoverArea::NonClient) flags |= TME_NONCLIENT;
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), flags, hover.Window, HOVER_DEFAULT};
    TrackMouseEvent(&track);
  }
  const THover from = current_;
  current_ = hover;
  Changed.Notify(from, hover);
}

}  // namespace tk
