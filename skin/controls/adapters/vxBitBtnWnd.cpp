#include "vxBitBtnWnd.h"

#include "skin/data/sSkinManager.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Unicode.h"

namespace skin {

namespace {
constexpr int kGap = 4;
}  // namespace

TvxBitBtnWnd::Layout TvxBitBtnWnd::LayOut(int buttonWidth, SIZE glyph, SIZE text) {
  const int gap = glyph.cx > 0 && text.cx > 0 ? kGap : 0;
  const int total = glyph.cx + gap + text.cx;
  const int left = (buttonWidth - total) / 2;
  return {left, left + glyph.cx + gap};
}

HANDLE TvxBitBtnWnd::Picture(UINT& type, SIZE& size) const {
  size = {};
  if (const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(handle_, BM_GETIMAGE, IMAGE_BITMAP, 0))) {
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof(info), &info)) {
      type = IMAGE_BITMAP;
      size = {info.bmWidth, info.bmHeight};
      return bitmap;
    }
  }
  if (const auto icon = reinterpret_cast<HICON>(SendMessageW(handle_, BM_GETIMAGE, IMAGE_ICON, 0))) {
    ICONINFO info{};
    if (GetIconInfo(icon, &info)) {
      BITMAP mask{};
      GetObjectW(info.hbmMask, sizeof(mask), &mask);
      // A monochrome icon keeps its picture in the mask's lower half.
      size = {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
      if (info.hbmColor) DeleteObject(info.hbmColor);
      if (info.hbmMask) DeleteObject(info.hbmMask);
      type = IMAGE_ICON;
      return icon;
    }
  }
  return nullptr;
}

void TvxBitBtnWnd::PaintContent(tk::Bitmap& cache) {
  SelectWindowFont();
  tk::TCanvas& canvas = skinData_->CacheCanvas();
  const int state = ButtonState();
  const int shift = state == 2 ? 1 : 0;
  UINT type = 0;
  SIZE glyph{};
  const HANDLE picture = Picture(type, glyph);
  RECT measured{0, 0, cache.Width(), cache.Height()};
  if (!CaptionText().empty())
    DrawTextW(canvas.Handle(), CaptionText().c_str(), -1, &measured, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
  const SIZE text{CaptionText().empty() ? 0 : measured.right - measured.left, measured.bottom - measured.top};
  const Layout at = LayOut(cache.Width(), glyph, text);
  const int glyphTop = (cache.Height() - glyph.cy) / 2 + shift;
  if (picture && type == IMAGE_ICON) {
    DrawIconEx(canvas.Handle(), at.glyphLeft + shift, glyphTop, static_cast<HICON>(picture), glyph.cx, glyph.cy, 0,
               nullptr, DI_NORMAL);
  } else if (picture) {
    tk::TMemoryDC source(canvas.Handle());
    const tk::TSelection selected(source.Get(), static_cast<HBITMAP>(picture));
    TransparentBlt(canvas.Handle(), at.glyphLeft + shift, glyphTop, glyph.cx, glyph.cy, source.Get(), 0, 0, glyph.cx,
                   glyph.cy, GetPixel(source.Get(), 0, glyph.cy - 1));
  }
  if (!CaptionText().empty()) {
    const RECT r{at.textLeft + shift, (cache.Height() - text.cy) / 2 + shift, at.textLeft + shift + text.cx + 1,
                 (cache.Height() - text.cy) / 2 + shift + text.cy};
    WriteSectionText(canvas, tk::WideToUtf8(CaptionText()), IsEnabled(), &manager_->Tables(), state != 0,
                     skinData_->sectionIndex, DT_SINGLELINE | DT_EXPANDTABS, r);
  }
  PaintFocus(cache);
  GdiFlush();
}

}  // namespace skin
