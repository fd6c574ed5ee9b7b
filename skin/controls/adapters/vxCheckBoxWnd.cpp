#include "vxCheckBoxWnd.h"

#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sParentBlend.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
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
  tk::TCanvas& canvas = skinData_->CacheCanvas();
  if (const HFONT font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0)))
    SelectObject(canvas.Handle(), font);
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
  GdiFlush();
}

void TvxCheckBoxWnd::Paint(HDC dc) {
  skinData_->cacheStale = true;
  PrepareCache();
  tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  PaintContent(*cache);
  cache->Sync();
  if (!IsEnabled()) {
    const TRect b = skinData_->OwnerBounds();
    BlendWithParentCache(*cache, skinData_->ParentCacheInfo(), {b.Left, b.Top}, 60);
  }
  skinData_->CopyCacheTo(dc);
}

void TvxCheckBoxWnd::Repaint() {
  const tk::TWindowDC dc(handle_);
  if (dc) Paint(dc.Get());
}

void TvxCheckBoxWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT: {
      if (m.WParam) {
        Paint(reinterpret_cast<HDC>(m.WParam));
        return;
      }
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(handle_, &ps);
      Paint(dc);
      EndPaint(handle_, &ps);
      return;
    }
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      m.Result = 1;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYUP:
      SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
      TvxMainWnd::WndProc(m);
      SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
      Repaint();
      return;
    default:
      break;
  }
  TvxMainWnd::WndProc(m);
}

}  // namespace skin
