#include "vxVirtualTreeViewWnd.h"

#include <commctrl.h>

#include "skin/data/sSkinManager.h"

namespace skin {

TvxVirtualTreeViewWnd::~TvxVirtualTreeViewWnd() {
  header_.reset();
  Unsubclass();
}

void TvxVirtualTreeViewWnd::Attach() {
  TvxEditWnd::Attach();
  // The first visible header window among the tree's own children.
  const HWND header = FindWindowExW(handle_, nullptr, WC_HEADERW, nullptr);
  if (header && IsWindowVisible(header)) header_ = TvxHeaderWnd::WrapHeader(header, manager_);
}

}  // namespace skin
