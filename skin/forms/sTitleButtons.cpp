#include "sTitleButtons.h"

#include <memory>

namespace skin {

void TsTitleIcon::Assign(const tk::TPersistent& source) {
  const auto* other = dynamic_cast<const TsTitleIcon*>(&source);
  if (!other) return TPersistent::Assign(source);
  glyph_.Assign(other->glyph_);
  width_ = other->width_;
  height_ = other->height_;
}

void TsTitleButton::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  Changed();
}

void TsTitleButton::SetGlyph(const tk::TBitmap& glyph) {
  glyph_.Assign(glyph);
  Changed();
}

void TsTitleButton::SetName(std::string_view name) {
  name_ = name;
  Changed();
}

void TsTitleButton::SetUseSkinData(bool value) {
  if (useSkinData_ == value) return;
  useSkinData_ = value;
  Changed();
}

void TsTitleButton::Assign(const tk::TPersistent& source) {
  const auto* other = dynamic_cast<const TsTitleButton*>(&source);
  if (!other) return TCollectionItem::Assign(source);
  enabled_ = other->enabled_;
  glyph_.Assign(other->glyph_);
  name_ = other->name_;
  useSkinData_ = other->useSkinData_;
  OnMouseDown = other->OnMouseDown;
  OnMouseUp = other->OnMouseUp;
  Changed();
}

TsTitleButtons::TsTitleButtons(tk::TPersistent* owner)
    : TCollection(owner, [](tk::TCollection& c) { return std::make_unique<TsTitleButton>(c); }) {}

}  // namespace skin
