#include "sBoundLabel.h"

#include <algorithm>

#include "sEditLabel.h"
#include "toolkit/win/WinControl.h"

namespace skin {

TsBoundLabel::TsBoundLabel(tk::TWinControl* edit) : edit_(edit) {
  font_.SetName("MS Sans Serif");
  font_.SetHeight(-11);
  font_.SetColor(tk::clWindowText);
}

TsBoundLabel::~TsBoundLabel() { SetActive(false); }

void TsBoundLabel::SetActive(bool value) {
  if (value == active_) return;
  if (!value) {
    TsEditLabel* label = label_;
    label_ = nullptr;
    active_ = false;
    if (label) {
      label->ForgetBoundLabel();
      tk::TComponent::Free(label);
    }
    return;
  }
  active_ = true;
  label_ = tk::Create<TsEditLabel>(edit_, this);
  label_->SetVisible(false);
  label_->SetParentFont(false);
  label_->SetFont(font_);
  label_->SetParent(edit_->Parent());
  label_->SetFocusControl(edit_);
  ApplyAlignment();
  if (!edit_->Name().empty()) label_->SetName(edit_->Name() + "Label");
  if (caption_.empty()) caption_ = edit_->Name();
  label_->SetCaption(caption_);
  label_->SetVisible(edit_->Visible() || edit_->IsDesigning());
  label_->SetEnabled(edit_->Enabled());
  PlaceLabel();
}

void TsBoundLabel::LabelGone(TsEditLabel* label) {
  if (label != label_) return;
  label_ = nullptr;
  active_ = false;
}

void TsBoundLabel::SetCaption(std::string_view caption) {
  caption_ = caption;
  if (!label_) return;
  label_->SetCaption(caption_);
  PlaceLabel();
}

tk::TFont& TsBoundLabel::Font() { return label_ ? label_->Font() : font_; }

void TsBoundLabel::SetFont(const tk::TFont& font) {
  Font().Assign(font);
  if (!label_) return;
  label_->SetParentFont(false);
  PlaceLabel();
}

void TsBoundLabel::SetIndent(int indent) {
  indent_ = indent;
  if (active_) PlaceLabel();
}

void TsBoundLabel::SetLayout(TsCaptionLayout layout) {
  layout_ = layout;
  ApplyAlignment();
  PlaceLabel();
}

void TsBoundLabel::SetMaxWidth(int width) {
  maxWidth_ = width;
  if (active_) PlaceLabel();
}

bool TsBoundLabel::UseSkinColor() const { return label_ ? label_->UseSkinColor() : true; }

void TsBoundLabel::SetUseSkinColor(bool value) {
  if (label_) label_->SetUseSkinColor(value);
}

void TsBoundLabel::ApplyAlignment() {
  if (!label_) return;
  switch (layout_) {
    case sclTopLeft: label_->SetAlignment(tk::taLeftJustify); break;
    case sclTopCenter: label_->SetAlignment(tk::taCenter); break;
    case sclLeft:
    case sclTopRight: label_->SetAlignment(tk::taRightJustify); break;
  }
}

void TsBoundLabel::PlaceLabel() {
  if (!label_ || !label_->Visible()) return;
  label_->SetAutoSize(true);
  const tk::TControl& e = *edit_;
  tk::TControl& l = *label_;
  int left = l.Left(), top = l.Top();
  switch (layout_) {
    case sclLeft:
      left = e.Left() - l.Width() - indent_ - 4;
      top = e.Top() + (e.Height() - l.Height()) / 2 - 1;
      break;
    case sclTopLeft: left = e.Left(); break;
    case sclTopCenter: left = e.Left() + (e.Width() - l.Width()) / 2; break;
    case sclTopRight: left = e.Left() + e.Width() - l.Width(); break;
  }
  if (layout_ != sclLeft) top = e.Top() - l.Height() - indent_;
  l.SetBounds(left, top, l.Width(), l.Height());
  if (maxWidth_ == 0) return;
  // The left edge stays where the natural width put it.
  label_->SetAutoSize(false);
  l.SetWidth(maxWidth_);
  label_->SetWordWrap(true);
  l.SetHeight(std::max(l.Height(), e.Height()));
}

void TsBoundLabel::EditVisibilityChanged() {
  if (!label_) return;
  label_->SetVisible(edit_->Visible());
  PlaceLabel();
}

void TsBoundLabel::EditEnabledChanged() {
  if (!label_) return;
  label_->SetEnabled(edit_->Enabled());
  PlaceLabel();
}

}  // namespace skin
