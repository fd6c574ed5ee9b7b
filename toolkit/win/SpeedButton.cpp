#include "toolkit/win/SpeedButton.h"

#include <windowsx.h>

#include <algorithm>

#include "toolkit/win/WinControl.h"

namespace tk {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle((ControlStyle() | csCaptureMouse | csOpaque) & ~(csClickEvents | csSetCaption | csDoubleClicks));
  width_ = 23;
  height_ = 22;
  SetParentColor(false);
  SetColor(clBtnFace);
  glyph_.OnChange = [this](TBitmap&) { Invalidate(); };
}

void TSpeedButton::SetNumGlyphs(int count) {
  count = std::clamp(count, 1, 4);
  if (numGlyphs_ == count) return;
  numGlyphs_ = count;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  if (layout_ == layout) return;
  layout_ = layout;
  Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
  if (margin_ == margin) return;
  margin_ = std::max(margin, -1);
  Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
  if (spacing_ == spacing) return;
  spacing_ = spacing;
  Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  SetControlStyle(value ? (ControlStyle() & ~csOpaque) : (ControlStyle() | csOpaque));
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int index) {
  if (groupIndex_ == index) return;
  groupIndex_ = index;
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  if (allowAllUp_ == value) return;
  allowAllUp_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  // The last button of a group that may not be all up stays down.
  if (down_ && !value && !allowAllUp_) return;
  down_ = value;
  if (value) {
    if (state_ == bsUp) Invalidate();
    state_ = bsExclusive;
  } else {
    state_ = bsUp;
    Repaint();
  }
  if (value) UpdateExclusive();
}

void TSpeedButton::SetState(TButtonState state) {
  if (state_ == state) return;
  state_ = state;
  Invalidate();
}

