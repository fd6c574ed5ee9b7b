#include "ScrollRecorder.h"

namespace adaptfix {

ScrollRecorder::ScrollRecorder(tk::TControl& control) {
  QueryPerformanceFrequency(&frequency_);
  hook_ = tk::TScopedWndHook(control.WindowProc, [this](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == WM_VSCROLL || m.Msg == WM_HSCROLL) {
      LARGE_INTEGER now;
      QueryPerformanceCounter(&now);
      log.push_back({m.Msg, LOWORD(m.WParam), static_cast<short>(HIWORD(m.WParam)), now.QuadPart});
    }
    next(m);
  });
}

int ScrollRecorder::Count(int code) const {
  int n = 0;
  for (const ScrollEvent& e : log) n += e.code == code;
  return n;
}

std::vector<ScrollEvent> ScrollRecorder::Of(int code) const {
  std::vector<ScrollEvent> events;
  for (const ScrollEvent& e : log)
    if (e.code == code) events.push_back(e);
  return events;
}

double ScrollRecorder::Ms(const ScrollEvent& from, const ScrollEvent& to) const {
  return 1000.0 * double(to.ticks - from.ticks) / double(frequency_.QuadPart);
}

POINT OnBar(const skin::TvxScrollWnd& wnd, const skin::TvxScrollBar& bar, int along) {
  RECT w{};
  GetWindowRect(wnd.Handle(), &w);
  const RECT& r = bar.rect;
  if (bar.Horizontal()) return {w.left + r.left + along, w.top + (r.top + r.bottom) / 2};
  return {w.left + (r.left + r.right) / 2, w.top + r.top + along};
}

}  // namespace adaptfix
