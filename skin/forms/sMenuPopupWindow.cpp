// The window system's popup window of a skinned menu: its own background
// and frame painting are switched off (the items and the frame come from
// the skin's picture of the popup), the popup state goes with the window,
// and the window takes the shape of the skin's border.

#include <algorithm>

#include "sMenuPopupState.h"
#include "sSkinableMenus.h"
#include "skin/data/sSkinCommand.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Messages.h"

namespace skin {

namespace {

// Wrappers of popup windows answer these two: whether the window's region
// was set already, and that it is now.
constexpr WORD kRegionDoneQuery = SCMD_SET_DEFER;
constexpr WORD kRegionDone = SCMD_POPUP_REGION_DONE;

LRESULT CALLBACK SkinnedPopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND:
    case WM_NCPAINT: return 1;
    case WM_DESTROY:
      TsSkinableMenus::ResetPopupState();
      if (previous) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      }
      break;
    default: break;
  }
  return previous ? CallWindowProcW(previous, window, message, wParam, lParam)
                  : DefWindowProcW(window, message, wParam, lParam);
}

bool IsPrepared(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == SkinnedPopupProc;
}

// The system menu handle an item is shown in, and the item's position there.
bool MenuPlaceOf(tk::TMenuItem& item, HMENU& menu, UINT& position) {
  tk::TMenuItem* parent = item.Parent();
  if (!parent) return false;
  if (parent->Parent()) {
    menu = parent->Handle();
  } else {
    tk::TMenu* owner = parent->GetParentMenu();
    menu = owner && owner->HandleAllocated() ? owner->Handle() : nullptr;
  }
  if (!menu) return false;
  const std::vector<tk::TMenuItem*> visible = VisibleSiblings(item);
  const auto at = std::find(visible.begin(), visible.end(), &item);
  if (at == visible.end()) return false;
  position = static_cast<UINT>(at - visible.begin());
  return true;
}

}  // namespace

void TsSkinableMenus::PreparePopupWindow(HWND window) {
  if (!window || !IsWindow(window) || regionBusy_ || IsPrepared(window)) return;
  regionBusy_ = true;
  const LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinnedPopupProc));
  SetWindowLongPtrW(window, GWLP_USERDATA, previous);
  if (SendMessageW(window, SM_VEXACMD, SkinCommandWParam(kRegionDoneQuery), 0) == 0) {
    SendMessageW(window, SM_VEXACMD, SkinCommandWParam(kRegionDone), 0);
    RECT r;
    GetWindowRect(window, &r);
    HRGN region = CreateRectRgn(0, 0, r.right - r.left, r.bottom - r.top);
    auto cut = [&](const TRect& c) {
      tk::TGdiObject<HRGN> piece(CreateRectRgn(c.Left, c.Top, c.Right, c.Bottom));
      CombineRgn(region, region, piece.Get(), RGN_DIFF);
    };
    if (cutOuts_.empty()) cut({0, 0, 1, 1});
    for (const TRect& c : cutOuts_) cut(c);
    // The window owns the region from here on.
    if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
  }
  regionBusy_ = false;
}

void TsSkinableMenus::HandlePrepareMessage(tk::TMessage& m) {
  m.Result = 0;
  if (m.Msg == tk::SM_MENU_PREPARE_WINDOW) {
    PreparePopupWindow(reinterpret_cast<HWND>(m.LParam));
    return;
  }
  if (m.Msg != tk::SM_MENU_PREPARE_AT_ITEM) return;
  preparePending_ = false;
  tk::TMenuItem* item = tk::TMenuItem::FromCommand(static_cast<UINT>(m.LParam));
  HMENU menu = nullptr;
  UINT position = 0;
  if (!item || !MenuPlaceOf(*item, menu, position)) return;
  RECT r;
  if (!GetMenuItemRect(nullptr, menu, position, &r)) return;
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  HWND window = WindowFromPoint(centre);
  wchar_t name[16] = {};
  if (!window || !GetClassNameW(window, name, 16) || std::wstring_view(name) != L"#32768") return;
  EnsurePopupState(*item, window);
  PreparePopupWindow(window);
  // The items were drawn without their frame: draw it now.
  const TsMenuPopupState& s = MenuPopupState();
  const tk::Bitmap& bg = s.background;
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  const int w = bg.Width(), h = bg.Height(), b = BorderWidth;
  const int left = (s.firstItem ? ExtraLineWidthFor(*s.firstItem) : 0) + std::max(SkinBorderWidth(), b);
  BlitBitmap(dc, 0, 0, bg, {0, 0, w, b});
  BlitBitmap(dc, 0, h - b, bg, {0, h - b, w, h});
  BlitBitmap(dc, 0, b, bg, {0, b, left, h - b});
  BlitBitmap(dc, w - b, b, bg, {w - b, b, w, h - b});
  ReleaseDC(window, dc);
}

}  // namespace skin
