#pragma once
// The message record every control's window procedure receives, and the plan
// of the process's private message numbers. Every private number is defined
// here and nowhere else; code names them, never writes them as numbers.
//
// A record reaches a control either through the window system (its window
// procedure builds the record from the four arguments and returns Result) or
// by direct delivery (TControl::Deliver / Perform), in which case the caller
// sees every field the handler wrote - LParam included. Graphic controls have
// no window and are only ever reached directly.
//
// The plan:
//   0x0400-0x7FFF  WM_USER range: the classes' own (system controls use it).
//   0x052E         SM_DIALOG_RESCAN: a skinned dialog looks for new children.
//   0x2100         SM_SCROLLWND_IGNORED: swallowed by skinned scrollable windows.
//   0xA100         SM_VEXACMD: the skin engine's command message, the same in
//                  every process; sub-command in HIWORD(wParam).
//   0xA101         SM_MDICHILD_GONE: posted to a skinned MDI parent when one
//                  of its children goes.
//   0xA102         SM_MDICHILD_CREATED: posted to a skinned MDI child by itself
//                  as it is created.
//   0xB000-0xB0FF  CM_*: toolkit notifications to a control.
//   0xBC00-0xBFFF  CN_*: a system control's notification reflected back to it,
//                  CN_BASE + the original message number (messages below
//                  0x400 only).
//                  Three skin numbers sit in this block on numbers no
//                  reflected message uses (checked below): SM_REGION_QUERY,
//                  SM_MENU_PREPARE_AT_ITEM and SM_MENU_PREPARE_WINDOW.
#include <windows.h>

namespace tk {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

constexpr UINT CM_BASE = 0xB000;

// Notifications the toolkit sends to a control (Perform: WindowProc first).
constexpr UINT CM_ACTIVATE = CM_BASE + 0;         // form activated
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;       // form deactivated
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;        // WParam = virtual key the focused control did not want; Result 1 = handled
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;       // WParam = accelerator character (Alt+key); Result 1 = handled
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;     // LParam = the control that now has the focus (broadcast to the form)
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;  // WParam = new visibility (0/1)
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;     // Caption/Text set by code
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;      // LParam = the control the mouse entered (the receiver)
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;      // LParam = the control the mouse left (the receiver)
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 27;           // the control (or a child) receives the focus
constexpr UINT CM_EXIT = CM_BASE + 28;            // the control (or a child) loses the focus
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;      // the form, on activation, gave this control the focus (0xB029)
constexpr UINT CM_RELEASE = CM_BASE + 33;         // posted to a form by Release()
constexpr UINT CM_ACTIONUPDATE = CM_BASE + 44;    // LParam = the linked action, after its Update
constexpr UINT CM_CHANGED = CM_BASE + 55;         // an edit's text changed, by the user or by code (0xB037)
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60; // BiDiMode set to a new value

// Notifications of system controls, reflected from the parent back to the
// control that caused them (WParam/LParam as in the original message; for the
// colour messages the result is the brush).
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_LAST = CN_BASE + WM_USER - 1;
constexpr bool IsReflected(UINT msg) { return msg >= CN_BASE && msg <= CN_LAST; }

// The skin engine's numbers.
constexpr UINT SM_VEXACMD = 0xA100;
// Asked of a form before its first skinned paint: a window that keeps its
// own region answers SM_REGION_KEEP when wParam is SM_REGION_KEEP.
constexpr UINT SM_REGION_QUERY = 0xBC4D;
constexpr WPARAM SM_REGION_KEEP = 0x41A2;
// Posted to the application window by the skinned menus: prepare the popup
// menu window under an item (lParam = the item) or a given window (lParam).
constexpr UINT SM_MENU_PREPARE_AT_ITEM = 0xBCB3;
constexpr UINT SM_MENU_PREPARE_WINDOW = 0xBCB4;
// Posted to a skinned MDI parent by a child's provider as the child goes:
// once the child's window is gone, the parent draws its menu line again.
constexpr UINT SM_MDICHILD_GONE = 0xA101;
// Posted to itself by a skinned MDI child as it is created: the window the
// MDI client showed while creating it is drawn once the creation is over
// (paints asked for during the creation are dropped).
constexpr UINT SM_MDICHILD_CREATED = 0xA102;
constexpr UINT SM_DIALOG_RESCAN = 0x052E;
constexpr UINT SM_SCROLLWND_IGNORED = 0x2100;

static_assert(SM_VEXACMD < CM_BASE && SM_VEXACMD >= WM_APP, "the skin command lies outside the toolkit's blocks");
static_assert(SM_MDICHILD_GONE < CM_BASE && SM_MDICHILD_GONE > SM_VEXACMD, "the MDI message lies outside the toolkit's blocks");
static_assert(SM_MDICHILD_CREATED < CM_BASE && SM_MDICHILD_CREATED > SM_MDICHILD_GONE,
              "the MDI message lies outside the toolkit's blocks");
static_assert(CN_BASE + WM_NOTIFY != SM_REGION_QUERY && CN_BASE + WM_DRAWITEM != SM_REGION_QUERY,
              "the region query must not collide with a reflected notification");
static_assert(SM_MENU_PREPARE_AT_ITEM - CN_BASE < WM_CTLCOLORMSGBOX && SM_MENU_PREPARE_WINDOW - CN_BASE < WM_CTLCOLORMSGBOX &&
                  SM_MENU_PREPARE_AT_ITEM - CN_BASE != WM_COMMAND && SM_MENU_PREPARE_AT_ITEM - CN_BASE != WM_NOTIFY &&
                  SM_MENU_PREPARE_AT_ITEM - CN_BASE != WM_DRAWITEM && SM_MENU_PREPARE_WINDOW - CN_BASE != WM_DRAWITEM,
              "the menu messages must not collide with a reflected notification");

// Private timer ids: the hints' (on the application window) and the skinned
// scroll bars' (on the scrolled window).
constexpr UINT_PTR TIMER_HINT_SHOW = 0x7E01;
constexpr UINT_PTR TIMER_HINT_HIDE = 0x7E02;
constexpr UINT_PTR TIMER_SCROLL_HOVER = 0xFFF2;
constexpr UINT_PTR TIMER_SCROLL_REPEAT_FIRST = 0xFFFD;
constexpr UINT_PTR TIMER_SCROLL_REPEAT = 0xFFFE;

}  // namespace tk
