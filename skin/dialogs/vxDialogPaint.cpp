// Putting a skinned dialog on the screen: the whole window rendered into
// the cache (the dialog section, the grip, the title bar with its icon,
// caption buttons and text), the frame strips copied from it at every
// non-client paint, the client background around the children, and the
// window region without the frame's clear corner pixels.
#include <algorithm>

#include "vxDialogWnd.h"
#include "vxProvider.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/sFrameRegion.h"
#include "skin/forms/sWindowRegion.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBorderMask.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Messages.h"
#include "toolkit/win/Unicode.h"

namespace skin {

namespace {

HRGN FixedAreaRegion() {
  static const HRGN region = [] {
    HRGN all = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : kDialogFixedAreas) {
      tk::TGdiObject<HRGN> part(CreateRectRgnIndirect(&r));
      CombineRgn(all, all, part.Get(), RGN_OR);
    }
    return all;
  }();
  return region;
}

void Blit(HDC target, HDC source, int x, int y, int w, int h, int sx, int sy) {
  if (w > 0 && h > 0) BitBlt(target, x, y, w, h, source, sx, sy, SRCCOPY);
}

}  // namespace

// --- The cache ---------------------------------------------------------------------

int TvxDialogWnd::GripMask() const { return frameKind_ == fkStandard ? GlobalMask("GRIPIMAGE") : -1; }

POINT TvxDialogWnd::GripPoint(const TvxDialogMetrics& fm) const {
  const TsMaskData* grip = Mask(GripMask());
  if (!grip) return {fm.width, fm.height};
  if (grip->Bmp)
    return {fm.width - grip->Bmp->Width() / 3 - fm.frameWidth, fm.height - grip->Bmp->Height() / 2 - fm.frameHeight};
  return {fm.width - grip->R.Width() / std::max(grip->ImageCount, 1) - fm.frameWidth,
          fm.height - grip->R.Height() / (grip->MaskType + 1) - fm.frameHeight};
}

void TvxDialogWnd::RegenerateCache() {
  if (!skinData_->cacheStale || !Skinned()) return;
  const TvxDialogMetrics fm = Metrics();
  if (fm.width <= 0 || fm.height <= 0) return;
  regionChanged_ = true;
  skinData_->EnsureCacheBitmap();
  tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty()) return;
  const TsPaintColorsReset resetColors;
  const int state = active_ ? 1 : 0;
  if (skinData_->sectionIndex >= 0)
    PaintSection(*skinData_, CacheInfo{}, true, true, cache, {0, 0}, {0, 0, fm.width, fm.height}, state);
  if (const TsMaskData* grip = Mask(GripMask())) {
    const POINT p = GripPoint(fm);
    DrawMaskGlyph(*cache, {p.x, p.y}, 0, *grip, 1);
  }
  if (fm.captionHeight != 0) {
    PaintTitle(fm, *cache, state);
    PaintTitleIcon(fm, *cache);
    const int width = ButtonsWidth() + fm.frameWidth;
    titleBackground_ = tk::Bitmap(std::max(width, 1), std::max(fm.topStrip, 1), tk::PixelFormat::pf24bit);
    CopyBitmapRect(titleBackground_, 0, 0, *cache, {fm.width - width - 1, 0, fm.width - 1, fm.topStrip});
    LayOutButtons(fm, cache);
    PaintCaptionText(fm, *cache);
  }
  cache->Sync();
  skinData_->cacheStale = false;
}

void TvxDialogWnd::PaintTitle(const TvxDialogMetrics& fm, tk::Bitmap& cache, int state) {
  const int title = TitleSection();
  const int titleBand = fm.frameHeight + fm.captionHeight;
  if (title >= 0)
    PaintSectionByIndex(title, "FORMTITLE", CacheInfo{&cache, 0, 0, true}, -1, -1, Skin(), &cache, {0, 0},
                        {0, 0, fm.width, fm.minimized ? fm.height : titleBand}, state, true);
  const TsMaskData* bar = Facts().HasSystemMenu() ? Mask(SectionMask("TITLEBAR")) : nullptr;
  if (!bar) return;
  const int corners = bar->Bmp ? (bar->Bmp->Width() / 9) * 2 : (bar->R.Width() / (std::max(bar->ImageCount, 1) * 3)) * 2;
  // Its clear pixels show the title bar under it.
  DrawBorderMask(cache, {fm.width - corners - ButtonsWidth(), 0, fm.width, titleBand}, true, true, state, *bar,
                 CacheInfo{&cache, 0, 0, true});
}

