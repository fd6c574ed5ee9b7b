#pragma once
// The mouse on skinned scroll bars: which bar and part are hot (polled every
// 20 ms instead of waiting for a leave notice), which part is pressed and
// repeating, and the thumb being dragged. One interaction at a time in the
// whole program, as the platform's own bars behave: the state is kept here,
// not in each bar.

#include "vxScrollBar.h"
#include "toolkit/win/Messages.h"

namespace tk {
class Bitmap;
}

namespace skin {

class TvxScrollWnd;

class TvxScrollInteraction {
public:
  // The messages of a wrapped window that concern its bars (non-client
  // mouse, the captured mouse during a press, the bars' timers); true when
  // the message was handled.
  static bool Handle(TvxScrollWnd& wnd, tk::TMessage& m);
  // Paints a bar with the present hot, pressed and dragged state.
  static void PaintBar(const TvxScrollBar& bar, tk::Bitmap& target);
  // The wrapper goes away: nothing of the interaction may point at it.
  static void Forget(const TvxScrollWnd* wnd);

  // What the interaction is doing now (tests and tools may read it).
  struct State {
    TvxScrollWnd* wnd = nullptr;  // the window of the bar under the mouse or pressed
    TvxScrollBar* bar = nullptr;
    TvxScrollPart hot = spNone;
    TvxScrollPart pressed = spNone;
    bool tracking = false;  // the thumb is dragged
    int grabOffset = 0;     // where the thumb was taken, from its start
    int thumbStart = -1;    // the dragged thumb's start in the track
    int lastPosition = 0;   // the last position sent while dragging
  };
  static const State& Current();

private:
  static void NcMouseMove(TvxScrollWnd& wnd, tk::TMessage& m);
  static bool NcButtonDown(TvxScrollWnd& wnd, tk::TMessage& m);
  static void HoverTick(TvxScrollWnd& wnd);
  static void RepeatTick(TvxScrollWnd& wnd, bool first);
  static void DragTo(TvxScrollWnd& wnd, POINT windowPoint);
  static void Release(TvxScrollWnd& wnd);
  static void SendPartRequest(TvxScrollWnd& wnd, TvxScrollBar& bar, TvxScrollPart part);
};

}  // namespace skin
