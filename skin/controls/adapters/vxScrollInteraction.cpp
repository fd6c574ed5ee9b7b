#include "vxScrollInteraction.h"

#include <windowsx.h>

#include <algorithm>

#include "vxScrollWnd.h"
#include "toolkit/core/Bitmap.h"

namespace skin {

namespace {

TvxScrollInteraction::State state;

constexpr UINT kHoverInterval = 20;
constexpr UINT kFirstRepeat = 300;
constexpr UINT kRepeat = 55;

POINT CursorInWindow(const TvxScrollWnd& wnd) {
  POINT p{};
  GetCursorPos(&p);
  RECT r{};
  GetWindowRect(wnd.Handle(), &r);
  return {p.x - r.left, p.y - r.top};
}

TvxScrollPart PartUnder(const TvxScrollWnd& wnd, const TvxScrollBar& bar, POINT p) {
  if (!PtInRect(&bar.rect, p)) return spNone;
  return bar.Thumb(wnd.PaintTables()).PartAt(bar.Along(p));
}

// The SB_* request of a part of a bar; -1 for the thumb and none.
int RequestOf(TvxScrollPart part) {
  switch (part) {
    case spFirstArrow: return SB_LINEUP;
    case spSecondArrow: return SB_LINEDOWN;
    case spTrackBefore: return SB_PAGEUP;
    case spTrackAfter: return SB_PAGEDOWN;
    default: return -1;
  }
}

}  // namespace

const TvxScrollInteraction::State& TvxScrollInteraction::Current() { return state; }

void TvxScrollInteraction::Forget(const TvxScrollWnd* wnd) {
  if (state.wnd == wnd) state = State{};
}

void TvxScrollInteraction::PaintBar(const TvxScrollBar& bar, tk::Bitmap& target) {
  const bool mine = state.bar == &bar;
  bar.Paint(target, mine ? state.hot : spNone, mine ? state.pressed : spNone,
            mine && state.tracking ? state.thumbStart : -1);
}

bool TvxScrollInteraction::Handle(TvxScrollWnd& wnd, tk::TMessage& m) {
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      NcMouseMove(wnd, m);
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      return NcButtonDown(wnd, m);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCMBUTTONDBLCLK:
      return m.WParam == HTHSCROLL || m.WParam == HTVSCROLL;
    case WM_MOUSEMOVE:
      if (state.wnd != &wnd || !state.tracking) return false;
      DragTo(wnd, {GET_X_LPARAM(m.LParam) + 0, GET_Y_LPARAM(m.LParam)});
      return true;
    case WM_LBUTTONUP:
      if (state.wnd != &wnd || state.pressed == spNone) return false;
      Release(wnd);
      return true;
    case WM_TIMER:
      if (m.WParam == tk::TIMER_SCROLL_HOVER) HoverTick(wnd);
      else if (m.WParam == tk::TIMER_SCROLL_REPEAT_FIRST) RepeatTick(wnd, true);
      else if (m.WParam == tk::TIMER_SCROLL_REPEAT) RepeatTick(wnd, false);
      else return false;
      return true;
    default:
      return false;
  }
}

void TvxScrollInteraction::NcMouseMove(TvxScrollWnd& wnd, tk::TMessage& m) {
  if (state.pressed != spNone) return;
  RECT r{};
  GetWindowRect(wnd.Handle(), &r);
  const POINT p{GET_X_LPARAM(m.LParam) - r.left, GET_Y_LPARAM(m.LParam) - r.top};
  TvxScrollBar* bar = wnd.BarAt(p);
  if (!bar) return;
  if (state.bar != bar) {
    if (state.wnd && state.wnd != &wnd) {
      KillTimer(state.wnd->Handle(), tk::TIMER_SCROLL_HOVER);
      TvxScrollWnd* previous = state.wnd;
      state = State{};
      previous->PaintBars();
    }
    state.wnd = &wnd;
    state.bar = bar;
    state.hot = spNone;
  }
  SetTimer(wnd.Handle(), tk::TIMER_SCROLL_HOVER, kHoverInterval, nullptr);
  HoverTick(wnd);
}

void TvxScrollInteraction::HoverTick(TvxScrollWnd& wnd) {
  if (state.wnd != &wnd || !state.bar) {
    KillTimer(wnd.Handle(), tk::TIMER_SCROLL_HOVER);
    return;
  }
  if (state.tracking) return;
  const POINT p = CursorInWindow(wnd);
  if (!PtInRect(&state.bar->rect, p)) {
    KillTimer(wnd.Handle(), tk::TIMER_SCROLL_HOVER);
    if (state.pressed == spNone) {
      state.hot = spNone;
      state.bar = nullptr;
      state.wnd = nullptr;
    }
    wnd.PaintBars();
    return;
  }
  const TvxScrollPart part = PartUnder(wnd, *state.bar, p);
  if (part == state.hot) return;
  state.hot = part;
  wnd.PaintBars();
}

