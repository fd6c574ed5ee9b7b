// What the title bar shows over its background: the title icon, the
// caption buttons (system ones from the right, then the user's), and the
// caption text. A caption button whose state changes is repainted alone,
// over the copy of the title bar taken before the buttons were drawn.
#include <algorithm>

#include "sSkinProvider.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sBlend.h"
#include "skin/paint/sMaskGlyph.h"
#include "skin/paint/sSkinTextWin.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

namespace {

// The program's own icons (the first icon group of the executable), loaded
// once: the default title icons.
struct ProgramIcons {
  HICON small = nullptr;
  HICON large = nullptr;
};

BOOL CALLBACK FirstIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
  auto* out = reinterpret_cast<LPCWSTR*>(found);
  *out = IS_INTRESOURCE(name) ? name : _wcsdup(name);
  return FALSE;
}

const ProgramIcons& ExecutableIcons() {
  static const ProgramIcons icons = [] {
    ProgramIcons result;
    const HMODULE module = GetModuleHandleW(nullptr);
    LPCWSTR name = nullptr;
    EnumResourceNamesW(module, reinterpret_cast<LPCWSTR>(RT_GROUP_ICON), FirstIconGroup,
                       reinterpret_cast<LONG_PTR>(&name));
    if (!name) return result;
    result.small = static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    result.large = static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                 GetSystemMetrics(SM_CYICON), LR_SHARED));
    return result;
  }();
  return icons;
}

}  // namespace

