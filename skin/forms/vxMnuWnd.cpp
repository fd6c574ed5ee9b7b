#include "vxMnuWnd.h"

#include <algorithm>

#include "sMenuPopupState.h"
#include "sSkinableMenus.h"
#include "skin/data/sSkinCommand.h"

namespace skin {

namespace {

// The skinned menus ask with these whether the window's region is set.
constexpr WORD kRegionDoneQuery = SCMD_SET_DEFER;
constexpr WORD kRegionDone = SCMD_POPUP_REGION_DONE;

}  // namespace

TvxMnuWnd::TvxMnuWnd(HWND window, TsSkinManager* manager)
    : TvxScrollWnd(window, false, "MAINMENU", manager, nullptr) {}

bool TvxMnuWnd::HandleSkinCommand(tk::TMessage& m) {
  switch (SkinSubCommand(m.WParam)) {
    case SCMD_IS_SKINNED:
      m.LParam = m.Result = 1;
      return true;
    case kRegionDoneQuery:
      m.Result = regionDone_ ? 1 : 0;
      return true;
    case kRegionDone:
      regionDone_ = IsWindowVisible(Handle()) != FALSE;
      m.Result = 0;
      return true;
    default: return TvxScrollWnd::HandleSkinCommand(m);
  }
}

void TvxMnuWnd::PaintBackground(HDC dc) {
  PrepareCache();
  FillCorners();
  const tk::Bitmap* cache = SkinData() ? SkinData()->Cache() : nullptr;
  if (!cache || cache->Empty()) return;
  BlitBitmap(dc, 0, 0, *cache, {kClientOffset, kClientOffset, cache->Width(), cache->Height()});
}

void TvxMnuWnd::PaintFrame() {
  PrepareCache();
  FillCorners();
  const tk::Bitmap* cache = SkinData() ? SkinData()->Cache() : nullptr;
  if (!cache || cache->Empty()) return;
  HDC dc = GetWindowDC(Handle());
  if (!dc) return;
  const int w = cache->Width(), h = cache->Height(), ring = std::min({kFrameRing, w / 2, h / 2});
  BlitBitmap(dc, 0, 0, *cache, {0, 0, w, ring});
  BlitBitmap(dc, 0, h - ring, *cache, {0, h - ring, w, h});
  BlitBitmap(dc, 0, ring, *cache, {0, ring, ring, h - ring});
  BlitBitmap(dc, w - ring, ring, *cache, {w - ring, ring, w, h - ring});
  ReleaseDC(Handle(), dc);
}

void TvxMnuWnd::WndProc(tk::TMessage& m) {
  switch (m.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      TsSkinableMenus::ResetPopupState();
      TsSkinableMenus::SetPopupActive(false);
      break;
    case WM_ERASEBKGND:
      if (!TsSkinableMenus::PopupActive() || !Skinned()) break;
      PaintBackground(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return;
    case WM_NCPAINT:
      if (!TsSkinableMenus::PopupActive() || !Skinned()) break;
      PaintFrame();
      m.Result = 0;
      return;
    default: break;
  }
  TvxScrollWnd::WndProc(m);
}

}  // namespace skin
