#include "sSpeedButtonLayout.h"

namespace skin {

int TsGlyphCaptionLayout::MaxTextWidth() const {
  if (!showCaption || !hasCaption) return 0;
  return width - dropDownWidth - 2 * margin - (glyph.cx != 0 ? glyph.cx + spacing : 0);
}

RECT TsGlyphCaptionLayout::GlyphRect() const {
  const int gw = glyph.cx, gh = glyph.cy, tw = text.cx, th = text.cy;
  const int dd = dropDownWidth, mo = MarginOffset();
  const int s = showCaption && gw > 0 && hasCaption ? spacing : 0;
  const int hx = (width - dd - gw - s - tw) / 2 - mo;
  const int vy = (height - gh - s - th) / 2 - mo;
  const int cy = (height - gh) / 2;
  int x = 0, y = cy;
  switch (layout) {
    case tk::blGlyphLeft:
      x = alignment == tk::taLeftJustify ? mo : alignment == tk::taRightJustify ? mo + 2 * hx : mo + hx;
      break;
    case tk::blGlyphRight:
      x = alignment == tk::taLeftJustify    ? width - dd - mo - 2 * hx - s - gw
          : alignment == tk::taRightJustify ? width - dd - gw - mo
                                            : (width - dd - gw + s + tw) / 2;
      break;
    case tk::blGlyphTop:
      x = (width - dd - gw) / 2 + 1;
      y = vy + mo;
      break;
    case tk::blGlyphBottom:
      x = (width - dd - gw) / 2 + 1;
      y = height - mo - vy - gh;
      break;
  }
  if (pressed) {
    ++x;
    ++y;
  }
  return RECT{x, y, x + gw, y + gh};
}

RECT TsGlyphCaptionLayout::CaptionRect() const {
  const int gw = glyph.cx, gh = glyph.cy, tw = text.cx, th = text.cy;
  const int dd = dropDownWidth, mo = MarginOffset();
  const int sh = gw > 0 && hasCaption ? spacing : 0;
  const int sv = gh > 0 && hasCaption ? spacing : 0;
  const int hx = (width - dd - gw - sh - tw) / 2 - mo;
  const int ty = (height - th) / 2;
  const int vy = (height - gh - sv - th) / 2 - mo;
  const int cx = (width - tw - dd) / 2;
  const int glyphGap = gw > 0 ? spacing : 0;
  RECT r{0, ty, 0, height - ty};
  switch (layout) {
    case tk::blGlyphLeft:
      if (alignment == tk::taLeftJustify) {
        // The margin itself here, not its offset.
        r.left = gw + margin + glyphGap;
        r.right = width - dd - mo - 2 * hx;
      } else if (alignment == tk::taRightJustify) {
        r.left = gw + mo + 2 * hx + glyphGap;
        r.right = width - dd - mo;
      } else {
        r.left = gw + mo + hx + glyphGap;
        r.right = width - dd - mo - hx;
      }
      break;
    case tk::blGlyphRight: {
      const int shift = alignment == tk::taLeftJustify ? 0 : alignment == tk::taRightJustify ? 2 * hx : hx;
      r.left = mo + shift;
      r.right = mo + shift + tw;
      break;
    }
    case tk::blGlyphTop:
      r = RECT{cx, gh + mo + vy + sv, width - cx - dd, height - vy - mo};
      break;
    case tk::blGlyphBottom:
      r = RECT{cx, mo + vy, width - cx - dd, height - vy - mo - gh - sv};
      break;
  }
  r.left += textOffset - 1;
  r.right += textOffset + 2;
  if (pressed) ::OffsetRect(&r, 1, 1);
  return r;
}

}  // namespace skin
