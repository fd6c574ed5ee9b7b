#pragma once
// What a raw dialog offers, read from its window styles alone: the kind of
// its frame, which caption buttons and system-menu items it has and which of
// them may be used now, and what a point of its frame is (hit testing).
// The caption buttons, the system menu and the hit tests all read these
// rules, so they always agree. Plain functions of the facts, so each rule
// can be checked on its own.

#include <windows.h>

#include "skin/data/sSkinTypes.h"

namespace skin {

enum TvxFrameKind : int { fkModalFrame = 0, fkUnread = 1, fkPopup = 2, fkStandard = 3 };

// The frame kind of a dialog with these styles: a popup without a whole
// caption has none, a sizing frame or no modal frame is standard.
TvxFrameKind FrameKindOfStyle(DWORD style);

// The facts the rules read. style and exStyle are the saved ones (the
// styles as the dialog had them when it was adopted).
struct TvxDialogFacts {
  DWORD style = 0;
  DWORD exStyle = 0;
  bool classNoClose = false;  // the window class has CS_NOCLOSE
  bool minimized = false;
  bool maximized = false;
  TvxFrameKind frameKind = fkUnread;

  bool HasSystemMenu() const { return (style & WS_SYSMENU) != 0; }
  bool HasMaximizeBox() const { return (style & WS_MAXIMIZEBOX) != 0; }
  bool HasMinimizeBox() const { return (style & WS_MINIMIZEBOX) != 0; }
  bool HasHelpButton() const { return (exStyle & WS_EX_CONTEXTHELP) != 0; }
};

struct TvxDialogRules {
  bool closeAllowed = false;
  bool maximize = false;
  bool minimize = false;
  bool restore = false;
};
TvxDialogRules DialogRulesOf(const TvxDialogFacts& facts);

// The system menu's items: which are shown and which may be chosen.
struct TvxSystemMenuState {
  bool restoreVisible = false, restoreEnabled = false;
  bool moveVisible = true, moveEnabled = false;
  bool sizeVisible = false, sizeEnabled = false;
  bool minimizeVisible = false, minimizeEnabled = false;
  bool maximizeVisible = false, maximizeEnabled = false;
  bool closeVisible = false, closeEnabled = true;
};
TvxSystemMenuState SystemMenuStateOf(const TvxDialogFacts& facts);

// One caption button as the hit test sees it.
struct TvxHitButton {
  bool present = false;
  TRect rect;  // window coordinates
};

struct TvxDialogHitFacts {
  TvxDialogFacts dialog;
  POINT point{};  // relative to the window rectangle's top-left corner
  int width = 0, height = 0;
  int frameWidth = 0, frameHeight = 0, captionHeight = 0;
  int closeHeight = 0;     // the close button's height
  int smallIconWidth = 0;  // SM_CXSMICON
  TvxHitButton close, maximize, minimize, help;
  bool grip = false;  // a standard dialog whose skin has a size grip
  POINT gripPoint{};
};

// The code the dialog wrapper answers: 0 and HTCAPTION leave the answer to
// the dialog's own procedure; HTSYSMENU and the four button codes make that
// part hot; HTTRANSPARENT at the edge of a maximized dialog.
int DialogHitTest(const TvxDialogHitFacts& facts);

}  // namespace skin
