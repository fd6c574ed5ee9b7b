#pragma once
// TvxToolBarWnd: a tool bar painted from the skin. The bar is its section
// over the parent's background (the cache); each paint takes a copy of it
// and draws every button over the copy: the TOOLBUTTON section in the
// button's state, its image from the bar's image list, a drop-down arrow
// for whole drop-down buttons, its text under the image, and a disabled
// button mixed into the bar's background. A bar with a client edge gets
// the ring of the cache as its frame.

#include <windows.h>

#include <commctrl.h>

#include "vxMainWnd.h"

namespace tk {
class Bitmap;
}

namespace skin {

class TvxToolBarWnd : public TvxMainWnd {
public:
  using TvxMainWnd::TvxMainWnd;

  // 0 without TBSTATE_ENABLED, 2 with TBSTATE_PRESSED, else 1 under the
  // cursor and 0 otherwise.
  static int ButtonState(BYTE tbState, bool underCursor);
  // Where the text of a button goes: below its image when it shows one.
  static RECT TextRect(int buttonWidth, int buttonHeight, int imageHeight);
  // A disabled button mixed into what lies under it: each channel
  // round(0.6 x background + 0.4 x button).
  static BYTE MixDisabled(BYTE background, BYTE button);
  int BorderWidth() const { return border_; }

protected:
  void WndProc(tk::TMessage& m) override;

private:
  void Paint(HDC dc);
  void PaintButton(tk::Bitmap& target, const tk::Bitmap& background, int index, POINT cursor);
  void PaintImage(tk::Bitmap& picture, const TBBUTTON& button, int state, int& imageHeight);
  void PaintText(tk::Bitmap& picture, int index, int state, int imageHeight);
  void PaintFrame();
  bool PaintDeferred();

  int border_ = 0;
};

}  // namespace skin
