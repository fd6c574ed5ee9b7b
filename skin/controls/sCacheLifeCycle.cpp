// One paint request of a skinned owner: wait while the parent is not
// ready, renew the clipping flags, rebuild the cache when it is stale, fill
// its corners from the parent, and copy it to the screen.
#include "sCommonData.h"
#include "sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/paint/sColorTools.h"
#include "skin/paint/sPaintGlobals.h"
#include "skin/paint/sPaintSection.h"
#include "skin/paint/sParentBlend.h"
#include "skin/paint/sTransparentCorners.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/WinControl.h"

namespace skin {

bool TsCommonData::UpdateDeferPaint() {
  deferPaint = IsPaintDeferred();
  return deferPaint;
}

void TsCommonData::UpdateClipping() {
  tk::TWinControl* parent = ownerControl_ ? ownerControl_->Parent() : nullptr;
  // A child of a partly clipped parent always rebuilds: the parent's cache
  // may hold what lay outside it.
  if (!cacheStale && !partlyClipped) cacheStale = parent && QuerySkinFlag(parent, SCMD_IS_CLIPPED);
  else cacheStale = true;
  if (!parent) return;
  const RECT client = parent->ClientRect();
  const TRect b = OwnerBounds();
  // Both corners inside the client rectangle grown by one pixel to the
  // right and to the bottom: a control as large as the client area at its
  // origin is entirely inside.
  auto inside = [&](int x, int y) {
    return x >= client.left && y >= client.top && x <= client.right && y <= client.bottom;
  };
  partlyClipped = !(inside(b.Left, b.Top) && inside(b.Right, b.Bottom));
}

void TsCommonData::RebuildCache(const TsCachePaint& how) {
  EnsureCacheBitmap();
  const CacheInfo parent = GetParentCacheInfo();
  const TRect b = OwnerBounds();
  PaintSection(*this, parent, how.fillCentre, how.parentCorners, cache_.get(), {b.Left, b.Top},
               {0, 0, b.Width(), b.Height()}, how.state);
  if (how.paintContent && cache_ && !cache_->Empty()) {
    how.paintContent(*cache_);
    // The content may have been drawn by the window system: make it reach
    // the pixels before the disabled look reads them.
    cache_->Sync();
  }
  if (ownerControl_ && !ownerControl_->Enabled()) {
    BackgroundColorReply = clFuchsia;
    ApplyDisabledLook(how.disabledKind, GetParentCacheInfo());
  }
  BackgroundColorReply = MaskBackgroundColor = clFuchsia;
  cacheStale = false;
}

void TsCommonData::ApplyDisabledLook(TsDisabledKind kind, const CacheInfo& parentCache) {
  if (!cache_ || cache_->Empty()) return;
  if (kind & dkGrayed) GrayscaleBitmap(*cache_);
  if ((kind & dkBlended) == 0) return;
  const TRect b = OwnerBounds();
  if (parentCache.Usable()) {
    BlendWithParentCache(*cache_, parentCache, {b.Left, b.Top}, 60);
    return;
  }
  // The colour the paint set for the parent, else the parent's own colour
  // (a control without a parent has only its own).
  TColor colour = BackgroundColorReply;
  if (colour == clFuchsia && HasParent()) colour = ParentColor();
  if (colour == clFuchsia && ownerControl_) colour = static_cast<TColor>(tk::ColorToRGB(ownerControl_->Color()));
  BlendColorRect(*cache_, {0, 0, cache_->Width(), cache_->Height()}, 50, colour);
}

void TsCommonData::CopyCacheTo(HDC dc, int x, int y) const {
  if (!dc || !cache_ || cache_->Empty()) return;
  const tk::TBitmapSource source(*cache_);
  BitBlt(dc, x, y, cache_->Width(), cache_->Height(), source.Handle(), 0, 0, SRCCOPY);
}

bool TsCommonData::PaintRequest(HDC dc, const TsCachePaint& how) {
  if (UpdateDeferPaint()) return false;
  UpdateClipping();
  if (cacheStale && !(how.keepCacheWhilePaintNow && paintNow)) RebuildCache(how);
  if (how.fillCorners) FillTransparentCorners(*this, how.state);
  CopyCacheTo(dc);
  return true;
}

}  // namespace skin
