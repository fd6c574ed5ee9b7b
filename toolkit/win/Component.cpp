#include "toolkit/win/Component.h"

#include <algorithm>

#include "toolkit/core/TextCase.h"

namespace tk {

bool IsValidIdent(std::string_view name) {
  if (name.empty()) return false;
  auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!alpha(name[0])) return false;
  return std::all_of(name.begin() + 1, name.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
  if (!owner) return;
  if (!name_.empty() && owner->FindComponent(name_))
    throw EComponentError("A component named " + name_ + " already exists");
  owner->components_.push_back(this);
  owner_ = owner;
  insertPending_ = true;
}

void TComponent::AfterConstruction() {
  if (!insertPending_) return;
  insertPending_ = false;
  if (owner_) owner_->Notification(this, opInsert);
}

TComponent::~TComponent() {
  // Reached without Free: do what can still be done safely.
  BeforeDestruction();
  if (owner_) owner_->RemoveComponent(this);
  while (!freeNotifies_.empty()) Unlink(freeNotifies_.back());
}

void TComponent::Free(TComponent* component) {
  if (!component) return;
  component->BeforeDestruction();
  delete component;
}

void TComponent::BeforeDestruction() {
  if (destructionStarted_) return;
  destructionStarted_ = true;
  state_ |= csDestroying;
  // Everyone holding a reference hears about it while this object is whole.
  std::vector<TComponent*> subscribers = freeNotifies_;
  for (TComponent* other : subscribers) {
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) continue;
    Unlink(other);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  // Leave the owner while still whole, so its components see what goes.
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    // Free removes it from this list through its destructor; remove it first
    // anyway so a component that refuses to die cannot loop here.
    components_.pop_back();
    last->owner_ = nullptr;
    Notification(last, opRemove);
    Free(last);
  }
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto it = std::find(owner_->components_.begin(), owner_->components_.end(), this);
  return it == owner_->components_.end() ? -1 : static_cast<int>(it - owner_->components_.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  if (!component->name_.empty() && FindComponent(component->name_))
    throw EComponentError("A component named " + component->name_ + " already exists");
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  component->insertPending_ = false;
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it == components_.end()) return;
  components_.erase(it);
  component->owner_ = nullptr;
  Notification(component, opRemove);
}

void TComponent::SetName(std::string_view name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError("\"" + std::string(name) + "\" is not a valid component name");
  if (owner_ && !name.empty()) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw EComponentError("A component named " + std::string(name) + " already exists");
  }
  name_ = name;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) { Unlink(component); }

void TComponent::Unlink(TComponent* other) {
  std::erase(freeNotifies_, other);
  std::erase(other->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) Unlink(component);
  // Copy: a component may free or insert others while it listens.
  std::vector<TComponent*> listeners = components_;
  for (TComponent* c : listeners)
    if (std::find(components_.begin(), components_.end(), c) != components_.end()) c->Notification(component, operation);
}

void TComponent::Loaded() { state_ &= ~csLoading; }

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::SetComponentState(TComponentState flags, bool on) {
  if (on)
    state_ |= flags;
  else
    state_ &= ~flags;
}

}  // namespace tk
