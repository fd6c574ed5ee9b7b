#pragma once
// The gallery's shared fixture: one gallery form shown for the whole suite,
// put back on EmberStyle with the mouse out of the way before each test.
#include <gtest/gtest.h>

#include <vector>

#include "WindowTestSupport.h"
#include "gallery/GalleryForm.h"
#include "gallery/GallerySkins.h"
#include "skin/controls/adapters/vxScrollWnd.h"
#include "skin/controls/sCommonData.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Button.h"

namespace galleryfix {

class GalleryTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    tk::Application().Initialize();
    form = tk::Application().CreateForm<gallery::TGalleryForm>();
    form->Show();
    shown = testing_support::BringToFront(form->Handle());
  }
  static void TearDownTestSuite() {
    tk::TComponent::Free(form);
    form = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(shown) << "the gallery could not be brought to the front";
    form->UseSkin(gallery::kEmberStyle);
    testing_support::BringToFront(form->Handle());
    testing_support::MoveMouseTo(testing_support::ScreenPointOf(*form, 700, 500));
    testing_support::PumpPending();
  }
  void TearDown() override {
    testing_support::LeftButtonUp();
    testing_support::PumpPending();
  }
  template <class T>
  static std::vector<T*> ControlsOf() {
    std::vector<T*> found;
    for (int i = 0; i < form->ControlCount(); ++i)
      if (auto* c = dynamic_cast<T*>(form->Controls(i))) found.push_back(c);
    return found;
  }
  // Push buttons of the plain toolkit class (not the skinned ones).
  static std::vector<tk::TButton*> PlainButtons() {
    std::vector<tk::TButton*> plain;
    for (tk::TButton* b : ControlsOf<tk::TButton>())
      if (!skin::SkinDataOf(b)) plain.push_back(b);
    return plain;
  }
  static skin::TvxScrollWnd* ScrollWrapperOf(tk::TControl* c) {
    skin::TvxAdapterItem* item = form->Adapter() ? form->Adapter()->ItemOf(c) : nullptr;
    return item ? dynamic_cast<skin::TvxScrollWnd*>(item->Wrapper()) : nullptr;
  }

  static inline gallery::TGalleryForm* form = nullptr;
  static inline bool shown = false;
};

}  // namespace galleryfix
