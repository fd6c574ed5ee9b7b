#include "sMaskEdit.h"

#include <string>

#include "sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSectionBackground.h"
#include "skin/paint/sSkinTextWin.h"
#include "skin/paint/sTransparentCorners.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Unicode.h"

namespace skin {

namespace {

// A context for the edit's whole window - its border and its text area -
// taken from the parent without the parent's child clipping, its origin
// moved to the edit's top-left corner and cut to the edit's place. Under
// Wine the first window context of each window costs about as much as
// creating the window; this one is shared by every edit of the same parent
// (a column of edits in a group box). A mirrored parent, or none, gets the
// edit's own window context.
class TEditWindowDC {
public:
  explicit TEditWindowDC(HWND edit) {
    parent_ = GetParent(edit);
    RECT r{};
    if (parent_ && !(GetWindowLongW(parent_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) && GetWindowRect(edit, &r)) {
      dc_ = GetDCEx(parent_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
      if (dc_ && GetLayout(dc_) == 0) {
        // A common context comes back with its defaults the next time it is
        // taken, so the moved origin and the clipping need no undoing.
        MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
        SetViewportOrgEx(dc_, r.left, r.top, nullptr);
        IntersectClipRect(dc_, 0, 0, r.right - r.left, r.bottom - r.top);
        return;
      }
      if (dc_) ReleaseDC(parent_, dc_);
    }
    parent_ = edit;
    dc_ = GetWindowDC(edit);
  }
  TEditWindowDC(const TEditWindowDC&) = delete;
  TEditWindowDC& operator=(const TEditWindowDC&) = delete;
  ~TEditWindowDC() {
    if (dc_) ReleaseDC(parent_, dc_);
  }
  HDC Get() const { return dc_; }

private:
  HWND parent_ = nullptr;
  HDC dc_ = nullptr;
};

}  // namespace

void CopyBorderStrips(HDC dc, const tk::Bitmap& cache, int b) {
  if (!dc || cache.Empty() || b <= 0) return;
  const int w = cache.Width(), h = cache.Height();
  const tk::TBitmapSource source(cache);
  const RECT strips[] = {{0, 0, b, h}, {b, 0, w, b}, {w - b, b, w, h}, {b, h - b, w, h}};
  for (const RECT& r : strips)
    if (r.right > r.left && r.bottom > r.top)
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source.Handle(), r.left, r.top, SRCCOPY);
}

// The answers of the edit to the skin command.
struct TsMaskEditCommands {
  static TsMaskEdit* Of(TsCommonData& d) { return dynamic_cast<TsMaskEdit*>(SkinDataOwner(d)); }

