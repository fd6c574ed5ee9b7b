#include "vxGroupBoxWnd.h"

#include <algorithm>

#include "skin/controls/sContainerPaint.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSkinTextWin.h"
#include "skin/paint/sTransparentCorners.h"
#include "toolkit/core/Bitmap.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Unicode.h"
#include "toolkit/win/WinControl.h"

namespace skin {

RECT TvxGroupBoxWnd::CaptionRect() {
  SelectWindowFont();
  tk::TCanvas& canvas = skinData_->CacheCanvas();
  SIZE text{};
  GetTextExtentPoint32W(canvas.Handle(), CaptionText().c_str(), static_cast<int>(CaptionText().size()), &text);
  TEXTMETRICW tm{};
  GetTextMetricsW(canvas.Handle(), &tm);
  ReadGeometry();
  RECT c{6, 0, 0, std::max<LONG>(4, tm.tmHeight) + 2};
  c.right = std::min<LONG>(width, c.left + text.cx + 8);
  return c;
}

void TvxGroupBoxWnd::DrawCaption(const RECT& c, const CacheInfo& parentCache) {
  tk::Bitmap& cache = *skinData_->Cache();
  const TsSkinTables* tables = skinData_->PaintTables();
  const TRect strip{c.left, c.top, c.right, c.bottom};
  const TRect b = skinData_->OwnerBounds();
  if (tables && parentCache.ready)
    PaintSectionByIndex(tables->IndexOfSection("CHECKBOX"), "CHECKBOX", parentCache, -1, -1, tables, &cache,
                        {b.Left + c.left, b.Top + c.top}, strip, 0, true);
  else
    FillRectBitmap(cache, strip, skinData_->ParentColor());
  cache.Sync();
  SelectWindowFont();
  WriteSectionText(skinData_->CacheCanvas(), tk::WideToUtf8(CaptionText()), IsEnabled(), tables, false,
                   skinData_->sectionIndex, DT_SINGLELINE | DT_VCENTER | DT_CENTER, c);
  GdiFlush();
}

void TvxGroupBoxWnd::PrepareCache() {
  TsCommonData& d = *skinData_;
  tk::Bitmap* cache = CacheToRebuild();
  if (!cache) return;
  const TsPaintColorsReset reset;
  const CacheInfo parent = d.HasParent() ? d.ParentCacheInfo() : CacheInfo{};
  const RECT c = CaptionRect();
  const TRect b = d.OwnerBounds();
  if (parent.Usable())
    CopyBitmapRect(*cache, 0, 0, *parent.bitmap,
                   {b.Left + parent.offsetX, b.Top + parent.offsetY, b.Left + parent.offsetX + width,
                    b.Top + parent.offsetY + c.bottom});
  else
    FillRectBitmap(*cache, {0, 0, width, c.bottom}, d.ParentColor());
  const int f = (c.bottom - c.top) / 2;
  PaintSection(d, parent, false, false, cache, {b.Left, b.Top + f}, {0, f, width, height}, 0);
  if (!CaptionText().empty()) DrawCaption(c, parent);
  cache->Sync();
  RepaintCorners(d, 0, kCornerBottomLeft | kCornerBottomRight);
  d.cacheStale = false;
}

RECT TvxGroupBoxWnd::InsideRect() {
  const RECT c = CaptionRect();
  const TsSkinTables* tables = skinData_->PaintTables();
  const int mask = skinData_->BorderMaskIndex();
  int left = 0, top = 0, right = 0, bottom = 0;
  if (tables && tables->IsValidImgIndex(mask)) {
    const TsMaskData& m = tables->ma[static_cast<std::size_t>(mask)];
    left = m.WL, top = m.WT, right = m.WR, bottom = m.WB;
  }
  const int below = std::max<int>(c.bottom, (c.bottom - c.top) / 2 + top);
  return {left, below, std::max(left, width - right), std::max(below, height - bottom)};
}

void TvxGroupBoxWnd::PaintFrameAndCaption(HDC dc) {
  skinData_->cacheStale = true;
  PrepareCache();
  const tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  const RECT inside = InsideRect();
  const tk::TSavedDC saved(dc);
  ExcludeClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
  skinData_->CopyCacheTo(dc);
}

void TvxGroupBoxWnd::PaintAfterPlatform(tk::TMessage& m) {
  CallPrevious(m);
  if (skinData_->UpdateDeferPaint()) return;
  const HDC given = m.Msg == WM_PAINT ? reinterpret_cast<HDC>(m.WParam) : nullptr;
  if (given) {
    PaintFrameAndCaption(given);
    return;
  }
  PaintNow([this](HDC dc) { PaintFrameAndCaption(dc); });
}

void TvxGroupBoxWnd::Paint(HDC dc, bool notifyChildren) {
  if (skinData_->UpdateDeferPaint()) return;
  PrepareCache();
  const RECT all{0, 0, width, height};
  auto* control = dynamic_cast<tk::TWinControl*>(skinData_->OwnerControl());
  if (control) {
    PaintFromCacheExcludingChildren(control, *skinData_, all, 0, 0, false, dc, all);
    PaintGraphicChildren(dc, control, 0, 0);
    if (notifyChildren) NotifyChildrenParentPainted(control);
  } else {
    PaintFromCacheExcludingChildWindows(handle_, *skinData_, all, 0, 0, false, dc, all);
    if (notifyChildren) NotifyChildWindowsParentPainted(handle_);
  }
}

bool TvxGroupBoxWnd::HandleSkinCommand(tk::TMessage& m) {
  if (SkinSubCommand(m.WParam) == SCMD_GET_CAPTION_HEIGHT) {
    const RECT c = CaptionRect();
    m.Result = c.bottom;
    return true;
  }
  return TvxMainWnd::HandleSkinCommand(m);
}

void TvxGroupBoxWnd::WndProc(tk::TMessage& m) {
  if (done_ || !Skinned()) {
    TvxMainWnd::WndProc(m);
    return;
  }
  if (dlgMode_) {
    switch (m.Msg) {
      case WM_PAINT:
      case WM_NCPAINT:
        PaintAfterPlatform(m);
        return;
      case WM_PRINTCLIENT:
        CallPrevious(m);
        PaintFrameAndCaption(reinterpret_cast<HDC>(m.WParam));
        return;
      case WM_ERASEBKGND:
        CallPrevious(m);
        return;
      default:
        break;
    }
  }
  switch (m.Msg) {
    case WM_PAINT:
      HandlePaintMessage(m, [this](HDC dc, bool own) { Paint(dc, own); });
      return;
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(m.WParam), false);
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_SIZE:
    case WM_SETTEXT:
      skinData_->cacheStale = true;
      TvxMainWnd::WndProc(m);
      InvalidateRect(handle_, nullptr, FALSE);
      return;
    default:
      break;
  }
  TvxMainWnd::WndProc(m);
}

}  // namespace skin
