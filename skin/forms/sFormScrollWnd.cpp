#include "sFormScrollWnd.h"

#include "toolkit/win/Form.h"

namespace skin {

TvxFormScrollWnd::TvxFormScrollWnd(tk::TCustomForm& form, TsSkinManager* manager, TsCommonData* formSkinData)
    : TvxScrollWnd(form.Handle(), true, "FORM", manager, formSkinData), form_(form) {}

tk::TControl* TvxFormScrollWnd::ControlToHook() const { return &form_; }

int TvxFormScrollWnd::HorzBarHeight() const {
  const TvxScrollBar& bar = HorzBar();
  return !done_ && bar.shown ? bar.rect.bottom - bar.rect.top : 0;
}

int TvxFormScrollWnd::VertBarWidth() const {
  const TvxScrollBar& bar = VertBar();
  return !done_ && bar.shown ? bar.rect.right - bar.rect.left : 0;
}

bool TvxFormScrollWnd::HandleSkinCommand(tk::TMessage&) {
  // The form's answers are the provider's.
  return false;
}

void TvxFormScrollWnd::WndProc(tk::TMessage& m) {
  TvxScrollWnd::WndProc(m);
  // The provider painted the frame strips; the bars lie between them.
  if (m.Msg == WM_NCPAINT && !done_ && Skinned()) PaintBars();
}

bool FormHasScrollBars(HWND form) {
  return form && (GetWindowLongPtrW(form, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

}  // namespace skin