void TvxDialogWnd::PaintTitleIcon(const TvxDialogMetrics& fm, tk::Bitmap& cache) {
  if (!icon_) return;
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  HICON small = static_cast<HICON>(CopyImage(icon_, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
  {
    tk::TMemoryDC dc;
    tk::TSelection selected(dc.Get(), static_cast<HBITMAP>(cache.NativeHandle()));
    DrawIconEx(dc.Get(), fm.frameWidth, (fm.captionHeight + fm.frameHeight - cy) / 2,
               small ? small : LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)), cx, cy, 0, nullptr,
               DI_NORMAL);
  }
  if (small) DestroyIcon(small);
  cache.Sync();
}

void TvxDialogWnd::PaintCaptionText(const TvxDialogMetrics& fm, tk::Bitmap& cache) {
  const int smallIcon = GetSystemMetrics(SM_CXSMICON);
  const RECT r{fm.frameWidth + 4 + (icon_ ? smallIcon : 0), fm.frameHeight, fm.width - ButtonsWidth() - 6,
               fm.captionHeight};
  if (r.right <= r.left || r.bottom <= r.top) return;
  // A canvas of its own: the cache must be free again for the copies to
  // the screen.
  tk::TBitmapCanvas canvas(cache);
  if (captionFontRead_) {
    canvas.Font().SetName(tk::WideToUtf8(captionFont_.lfFaceName));
    canvas.Font().SetHeight(captionFont_.lfHeight);
    canvas.Font().SetCharset(captionFont_.lfCharSet);
    canvas.Font().SetStyle(captionFont_.lfWeight >= FW_BOLD ? tk::fsBold : 0u);
  }
  const std::string text =
      EllipsizeText(canvas, tk::WideToUtf8(CaptionText()), fm.width - smallIcon - fm.frameWidth - ButtonsWidth() - 6);
  WriteSectionText(canvas, text, true, Skin(), active_, TitleSection(), DT_SINGLELINE | DT_VCENTER, r);
  canvas.Unbind();
  cache.Sync();
}

// --- Caption buttons -------------------------------------------------------------------

void TvxDialogWnd::LayOutButtons(const TvxDialogMetrics& fm, tk::Bitmap* cache) {
  const TvxDialogFacts facts = Facts();
  for (TsCaptionButton* b : {&buttonClose_, &buttonMax_, &buttonMin_, &buttonHelp_}) b->Rect = {};
  if (!facts.HasSystemMenu()) return;
  const TvxDialogRules rules = DialogRulesOf(facts);
  struct Slot {
    TsCaptionButton& button;
    bool present;
    int image;
    bool enabled;
  };
  const Slot slots[] = {
      {buttonClose_, true, buttonClose_.ImageIndex, rules.closeAllowed},
      {buttonMax_, facts.HasMaximizeBox(), fm.maximized ? RestoreImage() : buttonMax_.ImageIndex,
       fm.maximized ? rules.restore : rules.maximize},
      {buttonMin_, facts.HasMinimizeBox(), fm.minimized ? RestoreImage() : buttonMin_.ImageIndex,
       fm.minimized ? rules.restore : rules.minimize},
      {buttonHelp_, facts.HasHelpButton(), buttonHelp_.ImageIndex, true},
  };
  int x = fm.width - fm.frameWidth;
  for (const Slot& s : slots) {
    const TsMaskData* image = s.present ? Mask(s.image) : nullptr;
    if (!image) continue;
    const auto [w, h] = ButtonSize(s.image);
    TsCaptionButton& b = s.button;
    b.Rect.Right = x;
    b.Rect.Left = x - w;
    b.Rect.Top = (fm.captionHeight + fm.frameHeight - h) / 2 + (h < 16 ? 2 : 0);
    b.Rect.Bottom = b.Rect.Top + h;
    if (cache) DrawMaskGlyph(*cache, {b.Rect.Left, b.Rect.Top}, b.State, *image, active_ && s.enabled ? 1 : 2);
    x = b.Rect.Left;
  }
}

