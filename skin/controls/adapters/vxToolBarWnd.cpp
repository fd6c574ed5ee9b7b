#include "vxToolBarWnd.h"

#include <cmath>
#include <string>

#include "vxEditWnd.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Unicode.h"

namespace skin {

int TvxToolBarWnd::ButtonState(BYTE tbState, bool underCursor) {
  if (!(tbState & TBSTATE_ENABLED)) return 0;
  if (tbState & TBSTATE_PRESSED) return 2;
  return underCursor ? 1 : 0;
}

RECT TvxToolBarWnd::TextRect(int buttonWidth, int buttonHeight, int imageHeight) {
  const int top = imageHeight > 0 ? 2 + imageHeight + 2 : 2;
  return {2, top, buttonWidth - 2, buttonHeight - 2};
}

BYTE TvxToolBarWnd::MixDisabled(BYTE background, BYTE button) {
  return static_cast<BYTE>(std::lround(0.6 * background + 0.4 * button));
}

bool TvxToolBarWnd::PaintDeferred() {
  skinData_->deferPaint = parentHandle && QueryWindowSkinFlag(parentHandle, SCMD_IS_DEFERRED);
  return skinData_->deferPaint;
}

void TvxToolBarWnd::PaintImage(tk::Bitmap& picture, const TBBUTTON& button, int state, int& imageHeight) {
  imageHeight = 0;
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle_, TB_GETIMAGELIST, 0, 0));
  const bool wholeDropDown = (button.fsStyle & BTNS_WHOLEDROPDOWN) != 0;
  int room = picture.Width();
  if (wholeDropDown) {
    const TsSkinTables& skin = manager_->Tables();
    const int section = skin.IndexOfSection("SCROLLBTNBOTTOM");
    const int glyph = section < 0 ? -1 : skin.IndexOfMask(section, "SCROLLBTNBOTTOM", "GLYPHMASK");
    if (glyph >= 0) {
      const auto [w, h] = skin.MaskFrameSize(glyph);
      DrawMaskGlyph(picture, {picture.Width() - w - 2, (picture.Height() - h) / 2}, state,
                    skin.ma[static_cast<std::size_t>(glyph)], 1);
      room = picture.Width() - w - 2;
    }
  }
  // Image 0 is an image like any other; I_IMAGENONE (-2) and callbacks are not.
  if (!images || button.iBitmap < 0) return;
  int w = 0, h = 0;
  ImageList_GetIconSize(images, &w, &h);
  ImageList_SetBkColor(images, CLR_NONE);
  const int shift = state == 2 ? 1 : 0;
  tk::TBitmapCanvas canvas(picture);
  ImageList_Draw(images, button.iBitmap, canvas.Handle(), (room - w) / 2 + shift, 4 + shift, ILD_TRANSPARENT);
  GdiFlush();
  imageHeight = h;
}

void TvxToolBarWnd::PaintText(tk::Bitmap& picture, int index, int state, int imageHeight) {
  const TBBUTTON button = [&] {
    TBBUTTON b{};
    SendMessageW(handle_, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&b));
    return b;
  }();
  const LRESULT length = SendMessageW(handle_, TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand), 0);
  if (length <= 0) return;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(handle_, TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  tk::TBitmapCanvas canvas(picture);
  LOGFONTW lf{};
  const auto font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  if (font && GetObjectW(font, sizeof(lf), &lf)) {
    canvas.Font().SetName(tk::WideToUtf8(lf.lfFaceName));
    canvas.Font().SetHeight(lf.lfHeight);
    canvas.Font().SetCharset(lf.lfCharSet);
  }
  RECT r = TextRect(picture.Width(), picture.Height(), imageHeight);
  if (state == 2) OffsetRect(&r, 1, 1);
  const TsSkinTables& skin = manager_->Tables();
  // A button in its normal look writes in the bar's colours.
  const int section = state != 0 ? skin.IndexOfSection("TOOLBUTTON") : skinData_->sectionIndex;
  WriteSectionText(canvas, tk::WideToUtf8(text), IsWindowEnabled(handle_) != FALSE, &skin, state == 1, section,
                   DT_CENTER | DT_WORDBREAK | DT_VCENTER | DT_END_ELLIPSIS, r);
  GdiFlush();
}

