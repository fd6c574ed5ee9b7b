#include "vxBtnWnd.h"

#include "skin/data/sSkinManager.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Unicode.h"

namespace skin {

int TvxBtnWnd::ButtonState() const {
  if (SendMessageW(handle_, BM_GETSTATE, 0, 0) & BST_PUSHED) return 2;
  if (!IsEnabled()) return 0;
  const bool isDefault = (GetWindowLongPtrW(handle_, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON;
  return (GetFocus() == handle_ || hovered_ || isDefault) ? 1 : 0;
}

void TvxBtnWnd::PaintContent(tk::Bitmap& cache) {
  SelectWindowFont();
  tk::TCanvas& canvas = skinData_->CacheCanvas();
  const int state = ButtonState();
  const bool multiLine = (GetWindowLongPtrW(handle_, GWL_STYLE) & BS_MULTILINE) != 0;
  const UINT format = DT_CENTER | DT_EXPANDTABS | (multiLine ? 0 : DT_WORDBREAK);
  // The text's own height, centred in the button.
  RECT text{0, 0, cache.Width(), cache.Height()};
  DrawTextW(canvas.Handle(), CaptionText().c_str(), -1, &text, format | DT_CALCRECT);
  const int h = text.bottom - text.top;
  text = {0, (cache.Height() - h) / 2, cache.Width(), (cache.Height() - h) / 2 + h};
  if (state == 2) OffsetRect(&text, 1, 1);
  WriteSectionText(canvas, tk::WideToUtf8(CaptionText()), IsEnabled(), &manager_->Tables(), state != 0,
                   skinData_->sectionIndex, format, text);
  PaintFocus(cache);
}

void TvxBtnWnd::PaintFocus(tk::Bitmap& cache) {
  const TsGeneralData* s = skinData_->Section();
  if (GetFocus() != handle_ || !s || !s->ShowFocus) return;
  RECT focus{3, 3, cache.Width() - 3, cache.Height() - 3};
  InflateRect(&focus, 1, 1);
  DrawFocusRect(skinData_->CacheCanvas().Handle(), &focus);
}

void TvxBtnWnd::WndProc(tk::TMessage& m) {
  if (!done_ && Skinned()) {
    if (m.Msg == WM_UPDATEUISTATE) {
      m.Result = 1;
      return;
    }
    if (m.Msg == WM_MOVE) {
      TvxPaintedButtonWnd::WndProc(m);
      const TsGeneralData* s = skinData_->Section();
      if (s && (s->Transparency > 0 || s->HotTransparency > 0)) Repaint();
      return;
    }
  }
  TvxPaintedButtonWnd::WndProc(m);
}

}  // namespace skin
