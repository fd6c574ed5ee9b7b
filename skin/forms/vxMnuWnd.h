#pragma once
// TvxMnuWnd: the wrapper of a popup menu's window (class "#32768") that
// does not skin itself. While a skinned popup is open it paints the
// window's background and frame from the MAINMENU section instead of the
// window system, tells the skinned menus whether the window's region was
// set already, and forgets the popup when the window goes. The
// computer-based-training hook of the dialog skinning makes one for every
// such window; without it the skinned menus prepare the window themselves.

#include "skin/controls/adapters/vxScrollWnd.h"

namespace skin {

class TvxMnuWnd : public TvxScrollWnd {
public:
  TvxMnuWnd(HWND window, TsSkinManager* manager);
  bool RegionDone() const { return regionDone_; }

  // What the wrapper copies: the client area starts this far into the
  // cache, and the frame ring is this wide.
  static constexpr int kClientOffset = 3;
  static constexpr int kFrameRing = 18;

protected:
  void WndProc(tk::TMessage& m) override;
  bool HandleSkinCommand(tk::TMessage& m) override;

private:
  void PaintBackground(HDC dc);
  void PaintFrame();

  bool regionDone_ = false;
};

}  // namespace skin