HICON TsSkinProvider::DefaultSmallIcon() {
  if (HICON icon = ExecutableIcons().small) return icon;
  return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

// --- Title icon ------------------------------------------------------------------

void TsSkinProvider::PaintTitleIcon(const TsFrameMetrics& fm) {
  if (fm.iconWidth <= 0 || fm.iconHeight <= 0 || fm.captionHeight == 0) return;
  tk::Bitmap& cache = *skinData_->Cache();
  const TRect& r = fm.iconRect;
  if (titleIcon_.Glyph().Empty()) {
    const ProgramIcons& program = ExecutableIcons();
    HICON icon = fm.iconHeight > 16 ? program.large : program.small;
    int w = fm.iconWidth, h = fm.iconHeight;
    if (icon) {
      if (titleIcon_.Width() == 0) w = fm.captionHeight - r.Top;
      if (titleIcon_.Height() == 0) h = fm.captionHeight - r.Top;
    } else {
      icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    }
    tk::TMemoryDC dc;
    {
      tk::TSelection selected(dc.Get(), static_cast<HBITMAP>(cache.NativeHandle()));
      DrawIconEx(dc.Get(), r.Left, r.Top, icon, w, h, 0, nullptr, DI_NORMAL);
    }
    cache.Sync();
    return;
  }
  const int derived = IconSizeFor(fm.topStrip - 2);
  const int w = titleIcon_.Width() != 0 ? titleIcon_.Width() : derived;
  const int h = titleIcon_.Height() != 0 ? titleIcon_.Height() : derived;
  if (w <= 0 || h <= 0) return;
  tk::Bitmap glyph = titleIcon_.Glyph().Image();
  glyph.SetFormat(tk::PixelFormat::pf24bit);
  tk::Bitmap stretched(w, h, tk::PixelFormat::pf24bit);
  StretchBits(TsPixels(stretched), {0, 0, w, h}, {0, 0, w, h}, TsPixels(glyph), {0, 0, glyph.Width(), glyph.Height()});
  CopyTransparent(cache, stretched, r.Left, false, CacheInfo{}, clFuchsia, {0, 0, w, h}, r.Top);
}

// --- Caption buttons ---------------------------------------------------------------

TsCaptionButton* TsSkinProvider::Button(int id) {
  switch (id) {
    case kButtonMinimize: return &buttonMin_;
    case kButtonMaximize: return &buttonMax_;
    case kButtonClose: return &buttonClose_;
    case kButtonHelp: return &buttonHelp_;
    case HTCHILDCLOSE: return &childClose_;
    case HTCHILDMAX: return &childMax_;
    case HTCHILDMIN: return &childMin_;
    default: break;
  }
  const int index = id - HTUDBTN;
  if (index >= 0 && index < titleButtons_.Count()) return &titleButtons_.Button(index)->BtnData;
  return nullptr;
}

TsSkinProvider::TsButtonLook TsSkinProvider::SystemButtonLook(int id, const TsFrameMetrics& fm,
                                                              const TsFormRules& rules) const {
  TsButtonLook look;
  switch (id) {
    case kButtonClose:
      look.image = buttonClose_.ImageIndex;
      break;
    case kButtonHelp:
      look.image = buttonHelp_.ImageIndex;
      break;
    case kButtonMaximize:
      if (fm.maximized) {
        look.image = RestoreImage();
        look.enabled = rules.restoreEnabled;
      } else if (fm.minimized) {
        look.image = GlobalMask("BICONMAX") >= 0 ? GlobalMask("BICONMAX") : FormMask("BICONMAX");
        look.enabled = rules.maximizeEnabled;
      } else {
        look.image = buttonMax_.ImageIndex;
        look.enabled = rules.maximizeEnabled;
      }
      break;
    case kButtonMinimize:
      if (fm.minimized) {
        look.image = RestoreImage();
        look.enabled = rules.restoreEnabled;
      } else {
        look.image = buttonMin_.ImageIndex;
        look.enabled = rules.minimizeEnabled;
      }
      break;
    default: break;
  }
  return look;
}

std::vector<int> TsSkinProvider::PresentSystemButtons(const TsFormRules& rules) const {
  std::vector<int> ids;
  if (!(form_->BorderIcons() & tk::biSystemMenu) || !systemMenu_) return ids;
  ids.push_back(kButtonClose);
  if (rules.maximizeVisible) ids.push_back(kButtonMaximize);
  if (rules.minimizeVisible) ids.push_back(kButtonMinimize);
  if (form_->BorderIcons() & tk::biHelp) ids.push_back(kButtonHelp);
  return ids;
}

int TsSkinProvider::LayOutCaptionButtons(const TsFrameMetrics& fm, bool paint) {
  const int space = BiSpace();
  const int right = fm.width - fm.frameWidth - space;
  int x = right;
  const int height = CaptionButtonHeight();
  int top = (fm.captionHeight + fm.frameHeight - height) / 2;
  if (height < 16) top += 2;
  const TsFormRules rules = Rules();
  tk::Bitmap* cache = paint ? skinData_->Cache() : nullptr;
  for (int id : PresentSystemButtons(rules)) {
    const TsButtonLook look = SystemButtonLook(id, fm, rules);
    const TsMaskData* image = Mask(look.image);
    TsCaptionButton& b = *Button(id);
    if (!image) {
      // Left out of the title bar: the next button takes its place.
      b.Rect = {};
      continue;
    }
    const int w = SystemButtonWidth(look.image);
    b.Rect = {x - w, top, x, top + height};
    if (cache) DrawMaskGlyph(*cache, {b.Rect.Left, b.Rect.Top}, b.State, *image, formActive_ && look.enabled ? 1 : 2);
    x = b.Rect.Left - space;
  }
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    TsTitleButton& button = *titleButtons_.Button(i);
    TsCaptionButton& b = button.BtnData;
    const int w = UserButtonWidth(button);
    b.Rect = {x - w, top, x, top + height};
    if (cache) PaintUserButton(button, *cache, !formActive_ || !button.Enabled());
    x = b.Rect.Left - space;
  }
  return right - x;
}

void TsSkinProvider::PaintUserButton(TsTitleButton& button, tk::Bitmap& cache, bool dimmed) {
  TsCaptionButton& b = button.BtnData;
  const TsMaskData* background = button.UseSkinData() ? Mask(titleButtonMask_) : nullptr;
  if (background) DrawMaskGlyph(cache, {b.Rect.Left, b.Rect.Top}, b.State, *background, dimmed ? 2 : 1);
  if (button.Glyph().Empty()) return;
  tk::Bitmap glyph = button.Glyph().Image();
  glyph.SetFormat(tk::PixelFormat::pf24bit);
  const TColor transparent = ColorOf(TsPixels(glyph).At(0, glyph.Height() - 1));
  const int shift = b.State == 2 ? 1 : 0;
  const int x = b.Rect.Left + (b.Rect.Width() - glyph.Width()) / 2 + shift;
  const int y = b.Rect.Top + (b.Rect.Height() - glyph.Height()) / 2 + shift;
  CopyTransparent(cache, glyph, x, false, CacheInfo{}, transparent, {0, 0, glyph.Width(), glyph.Height()}, y);
}

