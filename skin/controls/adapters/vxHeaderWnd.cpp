#include "vxHeaderWnd.h"

#include <commctrl.h>

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

std::unique_ptr<TvxHeaderWnd> TvxHeaderWnd::WrapHeader(HWND header, TsSkinManager* manager) {
  if (!header || TvxMainWnd::Of(header) || !manager) return nullptr;
  return Wrap<TvxHeaderWnd>(header, false, SectionFor(manager->Tables()), manager, nullptr);
}

const char* TvxHeaderWnd::SectionFor(const TsSkinTables& skin) {
  return skin.IndexOfSection("COLHEADER") >= 0 ? "COLHEADER" : "BUTTON";
}

void TvxHeaderWnd::PaintItem(tk::Bitmap& picture, int index) {
  RECT r{};
  if (!SendMessageW(handle_, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return;
  wchar_t text[260] = L"";
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = 260;
  SendMessageW(handle_, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const TsSkinTables& skin = manager_->Tables();
  const std::string& name = skinData_->SkinSection();
  PaintSectionByIndex(skinData_->sectionIndex, name, CacheInfo{}, -1, -1, &skin, &picture, {r.left, r.top},
                      {r.left, r.top, r.right, r.bottom}, 0, true);
  picture.Sync();
  const bool sorted = (item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != 0;
  RECT textRect{r.left + 6, r.top, r.right - (sorted ? 20 : 6), r.bottom};
  UINT align = DT_LEFT;
  if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
  if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
  SelectWindowFont();
  WriteSectionText(skinData_->CacheCanvas(), tk::WideToUtf8(text), IsEnabled(), &skin, false, skinData_->sectionIndex,
                   align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, textRect);
  GdiFlush();
  if (!sorted) return;
  const char* arrow = (item.fmt & HDF_SORTUP) ? "SCROLLBTNTOP" : "SCROLLBTNBOTTOM";
  const int section = skin.IndexOfSection(arrow);
  const int glyph = section < 0 ? -1 : skin.IndexOfMask(section, arrow, "GLYPHMASK");
  if (glyph < 0) return;
  const auto [gw, gh] = skin.MaskFrameSize(glyph);
  picture.Sync();
  DrawMaskGlyph(picture, {r.right - 6 - gw, r.top + (r.bottom - r.top - gh) / 2}, 0,
                skin.ma[static_cast<std::size_t>(glyph)], 1);
}

void TvxHeaderWnd::Paint(HDC dc) {
  RECT client{};
  GetClientRect(handle_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  // The header draws through the cache's canvas: the cache is its picture.
  tk::Bitmap* picture = skinData_->Cache();
  if (!picture) return;
  if (picture->Width() != client.right || picture->Height() != client.bottom) {
    skinData_->cacheStale = true;
    skinData_->EnsureCacheBitmap();
  }
  const TsSkinTables& skin = manager_->Tables();
  PaintSectionByIndex(skinData_->sectionIndex, skinData_->SkinSection(), CacheInfo{}, -1, -1, &skin, picture, {0, 0},
                      {0, 0, client.right, client.bottom}, 0, true);
  const int count = static_cast<int>(SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) PaintItem(*picture, i);
  picture->Sync();
  const tk::TBitmapSource source(*picture);
  BitBlt(dc, 0, 0, client.right, client.bottom, source.Handle(), 0, 0, SRCCOPY);
}

void TvxHeaderWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PAINT:
      HandlePaintMessage(m, [this](HDC dc, bool) { Paint(dc); });
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
