// Toolkit forms the program made without a skin provider are taken by the
// dialog skinning when they become active; among them an MDI child of the
// gallery's MDI parent, which the platform activates inside its parent.
#include <gtest/gtest.h>
#include <windows.h>

#include "GalleryFixture.h"
#include "WindowTestSupport.h"
#include "gallery/GalleryMDI.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/dialogs/vxDialogHook.h"
#include "skin/dialogs/vxProvider.h"
#include "skin/forms/sSkinProvider.h"

namespace {

class GalleryAdoptionTest : public galleryfix::GalleryTest {
protected:
  void SetUp() override {
    form->Manager().SetActive(true);
    GalleryTest::SetUp();
  }
  // An MDI child of the gallery's MDI parent without a skin provider.
  static tk::TForm* PlainChild(gallery::TGalleryMDIForm* mdi) {
    auto* plain = tk::Create<tk::TForm>(mdi);
    plain->SetFormStyle(tk::fsMDIChild);
    plain->SetMDIParent(mdi);
    plain->SetCaption("plain child");
    plain->SetBounds(200, 150, 220, 140);
    return plain;
  }
  // The dialog skinning's providers that took the form.
  static int ProvidersOf(tk::TCustomForm* f) {
    int n = 0;
    for (skin::TvxProvider* p : skin::DialogProviders())
      n += p && p->FormProvider() && p->FormProvider()->Form() == f;
    return n;
  }
  static bool Adopted(tk::TForm* f) {
    return ProvidersOf(f) == 1 && skin::QueryWindowSkinFlag(f->Handle(), skin::SCMD_IS_SKINNED);
  }
};

TEST_F(GalleryAdoptionTest, AnMDIChildWithoutAProviderIsTakenWhenItBecomesActive) {
  gallery::TGalleryMDIForm* mdi = gallery::ShowMDIWindows(form);
  ASSERT_TRUE(testing_support::BringToFront(mdi->Handle()));
  // The child comes while no skin is applied (nothing is hooked then), so
  // that it is still plain when the skin arrives and meets the hook first
  // when it becomes active; or it comes while the skin is on.
  struct Case {
    const char* how;
    bool comesWhileSkinned;
    void (*activate)(gallery::TGalleryMDIForm* mdi, tk::TForm* child);
  };
  const Case cases[] = {
      {"shown", true, [](gallery::TGalleryMDIForm*, tk::TForm*) {}},
      {"activated by its parent", false,
       [](gallery::TGalleryMDIForm* mdi, tk::TForm* child) { mdi->MDIActivate(child); }},
      {"clicked", false, [](gallery::TGalleryMDIForm*, tk::TForm* child) {
         RECT r{};
         GetWindowRect(child->Handle(), &r);
         testing_support::ClickAt({r.left + 40, r.bottom - 20});
       }}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    form->Manager().SetActive(c.comesWhileSkinned);
    tk::TForm* plain = PlainChild(mdi);
    plain->Show();
    mdi->MDIActivate(mdi->Child(0));
    testing_support::PumpPending();
    if (!c.comesWhileSkinned) {
      form->Manager().SetActive(true);
      testing_support::PumpPending();
      EXPECT_FALSE(Adopted(plain)) << "taken before it was active";
      c.activate(mdi, plain);
    }
    EXPECT_TRUE(testing_support::PumpUntil([&] { return Adopted(plain); }));
    // Activating it again adds no second provider.
    mdi->MDIActivate(mdi->Child(1));
    mdi->MDIActivate(plain);
    testing_support::PumpPending();
    EXPECT_EQ(ProvidersOf(plain), 1);
    // The gallery's own children keep just their own providers.
    EXPECT_EQ(ProvidersOf(mdi->Child(0)), 0);
    EXPECT_EQ(ProvidersOf(mdi->Child(1)), 0);
    tk::TComponent::Free(plain);
    testing_support::PumpPending();
  }
  mdi->Hide();
}

}  // namespace
