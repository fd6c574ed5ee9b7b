#pragma once
// Where a skinned speed button puts its glyph and its caption: pure
// arithmetic over the button's size, its layout properties and the measured
// sizes of glyph and caption, so that every combination can be checked.
// Halves are integer divisions rounding toward zero.

#include <windows.h>

#include "toolkit/win/SpeedButton.h"
#include "toolkit/win/Types.h"

namespace skin {

struct TsGlyphCaptionLayout {
  int width = 0;
  int height = 0;
  int dropDownWidth = 0;  // 16 for the drop-down style
  int margin = -1;        // the Margin property
  int spacing = 4;
  tk::TButtonLayout layout = tk::blGlyphLeft;
  tk::TAlignment alignment = tk::taCenter;
  int textOffset = 0;
  bool showCaption = true;
  bool hasCaption = false;  // the caption is not empty
  SIZE glyph{0, 0};         // one frame of the glyph
  SIZE text{0, 0};          // the measured caption
  bool pressed = false;     // drawn pushed: one pixel right and down

  // 0 for a negative margin, else margin + 3.
  int MarginOffset() const { return margin < 0 ? 0 : margin + 3; }
  // The width the caption may take.
  int MaxTextWidth() const;
  RECT GlyphRect() const;
  RECT CaptionRect() const;
};

}  // namespace skin
