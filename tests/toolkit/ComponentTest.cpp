// Ownership, free order, names and notifications of components.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/win/Component.h"

namespace {

using tk::TComponent;

// Records what happens to it in a shared journal.
class Probe : public TComponent {
public:
  Probe(TComponent* owner, std::string tag, std::vector<std::string>& journal)
      : TComponent(owner), tag_(std::move(tag)), journal_(journal) {}
  ~Probe() override { journal_.push_back("free " + tag_); }

protected:
  void Notification(TComponent* component, tk::TOperation operation) override {
    TComponent::Notification(component, operation);
    if (component == this) return;
    auto* other = dynamic_cast<Probe*>(component);
    journal_.push_back(tag_ + (operation == tk::opInsert ? " sees insert " : " sees remove ") +
                       (other ? other->tag_ : "?"));
  }
  void BeforeDestruction() override {
    if (!IsDestroying()) journal_.push_back("destroying " + tag_ + " with " + std::to_string(ComponentCount()) + " owned");
    TComponent::BeforeDestruction();
  }

private:
  std::string tag_;
  std::vector<std::string>& journal_;
};

TEST(Components, OwnerFreesOwnedComponentsLastCreatedFirst) {
  std::vector<std::string> journal;
  auto* root = tk::Create<Probe>(nullptr, "root", journal);
  auto* a = tk::Create<Probe>(root, "a", journal);
  tk::Create<Probe>(a, "a1", journal);
  tk::Create<Probe>(root, "b", journal);
  tk::Create<Probe>(root, "c", journal);
  journal.clear();
  TComponent::Free(root);
  // Each component is whole while it frees what it owns.
  const std::vector<std::string> expected = {
      "destroying root with 3 owned",
      "destroying c with 0 owned", "free c",
      "destroying b with 0 owned", "free b",
      "destroying a with 1 owned",
      "destroying a1 with 0 owned", "free a1",
      "free a",
      "free root",
  };
  std::vector<std::string> frees;
  for (const auto& line : journal)
    if (line.rfind("free", 0) == 0 || line.rfind("destroying", 0) == 0) frees.push_back(line);
  EXPECT_EQ(frees, expected);
}

TEST(Components, SiblingsHearOfInsertAndRemove) {
  std::vector<std::string> journal;
  tk::ComponentPtr<Probe> root(tk::Create<Probe>(nullptr, "root", journal));
  auto* a = tk::Create<Probe>(root.get(), "a", journal);
  journal.clear();
  auto* b = tk::Create<Probe>(root.get(), "b", journal);
  EXPECT_NE(std::find(journal.begin(), journal.end(), "root sees insert b"), journal.end());
  EXPECT_NE(std::find(journal.begin(), journal.end(), "a sees insert b"), journal.end());
  journal.clear();
  TComponent::Free(b);
  EXPECT_NE(std::find(journal.begin(), journal.end(), "a sees remove b"), journal.end());
  EXPECT_EQ(root->ComponentCount(), 1);
  EXPECT_EQ(root->Components(0), a);
}

TEST(Components, FreeNotificationReachesComponentsOfOtherOwners) {
  std::vector<std::string> journal;
  tk::ComponentPtr<Probe> left(tk::Create<Probe>(nullptr, "left", journal));
  tk::ComponentPtr<Probe> right(tk::Create<Probe>(nullptr, "right", journal));
  auto* watched = tk::Create<Probe>(left.get(), "watched", journal);
  auto* watcher = tk::Create<Probe>(right.get(), "watcher", journal);
  watched->FreeNotification(watcher);
  journal.clear();
  TComponent::Free(watched);
  EXPECT_NE(std::find(journal.begin(), journal.end(), "watcher sees remove watched"), journal.end());
  // The link is gone: freeing the watcher later does not touch the dead one.
  TComponent::Free(watcher);
  EXPECT_EQ(right->ComponentCount(), 0);
}

TEST(Components, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
  tk::ComponentPtr<TComponent> owner(new TComponent(nullptr));
  auto* a = new TComponent(owner.get());
  auto* b = new TComponent(owner.get());
  a->SetName("edtLon");
  EXPECT_THROW(b->SetName("EDTLON"), tk::EComponentError);
  EXPECT_THROW(b->SetName("1abc"), tk::EComponentError);
  EXPECT_THROW(b->SetName("a b"), tk::EComponentError);
  b->SetName("edtLat");
  EXPECT_EQ(owner->FindComponent("EDTlat"), b);
  EXPECT_EQ(owner->FindComponent("nothing"), nullptr);
  // Moving a component to an owner that already has its name is refused.
  tk::ComponentPtr<TComponent> other(new TComponent(nullptr));
  auto* clash = new TComponent(other.get());
  clash->SetName("edtLon");
  EXPECT_THROW(owner->InsertComponent(clash), tk::EComponentError);
  EXPECT_EQ(clash->Owner(), other.get());
}

TEST(Components, LoadedLeavesTheLoadingState) {
  struct Loadable : TComponent {
    using TComponent::TComponent;
    void Begin() { SetComponentState(tk::csLoading, true); }
  };
  tk::ComponentPtr<Loadable> c(new Loadable(nullptr));
  c->Begin();
  EXPECT_TRUE(c->IsLoading());
  c->Loaded();
  EXPECT_FALSE(c->IsLoading());
}

}  // namespace
