#include "sKeyboardCues.h"

namespace skin {

namespace {

LRESULT AskWindow(HWND window) { return SendMessageW(window, WM_QUERYUISTATE, 0, 0); }

TUIStateQuery uiStateQuery = &AskWindow;

}  // namespace

bool AcceleratorsHidden(HWND window) {
  BOOL alwaysShown = FALSE;
  if (SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0) && alwaysShown) return false;
  if (!window) return false;
  return (uiStateQuery(window) & UISF_HIDEACCEL) != 0;
}

void SetUIStateQuery(TUIStateQuery query) { uiStateQuery = query ? query : &AskWindow; }

}  // namespace skin
