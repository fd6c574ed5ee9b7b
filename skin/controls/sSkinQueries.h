#pragma once
// Questions and notices every skinned class sends to other controls and
// windows through the skin command message (sSkinCommand.h has the
// delivery itself).

#include <windows.h>

#include "skin/paint/sPaintTypes.h"

namespace tk {
class TControl;
}

namespace skin {

// False for none, for a windowed control without a window, and for a
// control that is being created, read, loaded or destroyed, or has no parent.
bool IsReadyForSkinPaint(const tk::TControl* control);

// Tells the control's form (SCMD_CONTROL_REFRESHED, lParam = the control)
// that a windowed control took its new look.
void NotifyFormControlRefreshed(tk::TControl* control);

// The colour that lies behind a child of this control: the control's
// answer to SCMD_GET_BG_COLOR, or its own colour when nobody answered; RGB.
TColor GetBackgroundColorOf(tk::TControl* control);

// The cached image of a container as it answers SCMD_GET_CACHE; not ready
// when it keeps none, when there is no container, or when the question fails.
CacheInfo CacheInfoOf(tk::TControl* container);

// The cached background of the parent of a plain window (an adapted
// window's parent), as GetParentCacheInfo gives it for a control; not
// ready when the parent keeps none or the question fails.
CacheInfo GetParentCacheInfoOfWindow(HWND window);

}  // namespace skin