void TvxDialogWnd::RepaintButton(int id) {
  TsCaptionButton* b = Button(id);
  tk::Bitmap* cache = skinData_->Cache();
  if (!b || !cache || cache->Empty() || skinData_->cacheStale || titleBackground_.Empty()) return;
  const TvxDialogMetrics fm = Metrics();
  if (b->Rect.Left <= GetSystemMetrics(SM_CXSMICON) + fm.frameHeight) return;
  const int bgLeft = fm.width - titleBackground_.Width() - 1;
  CopyBitmapRect(*cache, b->Rect.Left, b->Rect.Top, titleBackground_,
                 {b->Rect.Left - bgLeft, b->Rect.Top, b->Rect.Right - bgLeft, b->Rect.Bottom});
  const TvxDialogRules rules = Rules();
  int image = b->ImageIndex;
  bool faded = false;
  if (id == HTMAXBUTTON && fm.maximized) {
    image = GlobalMask("BICONNORM");
  } else if (fm.minimized) {
    if (id == HTMINBUTTON) image = RestoreImage();
    if (id == HTMAXBUTTON) {
      image = GlobalMask("BICONMAX") >= 0 ? GlobalMask("BICONMAX") : SectionMask("BICONMAX");
      faded = !rules.maximize;
    }
  }
  const TsMaskData* mask = Mask(image);
  if (!mask) return;
  DrawMaskGlyph(*cache, {b->Rect.Left, b->Rect.Top}, b->State, *mask, faded || (b->State == 0 && !active_) ? 2 : 1);
  cache->Sync();
  tk::TWindowDC dc(handle_, tk::TWindowDC::Whole);
  tk::TMemoryDC source;
  tk::TSelection selected(source.Get(), static_cast<HBITMAP>(cache->NativeHandle()));
  Blit(dc.Get(), source.Get(), b->Rect.Left, b->Rect.Top, b->Rect.Width(), b->Rect.Height(), b->Rect.Left, b->Rect.Top);
}

// --- The frame --------------------------------------------------------------------------

void TvxDialogWnd::UpdateRegion() {
  const TsSkinTables* skin = Skin();
  if (!skin) return;
  const TvxDialogMetrics fm = Metrics();
  const int title = TitleSection();
  const int titleMask = title >= 0 ? skin->IndexOfMask(title, "FORMTITLE", "BORDERSMASK") : -1;
  regionRects_ = FrameRegionCuts(*skin, skinData_->borderMaskIndex, titleMask, fm.width, fm.height);
  regionChanged_ = false;
  if (frameKind_ == fkPopup) return;
  if (SendMessageW(handle_, tk::SM_REGION_QUERY, tk::SM_REGION_KEEP, 0) == static_cast<LRESULT>(tk::SM_REGION_KEEP)) return;
  DialogRegionApplying = true;
  if (SetWindowRegionWithout(handle_, fm.width, fm.height, regionRects_, true) != TRegionChange::Applied)
    DialogRegionApplying = false;
}

void TvxDialogWnd::HandleNcPaint(tk::TMessage& m) {
  ReadGeometry();
  ReadCaption();
  provider_.ScanChildren(handle_);
  m.Result = 0;
  if (skinData_->UpdateDeferPaint()) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE));
  const bool bareRing = frameKind_ == fkPopup && (style & WS_THICKFRAME);
  if (!DialogRegionApplying && regionChanged_ && !(frameKind_ == fkPopup && !(style & WS_THICKFRAME))) UpdateRegion();
  RegenerateCache();
  tk::Bitmap* cache = skinData_->Cache();
  if (cache && !cache->Empty() && !skinData_->cacheStale) {
    const TvxDialogMetrics fm = Metrics();
    tk::TWindowDC dc(handle_, tk::TWindowDC::Whole);
    tk::TMemoryDC source;
    tk::TSelection selected(source.Get(), static_cast<HBITMAP>(cache->NativeHandle()));
    const HDC s = source.Get();
    const int w = fm.width, h = fm.height, ch = cache->Height();
    if (bareRing) {
      Blit(dc.Get(), s, 0, 0, w, 3, 0, 0);
      Blit(dc.Get(), s, 0, 3, 3, ch, 0, 3);
      Blit(dc.Get(), s, 3, h - 3, w - 3, 3, 3, h - 3);
      Blit(dc.Get(), s, w - 3, 3, 3, ch, w - 3, 3);
    } else {
      const int y = fm.frameHeight + fm.captionHeight + (fm.minimized ? 1 : 0);
      Blit(dc.Get(), s, 0, 0, w, fm.topStrip, 0, 0);
      Blit(dc.Get(), s, 0, y, fm.frameWidth, ch, 0, y);
      Blit(dc.Get(), s, fm.frameWidth, h - fm.frameHeight, w - fm.frameWidth, fm.frameHeight, fm.frameWidth,
           h - fm.frameHeight);
      Blit(dc.Get(), s, w - fm.frameWidth, y, fm.frameWidth, ch, w - fm.frameWidth, y);
    }
  }
  DialogRegionApplying = false;
}

