#include "vxListViewWnd.h"

#include <commctrl.h>

#include "skin/data/sSkinManager.h"

namespace skin {

TvxListViewWnd::~TvxListViewWnd() {
  header_.reset();
  Unsubclass();
}

void TvxListViewWnd::Attach() {
  TvxEditWnd::Attach();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0));
  header_ = TvxHeaderWnd::WrapHeader(header, manager_);
}

bool TvxListViewWnd::ScrollToThumb(TvxScrollBar& bar, int position) {
  SCROLLINFO now{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(handle_, bar.Bar(), &now)) return false;
  const int delta = position - now.nPos;
  if (delta == 0) return true;
  if (bar.Horizontal()) {
    SendMessageW(handle_, LVM_SCROLL, static_cast<WPARAM>(delta), 0);
    return true;
  }
  RECT row{LVIR_BOUNDS, 0, 0, 0};
  if (!SendMessageW(handle_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row))) return false;
  SendMessageW(handle_, LVM_SCROLL, 0, static_cast<LPARAM>(delta * (row.bottom - row.top)));
  return true;
}

}  // namespace skin