// Tells the other buttons of the group (same parent, same GroupIndex) that
// this one went down, or shares AllowAllUp with them.
void TSpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (!other || other == this || other->groupIndex_ != groupIndex_) continue;
    other->allowAllUp_ = allowAllUp_;
    if (down_ && other->down_) {
      other->down_ = false;
      other->state_ = bsUp;
      other->Invalidate();
    }
  }
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!down_) {
    state_ = bsDown;
    Repaint();
  }
  dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!dragging_) return;
  const RECT client = ClientRect();
  const bool inside = PtInRect(&client, POINT{x, y});
  TButtonState wanted = down_ ? bsExclusive : bsUp;
  if (inside && !down_) wanted = bsDown;
  if (wanted != state_) {
    state_ = wanted;
    Repaint();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (dragging_ && button == mbLeft) {
    dragging_ = false;
    const RECT client = ClientRect();
    const bool inside = PtInRect(&client, POINT{x, y});
    if (groupIndex_ == 0) {
      state_ = bsUp;
      Repaint();
    } else if (inside) {
      SetDown(!down_);
      if (down_) Repaint();
    } else {
      state_ = down_ ? bsExclusive : bsUp;
      Repaint();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
    if (inside) Click();
    return;
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_ENABLEDCHANGED:
      state_ = Enabled() ? (down_ ? bsExclusive : bsUp) : bsDisabled;
      TGraphicControl::WndProc(message);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      // A flat button shows its frame only while the mouse is over it.
      if (flat_ && Enabled()) Invalidate();
      TGraphicControl::WndProc(message);
      return;
    default: break;
  }
  TGraphicControl::WndProc(message);
}

void TSpeedButton::CalcLayout(POINT& glyphPos, RECT& textRect) {
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  const std::string caption = Text();
  SIZE textSize{0, 0};
  if (!caption.empty()) {
    RECT measured{0, 0, Width(), 0};
    canvas.DrawText(caption, measured, DT_CALCRECT | DT_SINGLELINE);
    textSize = SIZE{RectWidth(measured), RectHeight(measured)};
  }
  SIZE glyphSize{0, 0};
  if (!glyph_.Empty()) glyphSize = SIZE{glyph_.Width() / numGlyphs_, glyph_.Height()};
  const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
  const int gap = (glyphSize.cx > 0 && textSize.cx > 0) ? spacing_ : 0;
  const int extent = horizontal ? Width() : Height();
  const int glyphExtent = horizontal ? glyphSize.cx : glyphSize.cy;
  const int textExtent = horizontal ? textSize.cx : textSize.cy;
  // Margin -1 centres the pair; otherwise the glyph keeps that distance from
  // its edge and the caption is centred in what is left.
  int margin = margin_;
  int space = gap;
  if (margin < 0) {
    margin = (extent - glyphExtent - gap - textExtent) / 2;
  } else if (textExtent > 0) {
    space = (extent - margin - glyphExtent - textExtent) / 2;
    if (glyphExtent == 0) space = 0;
  }
  const int glyphStart = margin;
  const int textStart = margin + glyphExtent + space;
  POINT glyph{0, 0};
  POINT text{0, 0};
  switch (layout_) {
    case blGlyphLeft:
      glyph = POINT{glyphStart, (Height() - glyphSize.cy) / 2};
      text = POINT{textStart, (Height() - textSize.cy) / 2};
      break;
    case blGlyphRight:
      glyph = POINT{Width() - glyphStart - glyphSize.cx, (Height() - glyphSize.cy) / 2};
      text = POINT{Width() - textStart - textSize.cx, (Height() - textSize.cy) / 2};
      break;
    case blGlyphTop:
      glyph = POINT{(Width() - glyphSize.cx) / 2, glyphStart};
      text = POINT{(Width() - textSize.cx) / 2, textStart};
      break;
    case blGlyphBottom:
      glyph = POINT{(Width() - glyphSize.cx) / 2, Height() - glyphStart - glyphSize.cy};
      text = POINT{(Width() - textSize.cx) / 2, Height() - textStart - textSize.cy};
      break;
  }
  glyphPos = glyph;
  textRect = RECT{text.x, text.y, text.x + textSize.cx, text.y + textSize.cy};
}

void TSpeedButton::DrawGlyph(const POINT& at) {
  if (glyph_.Empty()) return;
  const int frameWidth = glyph_.Width() / numGlyphs_;
  int index = 0;
  switch (state_) {
    case bsDisabled: index = numGlyphs_ > 1 ? 1 : 0; break;
    case bsDown: index = numGlyphs_ > 2 ? 2 : 0; break;
    case bsExclusive: index = numGlyphs_ > 3 ? 3 : (numGlyphs_ > 2 ? 2 : 0); break;
    default: break;
  }
  // One frame of the glyph, its transparent pixels left out.
  Bitmap frame(frameWidth, glyph_.Height());
  const Bitmap& source = glyph_.Image();
  const int bpp = source.BytesPerPixel();
  const COLORREF transparent = ColorToRGB(glyph_.TransparentColor());
  const bool grey = state_ == bsDisabled && numGlyphs_ == 1;
  for (int y = 0; y < frame.Height(); ++y) {
    const std::uint8_t* in = source.ScanLine(y) + static_cast<std::ptrdiff_t>(index * frameWidth) * bpp;
    std::uint8_t* out = frame.ScanLine(y);
    for (int x = 0; x < frameWidth; ++x, in += bpp, out += 3) {
      std::uint8_t b = in[0], g = in[1], r = in[2];
      // A single image stands for the disabled state in shades of grey.
      if (grey && RGB(r, g, b) != transparent) {
        const auto lum = static_cast<std::uint8_t>(128 + (r * 30 + g * 59 + b * 11) / 200);
        b = g = r = lum;
      }
      out[0] = b;
      out[1] = g;
      out[2] = r;
    }
  }
  Canvas().DrawTransparent(at.x, at.y, frame, static_cast<TColor>(transparent));
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  RECT client = ClientRect();
  const bool pushed = state_ == bsDown || state_ == bsExclusive;
  if (!flat_) {
    UINT style = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (pushed) style |= DFCS_PUSHED;
    DrawFrameControl(canvas.Handle(), &client, DFC_BUTTON, style);
  } else if (pushed || (MouseInControl() && Enabled())) {
    DrawEdge(canvas.Handle(), &client, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  }
  POINT glyphPos;
  RECT textRect;
  CalcLayout(glyphPos, textRect);
  if (pushed) {
    OffsetRect(&textRect, 1, 1);
    ++glyphPos.x;
    ++glyphPos.y;
  }
  DrawGlyph(glyphPos);
  const std::string caption = Text();
  if (caption.empty()) return;
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().Assign(Font());
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (state_ == bsDisabled) {
    RECT shadow = textRect;
    OffsetRect(&shadow, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(caption, shadow, flags);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(caption, textRect, flags);
}

}  // namespace tk
