// An MDI child's menu shown on its parent's bar: the bar is built from the
// parent's top-level items and the child's, ordered by GroupIndex, the
// child's items taking the place of the parent's items of the same
// GroupIndex.

#include <algorithm>
#include <set>

#include "toolkit/win/Menus.h"

namespace tk {

namespace {

std::vector<TMenuItem*> TopItems(const TMenu& menu) {
  std::vector<TMenuItem*> items;
  for (int i = 0; i < menu.Items()->Count(); ++i) items.push_back(menu.Items()->Items(i));
  return items;
}

// Every top-level item of the bar, visible or not, left to right.
std::vector<TMenuItem*> MergedOrder(const TMainMenu& own, const TMainMenu* merged) {
  std::vector<TMenuItem*> result = TopItems(own);
  if (!merged) return result;
  const std::vector<TMenuItem*> incoming = TopItems(*merged);
  std::set<int> groups;
  for (const TMenuItem* item : incoming) groups.insert(item->GroupIndex());
  std::erase_if(result, [&](const TMenuItem* item) { return groups.count(item->GroupIndex()) != 0; });
  const std::set<const TMenuItem*> ownItems(result.begin(), result.end());
  // Each incoming item goes before the first own item of a higher
  // GroupIndex, and never before the incoming item placed last.
  std::size_t after = 0;
  for (TMenuItem* item : incoming) {
    std::size_t at = after;
    while (at < result.size() && !(ownItems.count(result[at]) && result[at]->GroupIndex() > item->GroupIndex())) ++at;
    result.insert(result.begin() + static_cast<std::ptrdiff_t>(at), item);
    after = at + 1;
  }
  return result;
}

}  // namespace

void TMainMenu::Merge(TMainMenu* menu) {
  if (menu == this || menu == merged_) return;
  if (merged_) merged_->mergedInto_ = nullptr;
  if (menu && menu->mergedInto_) menu->mergedInto_->Unmerge(menu);
  merged_ = menu;
  if (merged_) merged_->mergedInto_ = this;
  Rebuild();
}

void TMainMenu::Unmerge(TMainMenu* menu) {
  if (!menu || menu != merged_) return;
  Merge(nullptr);
}

std::vector<TMenuItem*> TMainMenu::BarItems() const {
  std::vector<TMenuItem*> items = MergedOrder(*this, merged_);
  std::erase_if(items, [](const TMenuItem* item) { return !item->Visible(); });
  return items;
}

void TMainMenu::BuildTop(HMENU into, UINT position) { TMenuItem::BuildItems(MergedOrder(*this, merged_), into, position); }

void TMainMenu::ItemsChanged() {
  Rebuild();
  if (mergedInto_) mergedInto_->Rebuild();
}

void TMainMenu::BeforeDestruction() {
  if (IsDestroying()) return;
  if (mergedInto_) mergedInto_->Unmerge(this);
  if (merged_) {
    merged_->mergedInto_ = nullptr;
    merged_ = nullptr;
  }
  TMenu::BeforeDestruction();
}

}  // namespace tk
