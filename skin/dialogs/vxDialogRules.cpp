#include "vxDialogRules.h"

namespace skin {

TvxFrameKind FrameKindOfStyle(DWORD style) {
  if ((style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION) return fkPopup;
  if (style & WS_THICKFRAME) return fkStandard;
  if (style & DS_MODALFRAME) return fkModalFrame;
  return fkStandard;
}

TvxDialogRules DialogRulesOf(const TvxDialogFacts& f) {
  TvxDialogRules r;
  r.closeAllowed = f.HasSystemMenu() && !f.classNoClose;
  r.maximize = f.HasMaximizeBox() && !f.maximized && (f.frameKind == fkStandard || f.frameKind == fkUnread);
  r.minimize = f.HasMinimizeBox() && !f.minimized;
  r.restore = f.HasMaximizeBox() && (f.minimized || f.maximized);
  return r;
}

TvxSystemMenuState SystemMenuStateOf(const TvxDialogFacts& f) {
  const TvxDialogRules r = DialogRulesOf(f);
  TvxSystemMenuState s;
  s.restoreVisible = f.frameKind == fkStandard && f.HasSystemMenu();
  s.restoreEnabled = r.restore;
  s.moveEnabled = !f.maximized;
  s.sizeVisible = f.frameKind == fkStandard;
  s.sizeEnabled = !f.minimized;
  s.minimizeVisible = f.HasMinimizeBox();
  s.minimizeEnabled = r.minimize;
  s.maximizeVisible = f.HasMaximizeBox();
  s.maximizeEnabled = r.maximize;
  s.closeVisible = f.HasSystemMenu();
  return s;
}

namespace {

bool Spans(const TvxHitButton& b, int x) { return b.present && b.rect.Left <= x && x <= b.rect.Right; }

int ButtonBandCode(const TvxDialogHitFacts& f) {
  const int x = f.point.x;
  if (x >= f.frameWidth && x <= f.frameWidth + f.smallIconWidth) return HTSYSMENU;
  if (!f.dialog.HasSystemMenu()) return HTCAPTION;
  const TvxDialogRules r = DialogRulesOf(f.dialog);
  if (Spans(f.close, x)) return HTCLOSE;
  if (Spans(f.maximize, x)) return r.maximize || r.restore ? HTMAXBUTTON : HTCAPTION;
  if (Spans(f.minimize, x)) return f.dialog.minimized || r.minimize ? HTMINBUTTON : HTCAPTION;
  if (Spans(f.help, x)) return HTHELP;
  return HTCAPTION;
}

}  // namespace

int DialogHitTest(const TvxDialogHitFacts& f) {
  const int top = (f.captionHeight + f.frameHeight - f.closeHeight) / 2;
  if (f.point.y >= top && f.point.y <= top + f.closeHeight) return ButtonBandCode(f);
  if (f.grip && f.point.x > f.gripPoint.x && f.point.y > f.gripPoint.y) return HTBOTTOMRIGHT;
  if (f.dialog.maximized) {
    const bool inside = f.point.x >= 2 && f.point.y >= 2 && f.point.x < f.width - 4 && f.point.y < f.height - 4;
    if (!inside) return HTTRANSPARENT;
  }
  return 0;
}

}  // namespace skin
