// MDI children coming and being shown in a skinned MDI parent: a child
// created while a sibling is shown maximized takes the maximized state over
// at its first paint, a maximized child shown again has its buttons drawn on
// the parent's line, and every new child leaves the parent painted.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MDIFrameFixture.h"
#include "skin/forms/sTitleButtons.h"
#include "toolkit/win/Menus.h"

namespace {

using namespace mdifix;
using namespace testing_support;

class MDINewChildTest : public MDIParentFixture {};

TEST_F(MDINewChildTest, AChildCreatedBesideAMaximizedSiblingIsMaximizedAtItsFirstPaint) {
  const struct {
    const char* what;
    UINT siblingCommand;  // what the sibling was told before, 0 for nothing
    bool restoreBeforeFirstPaint;
    bool endsMaximized;
  } cases[] = {
      {"beside a maximized sibling", SC_MAXIMIZE, false, true},
      {"restored before its first paint", SC_MAXIMIZE, true, true},
      {"beside a restored sibling", 0, false, false},
      {"beside a minimized sibling", SC_MINIMIZE, false, false},
  };
  for (const auto& c : cases) {
    SetUp();
    tk::TForm* sibling = AddMDIChild("Sibling");
    if (c.siblingCommand == SC_MAXIMIZE) Maximize(sibling);
    if (c.siblingCommand == SC_MINIMIZE) SendMessageW(sibling->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpPending();
    tk::TForm* child = AddMDIChild("New", false);
    if (c.restoreBeforeFirstPaint) SendMessageW(child->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    PumpPending();
    EXPECT_EQ(IsZoomed(child->Handle()) != FALSE, c.endsMaximized) << c.what;
    EXPECT_FALSE(IsZoomed(sibling->Handle())) << c.what << ": one maximized child";
    EXPECT_EQ(form->ActiveMDIChild(), child) << c.what;
    skin::TsSkinProvider* own = skin::TsSkinProvider::Of(child);
    if (c.endsMaximized) EXPECT_EQ(skin::TsSkinProvider::MDIChildProvider, own) << c.what;
    EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Width() > 0, c.endsMaximized)
        << c.what << ": the child's buttons are on the parent's line exactly while it is maximized";
    ExpectAllPainted(c.what);

    // Once maximized at its first paint, it restores as any child does.
    if (c.endsMaximized) {
      SendMessageW(child->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
      PumpPending();
      EXPECT_FALSE(IsZoomed(child->Handle())) << c.what << ": restored later";
      EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Width(), 0) << c.what;
      ExpectAllPainted(std::string(c.what) + ", restored later");
    }
    Free();
  }
}

TEST_F(MDINewChildTest, AMaximizedChildShownAgainHasItsButtonsOnTheParentsLine) {
  tk::TForm* first = AddMDIChild("First");
  tk::TForm* second = AddMDIChild("Second");
  Maximize(second);
  PumpPending();
  const struct {
    const char* what;
    std::function<void()> change;
    bool maximizedShows;  // a maximized child is active and shown afterwards
  } steps[] = {
      {"the maximized child hidden", [&] { second->SetVisible(false); }, false},
      {"shown again", [&] { second->SetVisible(true); }, true},
      {"the other child maximized, then hidden",
       [&] {
         Maximize(first);
         first->SetVisible(false);
       },
       false},
      {"that one shown again", [&] { first->SetVisible(true); }, true},
  };
  for (const auto& step : steps) {
    step.change();
    PumpPending();
    bool maximized = false;
    tk::TCustomForm* active = form->ActiveMDIChild(&maximized);
    const bool shown = maximized && active && IsWindowVisible(active->Handle());
    EXPECT_EQ(shown, step.maximizedShows) << step.what;
    EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Width() > 0, shown)
        << step.what << ": the buttons are on the line exactly while a maximized child shows";
    ExpectAllPainted(step.what);
  }
}

TEST_F(MDINewChildTest, EveryNewChildLeavesItsParentPainted) {
  const struct {
    const char* what;
    bool withMenu;
    bool siblingMaximized;
  } cases[] = {
      {"the first child", false, false},
      {"a second child", false, false},
      {"a child with a menu of its own", true, false},
      {"a child with a menu beside a maximized sibling", true, true},
  };
  tk::TForm* previous = nullptr;
  for (const auto& c : cases) {
    if (c.siblingMaximized && previous) Maximize(previous);
    PumpPending();
    auto* child = tk::Create<tk::TForm>(nullptr);
    child->SetFormStyle(tk::fsMDIChild);
    child->SetMDIParent(form);
    child->SetCaption(c.what);
    child->SetBounds(30, 20, 200, 140);
    tk::Create<skin::TsSkinProvider>(child);
    if (c.withMenu) {
      auto* menu = tk::Create<tk::TMainMenu>(child);
      auto* item = tk::Create<tk::TMenuItem>(child);
      item->SetCaption("Sheet");
      item->SetGroupIndex(3);
      menu->Items()->Add(item);
      child->SetMenu(menu);
    }
    child->Show();
    mdiChildren.emplace_back(child, child->Handle());
    PumpPending();
    EXPECT_EQ(form->ActiveMDIChild(), child) << c.what;
    ExpectAllPainted(c.what);
    previous = child;
  }
}

}  // namespace
