#pragma once
// A button without a window (a tool-bar style button): caption and glyph
// (with its transparent colour, the bottom-left pixel's unless set), up to
// four glyph images side by side (up, disabled, down, held down), optional
// grouping (GroupIndex: the buttons of a group stay down one at a time) and a
// flat look that shows its frame only under the mouse. It takes no focus.

#include "toolkit/win/GraphicBitmap.h"
#include "toolkit/win/GraphicControl.h"

namespace tk {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
  TK_CLASS(TSpeedButton)
public:
  explicit TSpeedButton(TComponent* owner);

  TBitmap& Glyph() { return glyph_; }
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& glyph) { glyph_.Assign(glyph); }
  // Images side by side in the glyph (1 to 4).
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  // Distance of the glyph from the edge; -1 centres glyph and caption together.
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  // Gap between glyph and caption.
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);

  // The drawn state: up, disabled, pressed (down) or latched (exclusive).
  TButtonState State() const { return state_; }

  void Click() override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WndProc(TMessage& message) override;
  // Where the glyph and the caption go for the current size, layout, margin
  // and spacing.
  void CalcLayout(POINT& glyphPos, RECT& textRect);
  void DrawGlyph(const POINT& at);

  TButtonState state_ = bsUp;

private:
  void UpdateExclusive();
  void SetState(TButtonState state);

  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool flat_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool dragging_ = false;
};

}  // namespace tk
