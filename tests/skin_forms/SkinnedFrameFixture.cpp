#include "SkinnedFrameFixture.h"

#include "ControlSkins.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Application.h"

namespace formfix {

void SkinnedFrameTest::Build(const FrameSetup& setup) {
  TearDown();
  closed = false;
  tk::Application().Initialize();
  ASSERT_EQ(skin::DefaultManager, nullptr);
  form = tk::Create<tk::TForm>(nullptr);
  form->SetBorderStyle(setup.borderStyle);
  form->SetBorderIcons(setup.borderIcons);
  form->SetCaption(setup.caption);
  form->SetClientSize(kClientWidth, kClientHeight);
  form->SetPosition(tk::poScreenCenter);
  form->OnClose = [this](tk::TObject*, tk::TCloseAction& action) {
    closed = true;
    action = tk::caHide;
  };
  manager = tk::Create<skin::TsSkinManager>(form);
  manager->SetSkinDirectory("c:\\NoSkinsHere");
  ctlfix::AddTestSkins(*manager);
  provider = tk::Create<skin::TsSkinProvider>(form);
  form->Show();
  UseSkin(setup.skin);
  ASSERT_TRUE(testing_support::BringToFront(form->Handle()));
  testing_support::PumpPending();
}

void SkinnedFrameTest::TearDown() {
  testing_support::LeftButtonUp();
  testing_support::RightButtonUp();
  testing_support::KeyUp(VK_MENU);
  if (form) tk::TComponent::Free(form);
  form = nullptr;
  manager = nullptr;
  provider = nullptr;
  testing_support::PumpPending();
}

void SkinnedFrameTest::UseSkin(const std::string& name) {
  manager->SetSkinName(name);
  ASSERT_EQ(manager->SkinName(), name);
  ASSERT_TRUE(manager->SkinData().Active);
}

RECT SkinnedFrameTest::WindowRect() const {
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  return r;
}

POINT SkinnedFrameTest::ScreenPoint(int x, int y) const {
  const RECT r = WindowRect();
  return POINT{r.left + x, r.top + y};
}

POINT SkinnedFrameTest::ButtonCentre(int id) {
  const skin::TsCaptionButton* b = provider->Button(id);
  return ScreenPoint((b->Rect.Left + b->Rect.Right) / 2, (b->Rect.Top + b->Rect.Bottom) / 2);
}

POINT SkinnedFrameTest::CaptionPoint() const {
  const skin::TsFrameMetrics fm = provider->Metrics();
  return ScreenPoint(fm.width / 2, fm.TitleHeight() / 2);
}

}  // namespace formfix
