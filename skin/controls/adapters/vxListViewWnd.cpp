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
  if (!header || TvxMainWnd::Of(header) || !manager_) return;
  header_ = Wrap<TvxHeaderWnd>(header, false, TvxHeaderWnd::SectionFor(manager_->Tables()), manager_, nullptr);
}

}  // namespace skin
