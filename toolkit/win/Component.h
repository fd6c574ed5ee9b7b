#pragma once
// Components: objects that own other components and free them with
// themselves, carry a Name unique among their owner's components, hear about
// components inserted into and removed from their owner, and pass through the
// loading / reading / destroying states of a stored layout.
//
// Free order: an owner frees its components last-created first, so a
// component never outlives one created before it (a skin manager created
// after the controls still finds them when it switches skinning off).
//
// Create components with tk::Create<T>(owner, ...) (or call AfterConstruction
// after `new`): a constructor puts the component into its owner's list, and
// AfterConstruction, once the whole object exists, tells the owner and its
// components about it (Notification opInsert) - so they see the real class.
// Destroy components with TComponent::Free (or ComponentPtr): it runs
// BeforeDestruction while the whole object is still alive, which is where
// owned components, child controls and windows go.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/win/Persistent.h"

namespace tk {

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
  csLoading = 1,      // created by a layout reader; Loaded() has not run yet
  csReading = 2,      // the reader is setting its published properties
  csWriting = 4,
  csDestroying = 8,   // BeforeDestruction has started
  csDesigning = 16,   // never set at run time; kept for code that asks
  csUpdating = 32,
};
using TComponentState = unsigned;

class EComponentError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TComponent : public TPersistent {
  TK_CLASS(TComponent)
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Destroys a component (nullptr is allowed).
  static void Free(TComponent* component);
  // Runs once the most derived constructor has finished (Create<T> and the
  // layout reader call it). The base announces the component to its owner;
  // overriders call it first.
  virtual void AfterConstruction();

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
  int ComponentIndex() const;
  // The owned component of that name (case-insensitive), or nullptr.
  TComponent* FindComponent(std::string_view name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  const std::string& Name() const { return name_; }
  // Names are identifiers, unique among the owner's components
  // (case-insensitive); an empty name is allowed. Throws EComponentError.
  virtual void SetName(std::string_view name);

  TComponentState ComponentState() const { return state_; }
  bool IsLoading() const { return (state_ & csLoading) != 0; }
  bool IsReading() const { return (state_ & csReading) != 0; }
  bool IsDestroying() const { return (state_ & csDestroying) != 0; }
  bool IsDesigning() const { return (state_ & csDesigning) != 0; }

  // Asks to be told (Notification opRemove) when that component goes,
  // whoever owns it. The link is dropped when either side is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // After a layout reader set every stored property of every component of the
  // layout. Clears csLoading; overriders call it first.
  virtual void Loaded();

  // Layout nesting for components that are not controls (an action inside its
  // action list). Controls take their parent through TControl::SetParent.
  virtual void SetParentComponent(TComponent* parent);
  virtual TComponent* GetParentComponent() const { return nullptr; }

  std::intptr_t Tag = 0;
  void SetTag(std::intptr_t tag) { Tag = tag; }

protected:
  friend class TLayoutReader;
  // Told about every component inserted into or removed from the owner (and
  // about free-notification links). The base forwards it to every owned
  // component, so siblings hear of each other.
  virtual void Notification(TComponent* component, TOperation operation);
  // Sets csDestroying, tells free-notification subscribers, frees the owned
  // components, leaves the owner. Overriders call the base first; it runs once.
  virtual void BeforeDestruction();
  void DestroyComponents();
  void SetComponentState(TComponentState flags, bool on);

private:
  void Unlink(TComponent* other);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::string name_;
  TComponentState state_ = 0;
  bool destructionStarted_ = false;
  bool insertPending_ = false;
};

// Constructs a component and runs AfterConstruction; a failure there frees it.
template <class T, class... Args>
T* Create(Args&&... args) {
  T* component = new T(std::forward<Args>(args)...);
  try {
    component->AfterConstruction();
  } catch (...) {
    TComponent::Free(component);
    throw;
  }
  return component;
}

struct ComponentDeleter {
  void operator()(TComponent* component) const { TComponent::Free(component); }
};
template <class T>
using ComponentPtr = std::unique_ptr<T, ComponentDeleter>;

// Identifier rule of component names: a letter or '_' then letters, digits, '_'.
bool IsValidIdent(std::string_view name);

}  // namespace tk
