#include "toolkit/win/Persistent.h"

#include <string>

namespace tk {

EAssignError::EAssignError(const char* sourceClass, const char* destClass)
    : std::runtime_error(std::string("Cannot assign a ") + sourceClass + " to a " + destClass) {}

void TPersistent::Assign(const TPersistent& source) { throw EAssignError(source.ClassName(), ClassName()); }

int TCollectionItem::Index() const { return collection_->IndexOf(this); }

void TCollectionItem::Changed() { collection_->Update(this); }

TCollection::~TCollection() {
  // Items may look at the collection while they go.
  while (!items_.empty()) items_.pop_back();
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

TCollectionItem* TCollection::Add() {
  items_.push_back(factory_(*this));
  TCollectionItem* item = items_.back().get();
  Update(nullptr);
  return item;
}

void TCollection::Delete(int index) {
  items_.erase(items_.begin() + index);
  Update(nullptr);
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) items_.pop_back();
  EndUpdate();
}

void TCollection::Assign(const TPersistent& source) {
  auto* other = dynamic_cast<const TCollection*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  BeginUpdate();
  Clear();
  for (const auto& item : other->items_) Add()->Assign(*item);
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem* item) {
  if (updateCount_ == 0 && OnChange) OnChange(*this, item);
}

}  // namespace tk
