#include "sGroupBox.h"

#include <algorithm>

#include "sContainerPaint.h"
#include "sControlKinds.h"
#include "sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinTables.h"
#include "skin/paint/sBitmapOps.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sSkinTextWin.h"
#include "skin/paint/sTransparentCorners.h"
#include "toolkit/core/TextCase.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"

namespace skin {

// The answers of the group box to the skin command: the manager's
// broadcasts go on to its children.
struct TsGroupBoxCommands {
  static TsGroupBox* Of(TsCommonData& d) { return dynamic_cast<TsGroupBox*>(SkinDataOwner(d)); }

  // From its manager: the standard answer, then the children (`childrenFirst`
  // the other way round); from another manager only the children.
  static TsSkinCommandOverride PassedOn(bool childrenFirst, bool repaint) {
    return [childrenFirst, repaint](TsCommonData& d, tk::TMessage& m, const TsSkinCommandHandler& standard) {
      TsGroupBox* g = Of(d);
      if (!g) return standard(d, m);
      const tk::TMessage copy = m;
      if (childrenFirst) BroadcastToChildren(g, copy);
      if (d.IsOwnManager(m.LParam)) standard(d, m);
      if (!childrenFirst) BroadcastToChildren(g, copy);
      if (repaint && d.IsOwnManager(m.LParam)) g->Invalidate();
      return true;
    };
  }

