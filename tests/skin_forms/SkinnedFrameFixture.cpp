#include "SkinnedFrameFixture.h"

#include <stdexcept>

#include "ControlSkins.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Menus.h"

namespace formfix {

void SkinnedFrame::Build(const FrameSetup& setup) {
  Free();
  closed = false;
  tk::Application().Initialize();
  if (skin::DefaultManager) throw std::runtime_error("a skin manager from before is still there");
  form = tk::Create<tk::TForm>(nullptr);
  form->SetBorderStyle(setup.borderStyle);
  form->SetBorderIcons(setup.borderIcons);
  form->SetCaption(setup.caption);
  form->SetClientSize(kClientWidth, kClientHeight);
  if (setup.mdiParent) {
    form->SetFormStyle(tk::fsMDIForm);
    auto* menu = tk::Create<tk::TMainMenu>(form);
    auto* item = tk::Create<tk::TMenuItem>(form);
    item->SetCaption("Window");
    menu->Items()->Add(item);
    form->SetMenu(menu);
  }
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
  if (!testing_support::BringToFront(form->Handle())) throw std::runtime_error("the form did not come to the front");
  testing_support::PumpPending();
}

void SkinnedFrame::Free() {
  testing_support::LeftButtonUp();
  testing_support::RightButtonUp();
  testing_support::KeyUp(VK_MENU);
  // A closed child freed itself; the others go before their parent.
  for (auto [child, window] : mdiChildren)
    if (tk::TWinControl::FindControl(window) == child) tk::TComponent::Free(child);
  mdiChildren.clear();
  if (form) tk::TComponent::Free(form);
  form = nullptr;
  manager = nullptr;
  provider = nullptr;
  testing_support::PumpPending();
}

void SkinnedFrame::UseSkin(const std::string& name) {
  manager->SetSkinName(name);
  if (manager->SkinName() != name || !manager->SkinData().Active)
    throw std::runtime_error("the skin " + name + " is not applied");
}

RECT SkinnedFrame::WindowRect() const {
  RECT r{};
  GetWindowRect(form->Handle(), &r);
  return r;
}

POINT SkinnedFrame::ScreenPoint(int x, int y) const {
  const RECT r = WindowRect();
  return POINT{r.left + x, r.top + y};
}

POINT SkinnedFrame::ButtonCentre(int id) {
  const skin::TsCaptionButton* b = provider->Button(id);
  return ScreenPoint((b->Rect.Left + b->Rect.Right) / 2, (b->Rect.Top + b->Rect.Bottom) / 2);
}

POINT SkinnedFrame::CaptionPoint() const {
  const skin::TsFrameMetrics fm = provider->Metrics();
  return ScreenPoint(fm.width / 2, fm.TitleHeight() / 2);
}

tk::TForm* SkinnedFrame::AddMDIChild(const std::string& caption, bool handlePending) {
  auto* child = tk::Create<tk::TForm>(nullptr);
  child->SetFormStyle(tk::fsMDIChild);
  child->SetMDIParent(form);
  child->SetCaption(caption);
  child->SetBounds(10, 10, 220, 150);
  tk::Create<skin::TsSkinProvider>(child);
  child->Show();
  mdiChildren.emplace_back(child, child->Handle());
  if (handlePending) testing_support::PumpPending();
  return child;
}

void SkinnedFrameTest::TearDown() { Free(); }

}  // namespace formfix
