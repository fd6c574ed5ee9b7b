#include "SkinnedControlsFixture.h"

#include "WindowTestSupport.h"
#include "skin/controls/sSkinnedControlClasses.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Application.h"

namespace ctlfix {

void SkinnedControlsTest::SetUpTestSuite() {
  skin::RegisterSkinnedControlClasses();
  form = testing_support::ShowTestForm(400, 300);
  if (!form) return;
  manager = tk::Create<skin::TsSkinManager>(form);
  manager->SetSkinDirectory("c:\\NoSkinsHere");
  AddTestSkins(*manager);
}

void SkinnedControlsTest::TearDownTestSuite() {
  tk::TComponent::Free(form);
  tk::Application().ProcessMessages();
  form = nullptr;
  manager = nullptr;
}

void SkinnedControlsTest::SetUp() {
  ASSERT_NE(form, nullptr) << "the form could not be brought to the front";
  ASSERT_EQ(skin::DefaultManager, manager);
  form->SetColor(tk::clWhite);
  manager->SetActive(true);
  UseSkin(kEmberStyle);
  componentsBefore_ = form->ComponentCount();
  testing_support::BringToFront(form->Handle());
  // Every test starts with the mouse away from its controls.
  testing_support::MoveMouseTo(testing_support::ScreenPointOf(*form, 395, 295));
  testing_support::PumpPending();
}

void SkinnedControlsTest::TearDown() {
  testing_support::LeftButtonUp();
  for (WORD key : {VK_SPACE, VK_CONTROL, VK_SHIFT}) testing_support::KeyUp(key);
  while (form && form->ComponentCount() > componentsBefore_)
    tk::TComponent::Free(form->Components(form->ComponentCount() - 1));
  testing_support::PumpPending();
}

void SkinnedControlsTest::UseSkin(const std::string& name) {
  manager->SetSkinName(name);
  ASSERT_EQ(manager->SkinName(), name);
  ASSERT_TRUE(manager->SkinData().Active);
}

}  // namespace ctlfix