int TsSkinProvider::ButtonsWidth(const TsFrameMetrics& fm) { return LayOutCaptionButtons(fm, false); }

void TsSkinProvider::PaintCaptionButtons(const TsFrameMetrics& fm) {
  tk::Bitmap& cache = *skinData_->Cache();
  const int width = ButtonsWidth(fm) + fm.frameWidth + 1;
  // What lies behind the buttons, to put a button on when its state changes.
  titleBGLeft_ = std::max(cache.Width() - width, 0);
  const int height = std::min(fm.topStrip, cache.Height());
  titleBG_ = tk::Bitmap(cache.Width() - titleBGLeft_, std::max(height, 1), tk::PixelFormat::pf24bit);
  CopyBitmapRect(titleBG_, 0, 0, cache, {titleBGLeft_, 0, cache.Width(), height});
  LayOutCaptionButtons(fm, true);
}

void TsSkinProvider::RepaintButton(int id) {
  if (RepaintChildButton(id)) return;
  TsCaptionButton* b = Button(id);
  tk::Bitmap* cache = skinData_->Cache();
  const HWND h = FormHandle();
  if (!b || !cache || cache->Empty() || !h || !Skinned() || b->Rect.Width() <= 0) return;
  const TsFrameMetrics fm = Metrics();
  if (b->Rect.Left <= fm.iconRect.Right || cache->Width() != fm.width) return;
  CopyBitmapRect(*cache, b->Rect.Left, b->Rect.Top, titleBG_,
                 {b->Rect.Left - titleBGLeft_, b->Rect.Top, b->Rect.Right - titleBGLeft_, b->Rect.Bottom});
  const TsFormRules rules = Rules();
  if (id >= HTUDBTN) {
    TsTitleButton& button = *titleButtons_.Button(id - HTUDBTN);
    PaintUserButton(button, *cache, button.UseSkinData() && b->State == 0 && !formActive_);
  } else {
    const TsButtonLook look = SystemButtonLook(id, fm, rules);
    const bool dimmed = !look.enabled || (b->State == 0 && !formActive_);
    if (const TsMaskData* image = Mask(look.image)) DrawMaskGlyph(*cache, {b->Rect.Left, b->Rect.Top}, b->State, *image, dimmed ? 2 : 1);
  }
  tk::TWindowDC dc(h, tk::TWindowDC::Whole);
  const tk::TBitmapSource source(*cache);
  BitBlt(dc.Get(), b->Rect.Left, b->Rect.Top, b->Rect.Width(), b->Rect.Height(), source.Handle(), b->Rect.Left,
         b->Rect.Top, SRCCOPY);
}

// --- Caption text ----------------------------------------------------------------------

TRect TsSkinProvider::CaptionTextRect() {
  const TsFrameMetrics fm = Metrics();
  if (fm.captionHeight == 0) return {};
  const TRect r{fm.frameWidth + 4 + fm.iconWidth, fm.frameHeight, fm.width - ButtonsWidth(fm) - 6, fm.captionHeight};
  return r.Width() > 0 && r.Height() > 0 ? r : TRect{};
}

void TsSkinProvider::PaintCaptionText(const TsFrameMetrics& fm) {
  const std::string caption = form_->Caption();
  tk::Bitmap& cache = *skinData_->Cache();
  RECT r{fm.frameWidth + 4 + fm.iconWidth, fm.frameHeight, fm.width - ButtonsWidth(fm) - 6, fm.captionHeight};
  if (caption.empty() || r.right <= r.left || r.bottom <= r.top) return;
  tk::TBitmapCanvas canvas(cache);
  canvas.Font().Assign(form_->Font());
  canvas.Font().SetStyle(canvas.Font().Style() | tk::fsBold);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  canvas.Font().SetHeight(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)
                              ? metrics.lfCaptionFont.lfHeight
                              : 0);
  const int textHeight = canvas.TextHeight(caption);
  r.top += (r.bottom - r.top - textHeight) / 2;
  r.bottom = r.top + textHeight;
  UINT alignment = DT_LEFT;
  if (captionAlignment_ == tk::taRightJustify) alignment = DT_RIGHT;
  if (captionAlignment_ == tk::taCenter) alignment = DT_CENTER;
  WriteSectionText(canvas, caption, form_->Enabled(), Skin(), formActive_, TitleSectionIndex(),
                   alignment | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, r);
  canvas.Unbind();
  cache.Sync();
}

}  // namespace skin
