#pragma once
// A text label without a window: drawn on its parent, optionally transparent,
// aligned left, right or centred, with AutoSize fitting its bounds to the
// text (keeping the right edge for right-aligned labels). "&x" marks an
// accelerator that moves the focus to FocusControl.

#include "toolkit/win/GraphicControl.h"

namespace tk {

class TWinControl;

class TCustomLabel : public TGraphicControl {
  TK_CLASS(TCustomLabel)
public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);

  void Loaded() override;

protected:
  void Paint() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // DT_* flags of the label's text for its alignment, wrapping and prefix.
  UINT DrawTextFlags() const;
  // Draws (or with DT_CALCRECT measures) the text in the current font;
  // disabled labels draw embossed.
  virtual void DoDrawText(RECT& rect, UINT flags);
  virtual void AdjustBounds();

private:
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool autoSize_ = true;
  bool transparent_ = false;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
  TK_CLASS(TLabel)
public:
  explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

}  // namespace tk