void TvxToolBarWnd::PaintButton(tk::Bitmap& target, const tk::Bitmap& background, int index, POINT cursor) {
  TBBUTTON button{};
  if (!SendMessageW(handle_, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button))) return;
  if ((button.fsState & TBSTATE_HIDDEN) || (button.fsStyle & BTNS_SEP)) return;
  RECT r{};
  if (!SendMessageW(handle_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  OffsetRect(&r, border_, border_);
  const POINT inCache{cursor.x + border_, cursor.y + border_};
  const int state = ButtonState(button.fsState, PtInRect(&r, inCache) != FALSE);
  tk::Bitmap picture = NewBitmap24(w, h);
  const TsSkinTables& skin = manager_->Tables();
  const CacheInfo bar{&background, 0, 0, true};
  PaintSectionByIndex(skin.IndexOfSection("TOOLBUTTON"), "TOOLBUTTON", bar, -1, -1, &skin, &picture, {r.left, r.top},
                      {0, 0, w, h}, state, true);
  int imageHeight = 0;
  PaintImage(picture, button, state, imageHeight);
  PaintText(picture, index, state, imageHeight);
  picture.Sync();
  if (!(button.fsState & TBSTATE_ENABLED)) {
    for (int y = 0; y < h && r.top + y < background.Height(); ++y) {
      std::uint8_t* row = picture.ScanLine(y);
      const std::uint8_t* under = background.ScanLine(r.top + y);
      for (int x = 0; x < w * 3 && (r.left * 3 + x) < background.Width() * 3; ++x)
        row[x] = MixDisabled(under[r.left * 3 + x], row[x]);
    }
  }
  CopyBitmapRect(target, r.left, r.top, picture, {0, 0, w, h});
}

void TvxToolBarWnd::Paint(HDC dc) {
  if (PaintDeferred()) return;
  PrepareCache();
  const tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  RECT client{};
  GetClientRect(handle_, &client);
  border_ = (height - client.bottom) / 2;
  tk::Bitmap picture = NewBitmap24(cache->Width(), cache->Height());
  CopyBitmapRect(picture, 0, 0, *cache, {0, 0, cache->Width(), cache->Height()});
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(handle_, &cursor);
  const int count = static_cast<int>(SendMessageW(handle_, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) PaintButton(picture, *cache, i, cursor);
  const tk::TBitmapSource source(picture);
  BitBlt(dc, 0, 0, client.right, client.bottom, source.Handle(), border_, border_, SRCCOPY);
}

void TvxToolBarWnd::PaintFrame() {
  if (!(GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) return;
  PrepareCache();
  const tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  RECT client{};
  GetClientRect(handle_, &client);
  const tk::TWindowDC dc(handle_, tk::TWindowDC::Whole);
  TvxEditWnd::CopyRing(dc.Get(), *cache, (width - client.right) / 2);
}

void TvxToolBarWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      ReadGeometry();
      PaintFrame();
      m.Result = 0;
      return;
    case WM_PAINT:
      ReadGeometry();
      HandlePaintMessage(m, [this](HDC dc, bool) { Paint(dc); });
      return;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      skinData_->cacheStale = true;
      CallPrevious(m);
      SendMessageW(handle_, WM_NCPAINT, 1, 0);
      return;
    case WM_MOUSEMOVE:
      CallPrevious(m);
      if (DefaultManager && !DefaultManager->IsDesigning() && IsEnabled() && DefaultManager->HoveredControl() != handle_)
        DefaultManager->SetHoveredControl(handle_);
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    default:
      break;
  }
  TvxMainWnd::WndProc(m);
}

}  // namespace skin
