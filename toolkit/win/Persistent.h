#pragma once
// Objects with published state: TPersistent (assignable, readable from a
// stored layout) and collections of persistent items (TCollection), such as a
// skin manager's list of internal skins.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/win/Types.h"

namespace tk {

class TPersistent : public TObject {
  TK_CLASS(TPersistent)
public:
  // Copies the published state of another object. Classes override it for the
  // sources they understand; the base refuses with EAssignError.
  virtual void Assign(const TPersistent& source);
};

class EAssignError : public std::runtime_error {
public:
  EAssignError(const char* sourceClass, const char* destClass);
};

class TCollection;

class TCollectionItem : public TPersistent {
  TK_CLASS(TCollectionItem)
public:
  explicit TCollectionItem(TCollection& collection) : collection_(&collection) {}
  TCollection& Collection() const { return *collection_; }
  int Index() const;
  virtual std::string DisplayName() const { return ClassName(); }

protected:
  // Tells the collection that this item's published state changed.
  void Changed();

private:
  TCollection* collection_;
};

// An owned, ordered list of items of one class. The factory decides the item
// class, so a stored layout can add items without knowing it.
class TCollection : public TPersistent {
  TK_CLASS(TCollection)
public:
  using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection&)>;

  TCollection(TPersistent* owner, ItemFactory factory) : owner_(owner), factory_(std::move(factory)) {}
  ~TCollection() override;

  TPersistent* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
  template <class T>
  T* Item(int index) const { return static_cast<T*>(Items(index)); }
  int IndexOf(const TCollectionItem* item) const;

  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  void Assign(const TPersistent& source) override;

  // Change notification; nothing is reported between BeginUpdate and the
  // matching EndUpdate, which reports once.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  std::function<void(TCollection&, TCollectionItem* changed)> OnChange;

private:
  friend class TCollectionItem;
  void Update(TCollectionItem* item);

  TPersistent* owner_;
  ItemFactory factory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
};

}  // namespace tk