  static const TsSkinCommandTable& Table() {
    static const TsSkinCommandTable table =
        TsSkinCommandTable(TsSkinCommandTable::Standard())
            .Override(SCMD_SKIN_LOADED, PassedOn(true, false))
            .Override(SCMD_SKIN_REMOVED, PassedOn(false, true))
            .Override(SCMD_REFRESH, PassedOn(false, true))
            .Set(SCMD_GET_CAPTION_HEIGHT,
                 [](TsCommonData& d, tk::TMessage& m) {
                   TsGroupBox* g = Of(d);
                   if (!g) return false;
                   m.Result = g->CaptionRect().bottom;
                   return true;
                 })
            .Set(SCMD_PARENT_PAINTED,
                 [](TsCommonData& d, tk::TMessage&) {
                   TsGroupBox* g = Of(d);
                   if (!g || !g->Usable()) return false;
                   if (d.IsPaintDeferred()) {
                     d.deferPaint = false;
                     if (g->Visible() || g->IsDesigning()) g->Invalidate();
                   }
                   return true;
                 })
            .Extend(SCMD_SET_PAINT_NOW, [](TsCommonData& d, tk::TMessage&) {
              TsGroupBox* g = Of(d);
              if (g && g->Usable() && d.paintNow) g->PrepareCache();
            });
    return table;
  }
};

TsGroupBox::TsGroupBox(tk::TComponent* owner) : TGroupBox(owner), skinData_(this, true) {
  SetControlStyle(ControlStyle() & ~tk::csOpaque);
  skinData_.controlKind = kKindGroupBox;
  skinData_.SetCommandTable(TsGroupBoxCommands::Table());
}

TsGroupBox::~TsGroupBox() { BeforeDestruction(); }

void TsGroupBox::AfterConstruction() {
  TGroupBox::AfterConstruction();
  skinData_.FinishLoading();
}

void TsGroupBox::Loaded() {
  TGroupBox::Loaded();
  skinData_.FinishLoading();
}

bool TsGroupBox::Usable() const { return IsReadyForSkinPaint(this) && skinData_.IsSkinned(true); }

void TsGroupBox::SetCaptionLayout(TsCaptionLayout layout) {
  if (captionLayout_ == layout) return;
  captionLayout_ = layout;
  if (!Text().empty()) skinData_.InvalidateCache();
}

void TsGroupBox::SetCaptionYOffset(int offset) {
  if (captionYOffset_ == offset) return;
  captionYOffset_ = offset;
  skinData_.InvalidateCache();
}

void TsGroupBox::SetCaptionSkin(std::string_view section) {
  const std::string upper = tk::UpperCase(section);
  if (captionSkin_ == upper) return;
  captionSkin_ = upper;
  skinData_.InvalidateCache();
}

// --- geometry ------------------------------------------------------------------

int TsGroupBox::CaptionHeight() { return std::max(4, skinData_.CacheCanvas().TextHeight("W")) + 2; }

int TsGroupBox::CaptionTextWidth() { return skinData_.CacheCanvas().TextWidth(Text()); }

RECT TsGroupBox::CaptionRect() {
  RECT c{0, 0, 0, CaptionHeight()};
  if (skinData_.IsSkinned()) {
    c.bottom += captionYOffset_;
    if (captionYOffset_ < 0) c.top += captionYOffset_;
  }
  const int tw = CaptionTextWidth();
  switch (captionLayout_) {
    case clTopLeft: c.left = 6; break;
    case clTopCenter: c.left = (Width() - tw - 10) / 2; break;
    case clTopRight: c.left = Width() - tw - 14; break;
  }
  c.left = std::max<LONG>(0, c.left);
  c.right = std::min<LONG>(Width(), c.left + tw + 8);
  if (c.right - c.left < 2 * BevelWidth()) {
    c.left -= BevelWidth();
    c.right += BevelWidth();
  }
  return c;
}

void TsGroupBox::AdjustClientRect(RECT& rect) const {
  TGroupBox::AdjustClientRect(rect);
  if (!IsDestroying()) rect.top += captionYOffset_;
}

// --- the cache ----------------------------------------------------------------------

void TsGroupBox::PrepareCache() {
  skinData_.EnsureCacheBitmap();
  tk::Bitmap* cache = skinData_.Cache();
  if (!cache || cache->Empty()) return;
  TsPaintColorsReset resetColors;
  const CacheInfo parentCache = skinData_.GetParentCacheInfo();
  const RECT c = CaptionRect();
  const int captionHeight = c.bottom - c.top;
  if (parentCache.Usable())
    CopyBitmapRect(*cache, 0, 0, *parentCache.bitmap,
                   {Left() + parentCache.offsetX, Top() + parentCache.offsetY,
                    Left() + parentCache.offsetX + Width(), Top() + parentCache.offsetY + captionHeight});
  else if (Parent())
    FillRectBitmap(*cache, {0, 0, Width(), c.bottom}, skinData_.ParentColor());
  // The frame starts at the middle of the caption strip.
  const int f = captionYOffset_ < 0 ? 0 : captionHeight / 2;
  PaintSection(skinData_, parentCache, false, false, cache, {Left(), Top() + f}, {0, f, Width(), Height()}, 0);
  if (!Text().empty()) DrawCaption(c, parentCache);
  cache->Sync();
  // The top corners lie in the caption band.
  RepaintCorners(skinData_, 0, kCornerBottomLeft | kCornerBottomRight);
  skinData_.cacheStale = false;
}

void TsGroupBox::DrawCaption(const RECT& c, const CacheInfo& parentCache) {
  tk::Bitmap& cache = *skinData_.Cache();
  const TsSkinTables* tables = skinData_.PaintTables();
  const int state = Focused() ? 1 : 0;
  const TRect strip{c.left, c.top, c.right, c.bottom};
  if (tables && !captionSkin_.empty()) {
    // Over the group box's own picture, as it lies under the strip.
    const CacheInfo own{&cache, 0, 0, parentCache.ready};
    PaintSectionByIndex(tables->IndexOfSection(captionSkin_), captionSkin_, own, -1, -1, tables, &cache,
                        {c.left, c.top}, strip, state, true);
  } else if (tables && (parentCache.ready || !Parent())) {
    PaintSectionByIndex(tables->IndexOfSection("CHECKBOX"), "CHECKBOX", parentCache, -1, -1, tables, &cache,
                        {Left() + c.left, Top() + c.top}, strip, state, true);
  } else {
    FillRectBitmap(cache, strip, skinData_.ParentColor());
  }
  cache.Sync();
  tk::TCanvas& canvas = skinData_.CacheCanvas();
  WriteSkinText(canvas, Text(), true, false, skinData_, DT_SINGLELINE | DT_VCENTER | DT_CENTER, c);
}

void TsGroupBox::PaintGroupBox(HDC dc, bool ownContext) {
  if (!skinData_.IsSkinned() || IsDestroying() || (!Visible() && !IsDesigning())) return;
  if (skinData_.UpdateDeferPaint()) return;
  const bool rebuild = skinData_.partlyClipped || skinData_.cacheStale;
  skinData_.partlyClipped = false;
  if (skinData_.DependsOnParentBackground() && Parent()) {
    const RECT client = Parent()->ClientRect();
    const POINT a{Left() + 1, Top() + 1}, b{Left() + Width() - 1, Top() + Height() - 1};
    skinData_.partlyClipped = !(PtInRect(&client, a) && PtInRect(&client, b));
  }
  if (rebuild && !skinData_.paintNow) PrepareCache();
  const RECT all{0, 0, Width(), Height()};
  PaintFromCacheExcludingChildren(this, skinData_, all, 0, 0, false, dc, all);
  PaintGraphicChildren(dc, this, 0, 0);
  if (ownContext) NotifyChildrenParentPainted(this);
}

// --- window procedure -----------------------------------------------------------------

void TsGroupBox::WndProc(tk::TMessage& message) {
  if (message.Msg == SM_VEXACMD) {
    if (!skinData_.HandleSkinCommand(message)) TGroupBox::WndProc(message);
    return;
  }
  if (!Usable()) {
    TGroupBox::WndProc(message);
    return;
  }
  if (HandleSkinned(message)) return;
  skinData_.HandleCommonMessage(message);
  if (message.Result != 1) TGroupBox::WndProc(message);
}

bool TsGroupBox::HandleSkinned(tk::TMessage& message) {
  switch (message.Msg) {
    case WM_MOVE:
      skinData_.cacheStale = skinData_.cacheStale || skinData_.DependsOnParentBackground();
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: TGroupBox::WndProc(message); return true;
    case WM_ERASEBKGND: message.Result = 1; return true;
    case WM_WINDOWPOSCHANGED:
    case tk::CM_VISIBLECHANGED: skinData_.cacheStale = true; return false;
    case WM_PAINT: {
      if (message.WParam) {
        PaintGroupBox(reinterpret_cast<HDC>(message.WParam), false);
      } else {
        tk::TPaintDC paint(handle_);
        PaintGroupBox(paint.Get(), true);
      }
      message.Result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      skinData_.deferPaint = false;
      PaintGroupBox(reinterpret_cast<HDC>(message.WParam), false);
      return true;
    case tk::CM_TEXTCHANGED: skinData_.InvalidateCache(); return true;
    default: return false;
  }
}

}  // namespace skin
