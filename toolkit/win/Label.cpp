#include "toolkit/win/Label.h"

#include "toolkit/win/WinControl.h"

namespace tk {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle((ControlStyle() | csOpaque | csReplicatable | csSetCaption) & ~csCaptureMouse);
  width_ = 65;
  height_ = 17;
  SetParentColor(true);
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  SetControlStyle(value ? (ControlStyle() & ~csOpaque) : (ControlStyle() | csOpaque));
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (showAccelChar_ == value) return;
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = control;
  if (control) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

UINT TCustomLabel::DrawTextFlags() const {
  UINT flags = DT_EXPANDTABS;
  switch (alignment_) {
    case taRightJustify: flags |= DT_RIGHT; break;
    case taCenter: flags |= DT_CENTER; break;
    default: flags |= DT_LEFT; break;
  }
  flags |= wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void TCustomLabel::DoDrawText(RECT& rect, UINT flags) {
  TCanvas& canvas = Canvas();
  std::string text = Text();
  // An empty text still has a height.
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += " ";
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(bsClear);
  if (Enabled() || (flags & DT_CALCRECT)) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  RECT shadow = rect;
  OffsetRect(&shadow, 1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawText(text, shadow, flags);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, rect, flags);
}

void TCustomLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT client = ClientRect();
  if (!transparent_) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
  }
  UINT flags = DrawTextFlags();
  if (layout_ != tlTop) {
    RECT measured = client;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int offset = RectHeight(client) - RectHeight(measured);
    client.top += layout_ == tlBottom ? offset : offset / 2;
  }
  DoDrawText(client, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || IsLoading() || IsReading()) return;
  RECT r = ClientRect();
  DoDrawText(r, DrawTextFlags() | DT_CALCRECT);
  const int width = RectWidth(r);
  const int height = RectHeight(r);
  int left = Left();
  if (alignment_ == taRightJustify) left += Width() - width;
  else if (alignment_ == taCenter) left += (Width() - width) / 2;
  SetBounds(left, Top(), width, height);
}

void TCustomLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TGraphicControl::WndProc(message);
      AdjustBounds();
      Invalidate();
      return;
    case CM_DIALOGCHAR:
      if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(static_cast<wchar_t>(message.WParam), Text()) &&
          focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        message.Result = 1;
        return;
      }
      break;
    default: break;
  }
  TGraphicControl::WndProc(message);
}

}  // namespace tk
