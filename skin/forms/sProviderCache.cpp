// Rendering the whole window into the provider's cache: the form's section
// with its frame, the size grip, the title bar with its icon, buttons and
// caption, the menu line, and the MDI area of an MDI parent. Activation and
// caption changes take a short way: the form's own painting of the title
// rows is kept (the caption cache) and only the title is drawn again.
#include "sMDIForm.h"
#include "sKeyboardCues.h"
#include "sSkinProvider.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBorderMask.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/ControlCanvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/Unicode.h"

namespace skin {

namespace {

// A copy of the top rows of a bitmap.
std::unique_ptr<tk::Bitmap> CopyTopRows(const tk::Bitmap& source, int rows) {
  auto copy = std::make_unique<tk::Bitmap>(source.Width(), rows, tk::PixelFormat::pf24bit);
  CopyBitmapRect(*copy, 0, 0, source, {0, 0, source.Width(), rows});
  return copy;
}

}  // namespace

bool TsSkinProvider::CanUseCaptionFastPath(const TsFrameMetrics& fm) const {
  const TsGeneralData* section = skinData_->Section();
  const tk::Bitmap* cache = skinData_->Cache();
  return !captionInvalid_ && section && section->ReservedBoolean && captionCache_ &&
         captionCache_->Width() == fm.width && cache && cache->Height() == fm.height && cache->Width() == fm.width &&
         fm.captionHeight != 0 && !fm.minimized;
}

bool TsSkinProvider::RegenerateCache() {
  if (FormCreating() || !Skinned()) return false;
  const TsFrameMetrics fm = Metrics();
  if (fm.width <= 0 || fm.height <= 0 || KeepsCacheBehindMaximizedChild(fm)) return false;
  TsPaintColorsReset resetColors;
  if (CanUseCaptionFastPath(fm)) {
    tk::Bitmap& cache = *skinData_->Cache();
    CopyBitmapRect(cache, 0, 0, *captionCache_, {0, 0, captionCache_->Width(), captionCache_->Height()});
    PaintTitle(fm);
    PaintTitleIcon(fm);
    PaintTitleBarMask(fm);
    PaintCaptionButtons(fm);
    PaintCaptionText(fm);
    firstPaintDone_ = true;
    skinData_->cacheStale = false;
    cachedFrame_ = fm;
    return true;
  }
  regionChanged_ = true;
  skinData_->EnsureCacheBitmap();
  tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return false;
  PaintFormSection(fm);
  PaintGrip(fm);
  const TsGeneralData* section = skinData_->Section();
  if (section && section->ReservedBoolean && fm.TitleHeight() > 0 &&
      (!captionCache_ || captionCache_->Width() != cache->Width()))
    captionCache_ = CopyTopRows(*cache, std::min(fm.TitleHeight(), cache->Height()));
  if (fm.captionHeight != 0) PaintTitle(fm);
  PaintTitleIcon(fm);
  PaintTitleBarMask(fm);
  PaintMenuLine(fm);
  if (fm.captionHeight != 0) {
    PaintCaptionButtons(fm);
    PaintCaptionText(fm);
  }
  if (mdiForm_) {
    mdiForm_->PaintArea(*cache, fm);
    childButtonsInCache_ = ChildButtonsShown();
    LayOutChildButtons(fm);
    if (childButtonsInCache_) PaintChildButtons(fm);
  }
  captionInvalid_ = false;
  PaintUserOnPaint(fm);
  firstPaintDone_ = true;
  skinData_->cacheStale = false;
  skinData_->deferPaint = false;
  cachedFrame_ = fm;
  return true;
}

void TsSkinProvider::PaintFormSection(const TsFrameMetrics& fm) {
  tk::Bitmap& cache = *skinData_->Cache();
  const int state = formActive_ ? 1 : 0;
  const TRect all{0, 0, cache.Width(), cache.Height()};
  if (fm.captionHeight != 0) {
    PaintSection(*skinData_, CacheInfo{}, true, true, &cache, {0, 0}, all, state);
    return;
  }
  // Clear mask pixels stay clFuchsia: the region removes them.
  MaskBackgroundColor = clFuchsia;
  PaintSectionByIndex(skinData_->sectionIndex, skinData_->SkinSection(), CacheInfo{}, skinData_->hotPatternIndex,
                      skinData_->patternIndex, Skin(), &cache, {0, 0}, all, state, true);
}

void TsSkinProvider::PaintGrip(const TsFrameMetrics& fm) {
  if (gripMode_ != gmRightBottom) return;
  const TsMaskData* grip = Mask(GlobalMask("GRIPIMAGE"));
  if (!grip) return;
  tk::Bitmap& cache = *skinData_->Cache();
  const auto [w, h] = grip->Bmp ? std::pair{grip->Bmp->Width() / 3, grip->Bmp->Height() / 2} : MaskFrame(GlobalMask("GRIPIMAGE"));
  DrawMaskGlyph(cache, {cache.Width() - w - fm.frameWidth, cache.Height() - h - fm.frameHeight}, 0, *grip, 1);
}

void TsSkinProvider::PaintTitle(const TsFrameMetrics& fm) {
  const int title = TitleSectionIndex();
  if (title < 0 || fm.captionHeight == 0) return;
  tk::Bitmap& cache = *skinData_->Cache();
  // The form's own painting of the title rows lies under the title section.
  const CacheInfo formBackground{&cache, 0, 0, true};
  const int bottom = fm.minimized ? cache.Height() : std::min(fm.TitleHeight(), cache.Height());
  PaintSectionByIndex(title, TitleSectionName(), formBackground, -1, -1, Skin(), &cache, {0, 0},
                      {0, 0, cache.Width(), bottom}, formActive_ ? 1 : 0, true);
}

int TsSkinProvider::TitleBarMaskWidth(const TsFrameMetrics& fm) {
  const TsMaskData* m = Mask(FormMask("TITLEBAR"));
  if (!m) return 0;
  const int corners = m->Bmp ? (m->Bmp->Width() / 9) * 2 : (m->R.Width() / (std::max(m->ImageCount, 1) * 3)) * 2;
  return corners + ButtonsWidth(fm);
}

void TsSkinProvider::PaintTitleBarMask(const TsFrameMetrics& fm) {
  const TsFormRules rules = Rules();
  const bool anyButton = (form_->BorderIcons() & tk::biSystemMenu) &&
                         (rules.closeVisible || rules.minimizeVisible || rules.maximizeVisible);
  const TsMaskData* m = Mask(FormMask("TITLEBAR"));
  if (!anyButton || !m || fm.captionHeight == 0) return;
  tk::Bitmap& cache = *skinData_->Cache();
  const int width = TitleBarMaskWidth(fm);
  DrawBorderMask(cache, {cache.Width() - width, 0, cache.Width(), std::min(fm.TitleHeight(), cache.Height())}, true,
                 true, formActive_ ? 1 : 0, *m, CacheInfo{&cache, 0, 0, true});
}

void TsSkinProvider::PaintMenuLine(const TsFrameMetrics& fm) {
  HMENU menu = FormHandle() ? GetMenu(FormHandle()) : nullptr;
  if (!menu || fm.menuHeight <= 0 || fm.menuRows <= 0 || fm.minimized) return;
  int section = menuLineSkin_.empty() ? -1 : SectionIndexOf(menuLineSkin_);
  std::string name = menuLineSkin_;
  if (section < 0) {
    section = SectionIndexOf("MENULINE");
    name = "MENULINE";
  }
  tk::Bitmap& cache = *skinData_->Cache();
  const int top = fm.TitleHeight();
  const TRect line{0, top, cache.Width(), top + fm.menuRows * fm.menuHeight};
  if (section >= 0)
    PaintSectionByIndex(section, name, CacheInfo{&cache, 0, 0, true}, -1, -1, Skin(), &cache, {0, line.Top}, line, 0,
                        true);
  menuLineBmp_ = tk::Bitmap(line.Width(), line.Height(), tk::PixelFormat::pf24bit);
  CopyBitmapRect(menuLineBmp_, 0, 0, cache, line);
  PaintMenuItems(fm, menu, section);
  PaintMDIChildIcon(fm);
}

void TsSkinProvider::PaintMenuItems(const TsFrameMetrics&, HMENU menu, int section) {
  // The items' captions in the menu line's colours; the skinned menus draw
  // them with their own look where they are in the program.
  tk::Bitmap& cache = *skinData_->Cache();
  tk::TBitmapCanvas canvas(cache);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    canvas.Font().SetName(tk::WideToUtf8(metrics.lfMenuFont.lfFaceName));
    canvas.Font().SetHeight(metrics.lfMenuFont.lfHeight);
  }
  canvas.Font().SetCharset(form_->Font().Charset());
  RECT window;
  GetWindowRect(FormHandle(), &window);
  const UINT noAccel = AcceleratorsHidden(FormHandle()) ? ODS_NOACCEL : 0;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    RECT r;
    if (!GetMenuItemRect(FormHandle(), menu, static_cast<UINT>(i), &r)) continue;
    OffsetRect(&r, -window.left, -window.top);
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    if (tk::TMenuItem* item = tk::TMenuItem::FromItemData(info.dwItemData); item && item->OnAdvancedDrawItem) {
      // The item draws itself (the skinned menus over the line just kept).
      // An item the open menu belongs to stays lit when the frame repaints.
      const UINT drawState = ((state & (MF_GRAYED | MF_DISABLED)) ? ODS_GRAYED | ODS_DISABLED : 0) |
                             ((state & MF_HILITE) ? ODS_SELECTED : 0) | noAccel;
      item->DrawItem(canvas.Handle(), r, drawState);
      continue;
    }
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 255, MF_BYPOSITION);
    WriteSectionText(canvas, tk::WideToUtf8(text), (state & (MF_GRAYED | MF_DISABLED)) == 0, Skin(), false, section,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | (noAccel ? DT_HIDEPREFIX : 0), r);
  }
  cache.Sync();
}

void TsSkinProvider::PaintUserOnPaint(const TsFrameMetrics& fm) {
  if (!form_->OnPaint) return;
  auto* canvas = dynamic_cast<tk::TControlCanvas*>(&form_->Canvas());
  if (!canvas) return;
  tk::Bitmap& cache = *skinData_->Cache();
  tk::TMemoryDC dc;
  tk::TSelection selected(dc.Get(), static_cast<HBITMAP>(cache.NativeHandle()));
  SetViewportOrgEx(dc.Get(), fm.clientOffsetX, fm.clientOffsetY, nullptr);
  IntersectClipRect(dc.Get(), 0, 0, fm.clientWidth, fm.clientHeight);
  {
    tk::TPaintScope scope(*canvas, dc.Get());
    form_->OnPaint(form_);
  }
  cache.Sync();
}

}  // namespace skin
