#pragma once
// TvxMDIWnd: the wrapper of an MDI form's client window. The form's skin
// provider paints the MDI area into its own cache where the client window
// lies; the wrapper shows that part of the cache as the client window's
// background and its 2-pixel edge, paints the form's graphic controls over
// it, and paints the client window's scroll bars from the skin.

#include <functional>

#include "vxEditWnd.h"
#include "toolkit/core/Bitmap.h"

namespace tk {
class TCustomForm;
}

namespace skin {

class TvxMDIWnd : public TvxBaseWnd {
public:
  // The cache of the form's whole window, brought up to date; none while
  // there is none to show.
  using TCacheSource = std::function<const tk::Bitmap*()>;

  // areaMoved is told when the client window changes its place or size in
  // the form: the area the form's cache has for it is no longer right.
  TvxMDIWnd(HWND client, TsSkinManager* manager, tk::TCustomForm& form, TCacheSource formCache,
            std::function<void()> areaMoved);

  // Where the client window's client area lies in the form's window (and
  // so in the form's cache).
  POINT ClientOriginInForm() const;
  // Copies the area under the client window's client area from the form's
  // cache into a context of the client area, then the form's graphic
  // controls over it.
  void PaintArea(HDC dc, bool graphicControlsOnly);
  // The client window is creating a child while its active child shows
  // maximized (asked by the new child as it is created).
  bool CreatingBesideMaximizedChild() const { return creatingBesideMaximized_; }

protected:
  void WndProc(tk::TMessage& m) override;
  bool HandleSkinCommand(tk::TMessage& m) override;

private:
  // The 2-pixel edge and the scroll bars into a context of the whole window.
  void PaintEdge(HDC dc);
  // The whole client window (edge, bars, area) into a context of its window.
  void Print(HDC dc);
  // The active child is maximized and shown: it covers the whole area.
  bool ActiveChildMaximized() const;

  tk::TCustomForm& form_;
  TCacheSource formCache_;
  std::function<void()> areaMoved_;
  bool creatingBesideMaximized_ = false;
};

}  // namespace skin
