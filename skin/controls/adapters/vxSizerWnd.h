#pragma once
// TvxSizerWnd: the size box of a window (a scroll bar of the size-box
// style): only the section over the parent's background is painted, and
// the whole box sizes the window it belongs to.
//
// TvxTransPanelWnd: a panel or a pane of a dialog: its background is the
// section over the parent's background, painted when the window erases
// it; the children paint themselves over it.

#include "vxMainWnd.h"

namespace skin {

class TvxSizerWnd : public TvxMainWnd {
public:
  using TvxMainWnd::TvxMainWnd;

protected:
  void WndProc(tk::TMessage& m) override;
};

class TvxTransPanelWnd : public TvxMainWnd {
public:
  using TvxMainWnd::TvxMainWnd;

protected:
  void WndProc(tk::TMessage& m) override;
};

}  // namespace skin
