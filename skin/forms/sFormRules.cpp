#include "sFormRules.h"

namespace skin {

TsFormFacts FormFactsOf(const tk::TCustomForm& form) {
  TsFormFacts f;
  f.borderStyle = form.BorderStyle();
  f.borderIcons = form.BorderIcons();
  if (form.HandleAllocated()) {
    const HWND h = const_cast<tk::TCustomForm&>(form).Handle();
    f.minimized = IsIconic(h) != FALSE;
    f.maximized = IsZoomed(h) != FALSE;
    f.mdiChild = (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  }
  return f;
}

TsFormRules FormRules(const TsFormFacts& f) {
  const bool framedWindow = f.borderStyle == tk::bsSingle || f.borderStyle == tk::bsSizeable;
  const bool systemMenu = (f.borderIcons & tk::biSystemMenu) != 0;
  const bool minimizeIcon = (f.borderIcons & tk::biMinimize) != 0;
  const bool maximizeIcon = (f.borderIcons & tk::biMaximize) != 0;
  const bool normal = !f.minimized && !f.maximized;
  TsFormRules r;
  r.restoreVisible = f.mdiChild || (framedWindow && systemMenu);
  r.restoreEnabled = (maximizeIcon && !normal) || f.minimized;
  r.moveEnabled = !f.maximized;
  r.sizeVisible = f.mdiChild || (f.borderStyle != tk::bsNone && f.borderStyle != tk::bsDialog &&
                                 f.borderStyle != tk::bsToolWindow);
  r.sizeEnabled = f.borderStyle != tk::bsSingle && !f.minimized;
  r.minimizeVisible = f.minimized || f.mdiChild ||
                      (systemMenu && (f.borderStyle == tk::bsSizeable || (f.borderStyle == tk::bsSingle && minimizeIcon)));
  r.minimizeEnabled = minimizeIcon && !f.minimized;
  r.maximizeVisible = f.minimized || f.mdiChild || (framedWindow && systemMenu && maximizeIcon);
  r.maximizeEnabled = maximizeIcon && (f.mdiChild || (!f.maximized && framedWindow));
  r.closeVisible = systemMenu;
  return r;
}

}  // namespace skin
