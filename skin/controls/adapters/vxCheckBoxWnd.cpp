#include "vxCheckBoxWnd.h"

#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/Unicode.h"

namespace skin {

const char* TvxCheckBoxWnd::GlyphName(LONG_PTR style, LRESULT check) {
  const LONG_PTR type = style & 0xF;
  const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
  if (check == BST_INDETERMINATE) return "BOXGRAYED";
  if (radio) return check == BST_CHECKED ? "RADIOCHECKED" : "RADIOUNCHECKED";
  return check == BST_CHECKED ? "BOXCHECKED" : "BOXUNCHECKED";
}

int TvxCheckBoxWnd::ButtonState() const {
  if (SendMessageW(handle_, BM_GETSTATE, 0, 0) & BST_PUSHED) return 2;
  return (GetFocus() == handle_ || hovered_) ? 1 : 0;
}

void TvxCheckBoxWnd::PaintContent(tk::Bitmap& cache) {
  const TsSkinTables& skin = manager_->Tables();
  const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  const int general = skin.IndexOfSection("GLOBALINFO");
  const char* name = GlyphName(style, SendMessageW(handle_, BM_GETCHECK, 0, 0));
  const int glyph = general < 0 ? -1 : skin.IndexOfMask(general, "GLOBALINFO", name);
  int glyphWidth = 16;
  if (glyph >= 0) {
    const auto [w, h] = skin.MaskFrameSize(glyph);
    glyphWidth = w;
    DrawMaskGlyph(cache, {0, (cache.Height() - h) / 2}, ButtonState(), skin.ma[static_cast<std::size_t>(glyph)], 1);
  }
  SelectWindowFont();
  tk::TCanvas& canvas = skinData_->CacheCanvas();
  const bool multiLine = (style & BS_MULTILINE) != 0;
  const UINT format = multiLine ? (DT_CENTER | DT_WORDBREAK) : (DT_VCENTER | DT_SINGLELINE);
  RECT text{glyphWidth + 2, 0, cache.Width() - 4, cache.Height()};
  WriteSectionText(canvas, tk::WideToUtf8(CaptionText()), IsEnabled(), &skin, ButtonState() != 0,
                   skinData_->sectionIndex, format, text);
  if (GetFocus() == handle_) {
    RECT focus = text;
    DrawTextW(canvas.Handle(), CaptionText().c_str(), -1, &focus, format | DT_CALCRECT);
    InflateRect(&focus, 1, 1);
    DrawFocusRect(canvas.Handle(), &focus);
  }
}

}  // namespace skin
