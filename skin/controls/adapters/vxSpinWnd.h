#pragma once
// TvxSpinWnd: an up-down control painted from the skin as two buttons, the
// upper and the lower half of the window (the halves share the middle row
// when the height is odd), each the section over the parent's background
// with the scroll buttons' arrow glyph centred: hot under the mouse,
// pressed while the mouse button is held over it. In dialogs the buttons
// start a little right of the window's left edge (the platform joins the
// control to its edit there).

#include "vxMainWnd.h"

namespace skin {

class TvxSpinWnd : public TvxMainWnd {
public:
  TvxSpinWnd(HWND window, bool recalcFrame, std::string_view section, TsSkinManager* manager, TsCommonData* skinData,
             int leftOffset = 0);

  struct Halves {
    RECT upper, lower;
  };
  static Halves HalvesOf(int leftOffset, int width, int height);
  // The state of each half for the cursor at a client point (inside or
  // not) with the mouse button held or not: {upper, lower}.
  static std::pair<int, int> HalfStates(const Halves& halves, POINT cursor, bool inside, bool pressed);
  int LeftOffset() const { return leftOffset_; }
  bool Pressed() const { return pressed_; }

protected:
  void WndProc(tk::TMessage& m) override;
  bool HoverChanged() override;

private:
  void Paint(HDC dc);
  void Repaint();
  void PaintHalf(const RECT& half, int state, const char* glyphSection);
  void FollowMouse();

  int leftOffset_;
  bool pressed_ = false;
};

}  // namespace skin
