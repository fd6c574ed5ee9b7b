#pragma once
// Where the mouse is, for every layer: which window it is over and whether
// over its client area or its frame (title bar, borders, the non-client
// scroll bars that skins paint). One record for the whole user-interface
// thread, so that the toolkit's own hover, a skinned frame's hot caption
// buttons and an adapted window's hot look all agree, and nothing stays hot
// after the mouse left - also when it leaves through the frame.
//
// The record is fed by the window procedures themselves (every toolkit
// window and every TWindowSubclass passes each message to Observe): a mouse
// move arms the system's leave notification for that window and area
// (TrackMouseEvent, with TME_NONCLIENT over the frame), and the leave
// notification clears the record unless the mouse has moved on already.
// Layers never call TrackMouseEvent themselves: a second request for the
// same window would replace this one.

#include <windows.h>

#include "toolkit/core/CallbackSlot.h"

namespace tk {

enum class THoverArea { None, Client, NonClient };

struct THover {
  HWND Window = nullptr;
  THoverArea Area = THoverArea::None;
  bool operator==(const THover&) const = default;
};

class TMouseTracker {
public:
  // Looks at one message of a window (any message; most are ignored).
  void Observe(HWND window, UINT msg);
  const THover& Current() const { return current_; }
  bool IsOver(HWND window) const { return current_.Window == window && window; }

  // Told of every change, with the record before and after.
  TCallbackList<void(const THover& from, const THover& to)> Changed;

private:
  void MoveTo(const THover& hover);
  THover current_;
};

TMouseTracker& MouseTracker();

}  // namespace tk
