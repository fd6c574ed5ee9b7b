#pragma once
// TvxBitBtnWnd: a push button with a picture (a bitmap or an icon of the
// button, BM_GETIMAGE) painted as TvxBtnWnd does, the picture beside the
// caption: the two centred together with a 4-pixel gap, moved by a pixel
// while pushed. A bitmap's bottom-left pixel is its transparent colour.

#include "vxBtnWnd.h"

namespace skin {

class TvxBitBtnWnd : public TvxBtnWnd {
public:
  using TvxBtnWnd::TvxBtnWnd;

  // Where the picture (glyph x glyph size) and the caption (text size) go
  // in a button of that size: the picture's and the text's left edges.
  struct Layout {
    int glyphLeft, textLeft;
  };
  static Layout LayOut(int buttonWidth, SIZE glyph, SIZE text);

protected:
  void PaintContent(tk::Bitmap& cache) override;

private:
  // The button's picture and its size; none without one.
  HANDLE Picture(UINT& type, SIZE& size) const;
};

}  // namespace skin