// --- The client area ---------------------------------------------------------------------

void TvxDialogWnd::ExcludeChildren(HDC dc, const TvxDialogMetrics&) {
  const TsSkinTables* skin = Skin();
  const int groupSection = skin ? skin->IndexOfSection("GROUPBOX") : -1;
  const TsMaskData* groupMask = skin ? Mask(skin->IndexOfMask(groupSection, "GROUPBOX", "BORDERSMASK")) : nullptr;
  for (HWND child = GetTopWindow(handle_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&r), 2);
    if ((GetWindowLongW(child, GWL_STYLE) & 7) != 7) {
      ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
      continue;
    }
    // The inside of a group box shows the dialog's background.
    const int top = static_cast<int>(SendSkinCommand(child, SCMD_GET_CAPTION_HEIGHT, 0));
    const int left = groupMask ? groupMask->WL : 0, right = groupMask ? groupMask->WR : 0;
    const int bottom = groupMask ? groupMask->WB : 0;
    ExcludeClipRect(dc, r.left, r.top, r.right, r.top + top);
    ExcludeClipRect(dc, r.left, r.top, r.left + left, r.bottom);
    ExcludeClipRect(dc, r.right - right, r.top, r.right, r.bottom);
    ExcludeClipRect(dc, r.left, r.bottom - bottom, r.right, r.bottom);
  }
}

void TvxDialogWnd::PaintClient(HDC dc, const TvxDialogMetrics& fm) {
  const int kind = provider_.DialogKind();
  if (kind == 1) {
    const RECT& p = kDialogPreviewRect;
    ExcludeClipRect(dc, p.left, p.top, p.right, p.bottom);
  } else if (kind == 3) {
    for (const RECT& r : kDialogFixedAreas) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  RegenerateCache();
  tk::Bitmap* cache = skinData_->Cache();
  if (!cache || cache->Empty() || skinData_->cacheStale) return;
  IntersectClipRect(dc, 0, 0, fm.width, fm.height);
  ExcludeChildren(dc, fm);
  tk::TMemoryDC source;
  tk::TSelection selected(source.Get(), static_cast<HBITMAP>(cache->NativeHandle()));
  Blit(dc, source.Get(), 0, 0, fm.clientWidth, fm.clientHeight, fm.clientOffsetX, fm.clientOffsetY);
}

void TvxDialogWnd::PlatformPaintsFirst(tk::TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const bool own = dc == nullptr;
  if (own) dc = GetWindowDC(handle_);
  const int saved = SaveDC(dc);
  if (provider_.DialogKind() == 1) {
    const RECT& p = kDialogPreviewRect;
    IntersectClipRect(dc, p.left, p.top, p.right, p.bottom);
  }
  tk::TMessage platform{WM_PAINT, reinterpret_cast<WPARAM>(dc), m.LParam, 0};
  CallPrevious(platform);
  m.Result = platform.Result;
  RestoreDC(dc, saved);
  if (own) ReleaseDC(handle_, dc);
}

void TvxDialogWnd::HandlePaint(tk::TMessage& m) {
  ReadGeometry();
  ReadCaption();
  const int kind = provider_.DialogKind();
  if (kind == 1 || kind == 3) PlatformPaintsFirst(m);
  PAINTSTRUCT ps{};
  BeginPaint(handle_, &ps);
  if (!skinData_->UpdateDeferPaint()) {
    const HDC dc = GetDC(handle_);
    const int saved = SaveDC(dc);
    PaintClient(dc, Metrics());
    RestoreDC(dc, saved);
    ReleaseDC(handle_, dc);
    for (HWND child = GetTopWindow(handle_); child; child = GetWindow(child, GW_HWNDNEXT))
      if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) SendSkinCommand(child, SCMD_PARENT_PAINTED, 0);
  }
  EndPaint(handle_, &ps);
  if (!firstPaint_) {
    firstPaint_ = true;
    provider_.ScanChildren(handle_);
  }
}

void TvxDialogWnd::HandleEraseBackground(tk::TMessage& m) {
  if (provider_.DialogKind() != 3) {
    m.Result = 1;
    return;
  }
  const HDC dc = reinterpret_cast<HDC>(m.WParam);
  SelectClipRgn(dc, FixedAreaRegion());
  CallPrevious(m);
}

}  // namespace skin
