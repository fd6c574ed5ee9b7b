#pragma once
// The suite fixture of the adapter tests: the shared shown form with its
// manager and test skins (SkinnedControlsTest), an adapter owned by a small
// stand-in for the form skinning, and standard controls placed on the form.

#include <functional>
#include <string>

#include "SkinnedControlsFixture.h"
#include "skin/controls/adapters/vxCtrlAdapter.h"
#include "toolkit/win/StandardControls.h"

namespace adaptfix {

// The form skinning as the adapter sees it: the form, the default manager
// and an OnSkinItem the test may set.
class TestAdapterOwner : public skin::TvxAdapterOwner {
public:
  explicit TestAdapterOwner(tk::TWinControl* root) : root_(root) {}
  tk::TWinControl* AdapterRoot() override { return root_; }
  skin::TsSkinManager* AdapterManager() override { return nullptr; }
  void SkinItem(tk::TComponent* control, bool& canBeAdded, std::string& section) override {
    if (onSkinItem) onSkinItem(control, canBeAdded, section);
  }
  std::function<void(tk::TComponent*, bool&, std::string&)> onSkinItem;

private:
  tk::TWinControl* root_;
};

class AdapterTest : public ctlfix::SkinnedControlsTest {
protected:
  void SetUp() override;
  void TearDown() override;
  // A list box of 100 numbered rows on the form.
  tk::TListBox* PlaceListBox(int left, int top, int width, int height);

  std::unique_ptr<TestAdapterOwner> owner;
  std::unique_ptr<skin::TvxCtrlAdapter> adapter;
};

}  // namespace adaptfix
