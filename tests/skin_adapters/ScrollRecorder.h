#pragma once
// What a scrolled control receives: every WM_HSCROLL / WM_VSCROLL that
// reaches the control's own handling, with its request code, position and
// arrival time, recorded by a hook below the wrapper; and the screen points
// along a skinned bar, for driving it with the real mouse.

#include <windows.h>

#include <vector>

#include "skin/controls/adapters/vxScrollWnd.h"
#include "toolkit/win/Control.h"

namespace adaptfix {

struct ScrollEvent {
  UINT msg;
  int code;
  int position;
  LONGLONG ticks;
};

class ScrollRecorder {
public:
  // Install before the control is wrapped: the wrapper's hook then sits in
  // front of this one.
  explicit ScrollRecorder(tk::TControl& control);
  std::vector<ScrollEvent> log;
  int Count(int code) const;
  // Milliseconds between two events' arrivals.
  double Ms(const ScrollEvent& from, const ScrollEvent& to) const;
  // The requests of one code, in order.
  std::vector<ScrollEvent> Of(int code) const;

private:
  tk::TScopedWndHook hook_;
  LARGE_INTEGER frequency_{};
};

// The screen point a distance along a bar of the wrapped window, in the
// middle of the bar's thickness.
POINT OnBar(const skin::TvxScrollWnd& wnd, const skin::TvxScrollBar& bar, int along);

}  // namespace adaptfix
