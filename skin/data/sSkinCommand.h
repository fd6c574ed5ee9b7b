#pragma once
// The skin command message. The manager, containers and controls talk
// through one private window message instead of calls, so that any window of
// the process can take part, including ones the skin engine did not create
// and only wraps, and so that a window that knows nothing of skins simply
// ignores it. wParam packs the sub-command (high word) with a small argument
// (low word); lParam's meaning depends on the sub-command. A reply comes
// back as the message result, or in lParam of the message record when it is
// more than a number.
//
// Windows only: this is the delivery side of the skin engine.

#include <windows.h>

#include "toolkit/win/Messages.h"

namespace tk {
class TControl;
class TWinControl;
}  // namespace tk

namespace skin {

using tk::SM_VEXACMD;  // numbered in the plan of private messages

enum : WORD {
  SCMD_SKIN_LOADED = 1,
  SCMD_SKIN_REMOVED = 2,
  SCMD_REFRESH = 3,
  SCMD_GET_PROVIDER = 4,
  SCMD_GET_CACHE = 5,
  SCMD_PARENT_PAINTED = 6,
  SCMD_IS_SKINNED = 7,
  SCMD_SET_DEFER = 8,
  SCMD_SET_PAINT_NOW = 9,
  SCMD_IS_DEFERRED = 10,
  SCMD_IS_CLIPPED = 11,
  SCMD_STALE_IF_TRANSPARENT = 12,
  SCMD_REPAINT_VIA_PARENT = 13,
  SCMD_POPUP_REGION_DONE = 14,
  SCMD_SET_PAINTING_CHILD = 15,
  SCMD_STOP_FADING = 16,
  SCMD_SET_STALE = 17,
  SCMD_IS_BG_VARIED = 19,
  SCMD_PARENT_MOVED = 20,
  SCMD_GET_BG_COLOR = 21,
  SCMD_SET_CLIPPED = 22,
  SCMD_PREPARE_CACHE = 23,
  SCMD_FADE_FRAME = 24,
  SCMD_CONTROL_REFRESHED = 25,
  SCMD_LIST_SECTION = 26,
  SCMD_GET_CAPTION_HEIGHT = 27,
  SCMD_MOUSE_ENTERED = 29,
  SCMD_MOUSE_LEFT = 30,
  SCMD_BEGIN_UPDATE = 31,
  SCMD_END_UPDATE = 32,
  SCMD_BEFORE_SCROLL = 51,
  SCMD_AFTER_SCROLL = 52,
  SCMD_GET_APPLICATION = 60,
};

constexpr WPARAM SkinCommandWParam(WORD subCommand, WORD parameter = 0) {
  return static_cast<WPARAM>(static_cast<DWORD>(parameter) | (static_cast<DWORD>(subCommand) << 16));
}
constexpr WORD SkinSubCommand(WPARAM wParam) { return static_cast<WORD>((wParam >> 16) & 0xFFFF); }
constexpr WORD SkinCommandParameter(WPARAM wParam) { return static_cast<WORD>(wParam & 0xFFFF); }
inline bool IsSkinCommand(const tk::TMessage& m, WORD subCommand) {
  return m.Msg == SM_VEXACMD && SkinSubCommand(m.WParam) == subCommand;
}

// Sends the sub-command (with its small parameter, 0 unless given) to a window.
LRESULT SendSkinCommand(HWND window, WORD subCommand, LPARAM lParam, WORD parameter = 0);
// A windowed control gets it by window message (0 without sending when it
// has no window yet or is being destroyed); a graphic control gets the
// record straight through its window procedure.
LRESULT SendSkinCommandToControl(tk::TControl* control, WORD subCommand, LPARAM lParam, WORD parameter = 0);
// Asks the control's window procedure directly first (a yes is lParam 1);
// otherwise sends the same message to its window (a yes is the result 1).
bool QuerySkinFlag(tk::TControl* control, WORD subCommand);
bool QueryWindowSkinFlag(HWND window, WORD subCommand);
// Passes a message to every child of a container: graphic children
// directly, skinned windowed children by window message (they pass it on to
// their own children), other windowed children are not sent it but their
// children are. One child that fails must not keep its siblings from the
// news, so an exception while delivering to it goes no further.
void BroadcastToChildren(tk::TWinControl* container, const tk::TMessage& message);

}  // namespace skin