  static const TsSkinCommandTable& Table() {
    static const TsSkinCommandTable table =
        TsSkinCommandTable(TsSkinCommandTable::Standard())
            .Override(SCMD_SKIN_REMOVED,
                      [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                        TsMaskEdit* e = Of(d);
                        if (!e || !d.IsOwnManager(m.LParam)) return standard(d, m);
                        standard(d, m);
                        // A new window gets the system's own look back.
                        if (e->HandleAllocated() && !e->IsDestroying()) e->RecreateWnd();
                        return true;
                      })
            .Override(SCMD_REFRESH,
                      [](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
                        TsMaskEdit* e = Of(d);
                        if (!e || !d.IsOwnManager(m.LParam)) return standard(d, m);
                        standard(d, m);
                        e->RedrawWhole();
                        return true;
                      })
            .Set(SCMD_PARENT_PAINTED, [](TsCommonData& d, tk::TMessage&) {
              TsMaskEdit* e = Of(d);
              if (!e || !d.IsPaintDeferred()) return true;
              d.deferPaint = false;
              e->RedrawWhole();
              return true;
            });
    return table;
  }
};

TsMaskEdit::TsMaskEdit(tk::TComponent* owner)
    : TMaskEdit(owner), skinData_(this, true), boundLabel_(std::make_unique<TsBoundLabel>(this)) {
  SetControlStyle(ControlStyle() & ~tk::csSetCaption);
  skinData_.SetCommandTable(TsMaskEditCommands::Table());
  if (skinData_.SkinSection().empty()) skinData_.SetSkinSection("EDIT");
}

TsMaskEdit::~TsMaskEdit() {
  boundLabel_.reset();
  BeforeDestruction();
}

void TsMaskEdit::AfterConstruction() {
  TMaskEdit::AfterConstruction();
  skinData_.FinishLoading();
}

void TsMaskEdit::Loaded() {
  TMaskEdit::Loaded();
  skinData_.FinishLoading();
}

void TsMaskEdit::Change() {
  if (IsLoading()) return;
  TMaskEdit::Change();
}

void TsMaskEdit::SetDisabledKind(TsDisabledKind kind) {
  if (disabledKind_ == kind) return;
  disabledKind_ = kind;
  skinData_.InvalidateCache();
}

bool TsMaskEdit::Usable() const { return IsReadyForSkinPaint(this) && skinData_.IsSkinned(true); }

int TsMaskEdit::EditBorderWidth() const {
  if (BorderStyle() == tk::bsNone) return 0;
  return Ctl3D() ? 3 : 2;
}

void TsMaskEdit::RedrawWhole() {
  if (HandleAllocated()) RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE);
}

// --- the cache -----------------------------------------------------------------

void TsMaskEdit::PrepareCache() {
  skinData_.EnsureCacheBitmap();
  tk::Bitmap* cache = skinData_.Cache();
  if (!cache || cache->Empty()) return;
  if (!skinData_.IsSkinned()) {
    FillRectBitmap(*cache, {0, 0, Width(), Height()}, static_cast<TColor>(tk::ColorToRGB(Color())));
    PaintText();
    return;
  }
  TsPaintColorsReset resetColors;
  const CacheInfo parentCache = skinData_.GetParentCacheInfo();
  if (BorderStyle() == tk::bsSingle)
    PaintSection(skinData_, parentCache, true, false, cache, {Left(), Top()}, {0, 0, Width(), Height()},
                 IsActiveLook() ? 1 : 0);
  else
    PaintSectionBackground(skinData_, parentCache, 0, *cache, {Left(), Top()}, {0, 0, Width(), Height()});
  PaintText();
  cache->Sync();
  if (!Enabled()) skinData_.ApplyDisabledLook(disabledKind_, skinData_.GetParentCacheInfo());
  skinData_.cacheStale = false;
}

void TsMaskEdit::PaintText() {
  const std::string text = Text();
  if (text.empty()) return;
  tk::TCanvas& canvas = skinData_.CacheCanvas();
  const int b = EditBorderWidth();
  const int h = canvas.TextHeight(text);
  RECT r{b, b, Width() - b, b + h};
  if (Ctl3D() && BorderStyle() == tk::bsSingle) ::OffsetRect(&r, 0, -1);
  std::string shown = text;
  if (PasswordChar() != 0) {
    const std::wstring one(1, PasswordChar());
    shown.clear();
    const std::string mark = tk::WideToUtf8(one);
    for (std::size_t i = 0; i < tk::Utf8ToWide(text).size(); ++i) shown += mark;
  }
  WriteSkinText(canvas, shown, true, IsActiveLook(), skinData_, DT_SINGLELINE | DT_WORDBREAK | DT_NOPREFIX, r);
}

// --- painting -----------------------------------------------------------------------

void TsMaskEdit::PaintWhole(HDC given) {
  std::unique_ptr<tk::TPaintDC> paint;
  if (!given) paint = std::make_unique<tk::TPaintDC>(handle_);
  std::unique_ptr<TEditWindowDC> window;
  HDC dc = given;
  if (!dc) {
    window = std::make_unique<TEditWindowDC>(handle_);
    dc = window->Get();
  }
  tk::TSavedDC saved(dc);
  if (skinData_.UpdateDeferPaint()) return;
  skinData_.UpdateClipping();
  if (skinData_.cacheStale) PrepareCache();
  FillTransparentCorners(skinData_, 0);
  skinData_.CopyCacheTo(dc);
}

void TsMaskEdit::PaintBorder(HDC given) {
  if (!Visible() || !Parent() || !Parent()->Visible() || (ControlState() & tk::csCreating)) return;
  if (BorderStyle() == tk::bsNone || skinData_.IsPaintDeferred()) return;
  std::unique_ptr<TEditWindowDC> window;
  HDC dc = given;
  if (!dc) {
    window = std::make_unique<TEditWindowDC>(handle_);
    dc = window->Get();
  }
  tk::TSavedDC saved(dc);
  if (skinData_.cacheStale) PrepareCache();
  FillTransparentCorners(skinData_, 0);
  if (skinData_.Cache()) CopyBorderStrips(dc, *skinData_.Cache(), 2);
}

void TsMaskEdit::PrintTo(HDC dc) {
  skinData_.deferPaint = false;
  if (skinData_.cacheStale) PrepareCache();
  FillTransparentCorners(skinData_, 0);
  PaintWhole(dc);
  if (skinData_.Cache()) CopyBorderStrips(dc, *skinData_.Cache(), EditBorderWidth());
}

// --- window procedure -----------------------------------------------------------------

void TsMaskEdit::WndProc(tk::TMessage& message) {
  if (message.Msg == SM_VEXACMD) {
    if (!skinData_.HandleSkinCommand(message)) TMaskEdit::WndProc(message);
  } else if (!Usable()) {
    TMaskEdit::WndProc(message);
  } else if (!HandleSkinned(message)) {
    skinData_.HandleCommonMessage(message);
    TMaskEdit::WndProc(message);
    AfterToolkit(message);
  }
  FollowWithLabel(message);
}

bool TsMaskEdit::HandleSkinned(tk::TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      if (IsDesigning()) skinData_.cacheStale = true;
      return false;
    case WM_PAINT:
      if (IsActiveLook()) {
        TMaskEdit::WndProc(message);
        PaintBorder(nullptr);
      } else {
        PaintWhole(reinterpret_cast<HDC>(message.WParam));
        message.Result = 0;
      }
      return true;
    case WM_ERASEBKGND:
    case tk::CN_DRAWITEM:
      if (IsActiveLook()) return false;
      message.Result = 1;
      return true;
    case WM_NCPAINT:
      if (!skinData_.UpdateDeferPaint()) PaintBorder(nullptr);
      message.Result = 0;
      return true;
    case WM_PRINTCLIENT:
      try {
        PrintTo(reinterpret_cast<HDC>(message.WParam));
        return true;
      } catch (...) {
        return false;
      }
    case tk::CM_CHANGED: skinData_.cacheStale = true; return false;
    default: return false;
  }
}

void TsMaskEdit::AfterToolkit(const tk::TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case tk::CM_MOUSEENTER:
    case tk::CM_MOUSELEAVE:
      // The active look and the cached face take turns.
      skinData_.cacheStale = true;
      RedrawWhole();
      break;
    case tk::CM_FONTCHANGED:
    case tk::CM_VISIBLECHANGED:
    case tk::CM_ENABLEDCHANGED: skinData_.InvalidateCache(); break;
    default: break;
  }
}

void TsMaskEdit::FollowWithLabel(const tk::TMessage& message) {
  if (!boundLabel_ || !boundLabel_->TheLabel()) return;
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: boundLabel_->PlaceLabel(); break;
    case tk::CM_VISIBLECHANGED: boundLabel_->EditVisibilityChanged(); break;
    case tk::CM_ENABLEDCHANGED: boundLabel_->EditEnabledChanged(); break;
    default: break;
  }
}

}  // namespace skin
