#include "vxWindowSkinData.h"

#include "skin/controls/sSkinQueries.h"
#include "skin/data/sSkinCommand.h"
#include "skin/paint/sPaintGlobals.h"

namespace skin {

TvxWindowSkinData::TvxWindowSkinData(HWND window) : TsCommonData(nullptr, true), window_(window) {}

HWND TvxWindowSkinData::ParentWindow() const {
  return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_CHILD) ? GetParent(window_) : nullptr;
}

TRect TvxWindowSkinData::OwnerBounds() const {
  RECT r{};
  if (!GetWindowRect(window_, &r)) return {};
  if (const HWND parent = ParentWindow()) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

bool TvxWindowSkinData::HasParent() const { return ParentWindow() != nullptr; }

TColor TvxWindowSkinData::ParentColor() const {
  return HasParent() ? static_cast<TColor>(GetSysColor(COLOR_BTNFACE)) : clFuchsia;
}

CacheInfo TvxWindowSkinData::ParentCacheInfo() { return GetParentCacheInfoOfWindow(window_); }

bool TvxWindowSkinData::ParentVariesBackground() {
  const HWND parent = ParentWindow();
  return parent && QueryWindowSkinFlag(parent, SCMD_IS_BG_VARIED);
}

TColor TvxWindowSkinData::ParentBackgroundColor() {
  const HWND parent = ParentWindow();
  if (!parent) return clFuchsia;
  BackgroundColorReply = clFuchsia;
  SendSkinCommand(parent, SCMD_GET_BG_COLOR, 0);
  const TColor answer = BackgroundColorReply;
  BackgroundColorReply = clFuchsia;
  return answer != clFuchsia ? answer : ParentColor();
}

}  // namespace skin