bool TvxScrollInteraction::NcButtonDown(TvxScrollWnd& wnd, tk::TMessage& m) {
  if (m.WParam != HTHSCROLL && m.WParam != HTVSCROLL) return false;
  RECT r{};
  GetWindowRect(wnd.Handle(), &r);
  const POINT p{GET_X_LPARAM(m.LParam) - r.left, GET_Y_LPARAM(m.LParam) - r.top};
  TvxScrollBar* bar = wnd.BarAt(p);
  if (!bar) return false;
  const TvxScrollPart part = PartUnder(wnd, *bar, p);
  if ((part == spFirstArrow && (bar->flags & 1)) || (part == spSecondArrow && (bar->flags & 2)) || part == spNone)
    return true;
  state.wnd = &wnd;
  state.bar = bar;
  state.pressed = part;
  SetCapture(wnd.Handle());
  if (part == spThumb) {
    const ScrollThumb t = bar->Thumb(wnd.PaintTables());
    state.tracking = true;
    bar->si.nTrackPos = bar->si.nPos;
    state.thumbStart = t.offset;
    state.grabOffset = bar->Along(p) - t.arrowLength - t.offset;
    state.lastPosition = bar->si.nPos;
    wnd.PaintBars();
    return true;
  }
  SendPartRequest(wnd, *bar, part);
  wnd.PaintBars();
  SetTimer(wnd.Handle(), tk::TIMER_SCROLL_REPEAT_FIRST, kFirstRepeat, nullptr);
  return true;
}

void TvxScrollInteraction::SendPartRequest(TvxScrollWnd& wnd, TvxScrollBar& bar, TvxScrollPart part) {
  const int code = RequestOf(part);
  if (code < 0) return;
  wnd.SendScroll(bar, code, bar.si.nPos);
}

void TvxScrollInteraction::RepeatTick(TvxScrollWnd& wnd, bool first) {
  if (first) {
    KillTimer(wnd.Handle(), tk::TIMER_SCROLL_REPEAT_FIRST);
    SetTimer(wnd.Handle(), tk::TIMER_SCROLL_REPEAT, kRepeat, nullptr);
  }
  if (state.wnd != &wnd || !state.bar || state.pressed == spNone) {
    KillTimer(wnd.Handle(), tk::TIMER_SCROLL_REPEAT);
    return;
  }
  if (PartUnder(wnd, *state.bar, CursorInWindow(wnd)) != state.pressed) return;
  SendPartRequest(wnd, *state.bar, state.pressed);
  wnd.PaintBars();
}

void TvxScrollInteraction::DragTo(TvxScrollWnd& wnd, POINT clientPoint) {
  TvxScrollBar& bar = *state.bar;
  POINT screen = clientPoint;
  ClientToScreen(wnd.Handle(), &screen);
  const POINT p = wnd.WindowPointOfScreen(screen);
  const ScrollThumb t = bar.Thumb(wnd.PaintTables());
  const int room = std::max(t.trackLength - t.size, 0);
  state.thumbStart = std::clamp(bar.Along(p) - t.arrowLength - state.grabOffset, 0, room);
  wnd.PaintBars();
  const int position = ScrollThumb::PositionAt(bar.si, state.thumbStart, t.trackLength, t.size);
  if (position == state.lastPosition) return;
  state.lastPosition = position;
  bar.si.nTrackPos = position;
  wnd.SendScroll(bar, SB_THUMBTRACK, position);
}

void TvxScrollInteraction::Release(TvxScrollWnd& wnd) {
  TvxScrollBar& bar = *state.bar;
  ReleaseCapture();
  KillTimer(wnd.Handle(), tk::TIMER_SCROLL_REPEAT_FIRST);
  KillTimer(wnd.Handle(), tk::TIMER_SCROLL_REPEAT);
  const bool dragged = state.tracking;
  const int position = state.lastPosition;
  state.tracking = false;
  state.pressed = spNone;
  state.hot = spNone;
  state.thumbStart = -1;
  if (dragged) wnd.SendScroll(bar, SB_THUMBPOSITION, position);
  wnd.SendScroll(bar, SB_ENDSCROLL, bar.si.nPos);
  state.bar = nullptr;
  state.wnd = nullptr;
  wnd.UpdateScrollInfo();
}

}  // namespace skin
