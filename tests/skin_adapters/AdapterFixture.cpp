#include "AdapterFixture.h"

#include "WindowTestSupport.h"
#include "skin/data/sSkinManager.h"

namespace adaptfix {

void AdapterTest::SetUp() {
  SkinnedControlsTest::SetUp();
  manager->SetSkinningRules(skin::kAllSkinningRules);
  owner = std::make_unique<TestAdapterOwner>(form);
  adapter = std::make_unique<skin::TvxCtrlAdapter>(*owner);
}

void AdapterTest::TearDown() {
  adapter.reset();
  owner.reset();
  SkinnedControlsTest::TearDown();
}

tk::TListBox* AdapterTest::PlaceListBox(int left, int top, int width, int height) {
  auto* list = PlacePlain<tk::TListBox>(form, left, top, width, height);
  for (int i = 0; i < 100; ++i) list->AddItem("row " + std::to_string(i));
  return list;
}

}  // namespace adaptfix
