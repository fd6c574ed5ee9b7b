#pragma once
// TvxStaticWnd: a static text painted from the skin - the section over the
// parent's background, the text in the system's message font and the
// section's font colours, wrapped at words. The state changes the static
// makes itself (enabling, its text) are passed on with drawing switched
// off and then painted; the platform's background and frame painting is
// suppressed.
//
// A static of exactly 152 x 49 (the animation pane of the platform's
// progress dialogs) is left its middle: the platform paints it first and
// the wrapper paints around (30, 6, 120, 41).

#include "vxMainWnd.h"

namespace tk {
class Bitmap;
}

namespace skin {

class TvxStaticWnd : public TvxMainWnd {
public:
  using TvxMainWnd::TvxMainWnd;
  // The part a 152 x 49 static leaves to the platform.
  static constexpr RECT kPlatformPane{30, 6, 120, 41};

protected:
  void WndProc(tk::TMessage& m) override;
  // What is drawn over the section: the text.
  virtual void PaintContent(tk::Bitmap& cache);
  void Paint(HDC dc);
  void Repaint();
  // The message handled by the static with drawing switched off, then the
  // wrapper's picture.
  void PassOnQuietly(tk::TMessage& m, bool repaint);
  bool HasPlatformPane() const;
};

// TvxIconWnd: an icon static - the static's icon at (0, 0) over the
// section instead of text.
class TvxIconWnd : public TvxStaticWnd {
public:
  using TvxStaticWnd::TvxStaticWnd;

protected:
  void PaintContent(tk::Bitmap& cache) override;
};

// TvxLinkWnd: a link control - it paints its own text; the wrapper keeps
// the skin's answers and the suppressed background.
class TvxLinkWnd : public TvxStaticWnd {
public:
  using TvxStaticWnd::TvxStaticWnd;

protected:
  void WndProc(tk::TMessage& m) override;
  void PaintContent(tk::Bitmap&) override {}
};

}  // namespace skin
