// The skinned menus under real input on a skinned form carrying the
// gallery's menus: the main menu opened by the mouse and by the keyboard,
// the hot item following the mouse, a command run, the window menu from
// Alt+Space drawn by the skin - each popup window shaped by the skin.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GalleryMenus.h"
#include "MenuScript.h"
#include "SkinnedFrameFixture.h"
#include "skin/forms/sSkinableMenus.h"
#include "skin/forms/sSystemMenu.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Menus.h"

namespace {

using namespace formfix;
using namespace testing_support;
using menuscript::HasRegion;
using menuscript::MenuScript;
using menuscript::ShownPopup;

bool Highlighted(HMENU menu, int position) {
  return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) != 0;
}

class MenuInputTest : public SkinnedFrameTest {
protected:
  void SetUp() override {
    SkinnedFrameTest::SetUp();
    menus_ = std::make_unique<gallery::TGalleryMenus>(*form, 10, 10);
    // The skin comes after the menus, as in a program: the form hooks them.
    UseSkin("Glacier (internal)");
    ASSERT_TRUE(menus_->MainMenu().OwnerDraw());
    PumpPending();
  }
  void TearDown() override {
    if (HWND open = ShownPopup()) EndMenu(), (void)open;
    PumpPending();
    menus_.reset();
    SkinnedFrameTest::TearDown();
  }
  // The centre of a top-level item of the menu bar on the screen.
  POINT BarItem(int index) {
    RECT r{};
    GetMenuItemRect(form->Handle(), menus_->MainMenu().Handle(), static_cast<UINT>(index), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  POINT PopupItem(HMENU menu, int index) {
    RECT r{};
    GetMenuItemRect(nullptr, menu, static_cast<UINT>(index), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  std::unique_ptr<gallery::TGalleryMenus> menus_;
};

TEST_F(MenuInputTest, TheMouseOpensAMenuTheHotItemFollowsItAndAClickRunsTheCommand) {
  tk::TMenuItem& view = *menus_->MainMenu().Items()->Items(1);
  const HMENU sub = view.Handle();
  ASSERT_NE(sub, nullptr);
  // "Show grid", "-Zone width-", "3 degree zones", "6 degree zones".
  std::vector<std::pair<std::string, MenuScript::Step>> steps;
  steps.push_back({"the menu opens", [] { return ShownPopup() != nullptr; }});
  steps.push_back({"the popup takes the skin's shape", [] { return HasRegion(ShownPopup()); }});
  for (int index : {0, 2, 3, 2}) {
    steps.push_back({"move to item " + std::to_string(index), [this, sub, index] {
                       MoveMouseTo(PopupItem(sub, index));
                       return true;
                     }});
    steps.push_back({"item " + std::to_string(index) + " alone is hot", [sub, index] {
                       for (int other : {0, 2, 3})
                         if (Highlighted(sub, other) != (other == index)) return false;
                       return true;
                     }});
  }
  // The bar's item is lit while its menu is open: its edge shows the hot
  // item, not the menu line.
  steps.push_back({"the bar's item is lit", [this] {
                     RECT item{};
                     GetMenuItemRect(form->Handle(), menus_->MainMenu().Handle(), 1, &item);
                     RECT window;
                     GetWindowRect(form->Handle(), &window);
                     const int x = item.left + 1, y = (item.top + item.bottom) / 2;
                     const tk::Bitmap& line = provider->MenuLineBmp();
                     const int lx = x - window.left, ly = y - window.top - provider->Metrics().TitleHeight();
                     if (lx < 0 || ly < 0 || lx >= line.Width() || ly >= line.Height()) return false;
                     HDC screen = GetDC(nullptr);
                     const COLORREF shown = GetPixel(screen, x, y);
                     ReleaseDC(nullptr, screen);
                     const std::uint8_t* p = line.ScanLine(ly) + 3 * lx;
                     return shown != RGB(p[2], p[1], p[0]);
                   }});
  steps.push_back({"click", [] {
                     LeftButtonDown();
                     LeftButtonUp();
                     return true;
                   }});
  MenuScript script(std::move(steps));
  ClickAt(BarItem(1));
  ASSERT_TRUE(PumpUntil([&] { return script.Finished(); }, std::chrono::seconds(60)));
  EXPECT_EQ(script.Failed(), "");
  ASSERT_TRUE(PumpUntil([&] { return menus_->LastCommand() == "3 degree zones"; })) << menus_->LastCommand();
  EXPECT_TRUE(view.Items(2)->Checked());
  EXPECT_FALSE(view.Items(3)->Checked()) << "the radio group keeps one checked";
  EXPECT_TRUE(PumpUntil([] { return ShownPopup() == nullptr; }));
}

TEST_F(MenuInputTest, TheKeyboardOpensTheMenuBarWithAltAndRunsACommandWithArrows) {
  ASSERT_TRUE(BringToFront(form->Handle()));
  const HMENU sub = menus_->MainMenu().Items()->Items(1)->Handle();
  int downs = 0;
  MenuScript script({
      {"the bar's menu opens", [] { return ShownPopup() != nullptr; }},
      {"the popup takes the skin's shape", [] { return HasRegion(ShownPopup()); }},
      // Down from nothing or from the first item reaches "3 degree zones"
      // in as many presses as it takes; the caption band counts as an item.
      {"down to 3 degree zones", [&] {
         if (Highlighted(sub, 2)) return true;
         if (downs++ < 4) PressKey(VK_DOWN);
         return false;
       }},
      {"enter", [] {
         PressKey(VK_RETURN);
         return true;
       }},
  });
  PressKey(VK_MENU);   // the bar, on "File"
  PressKey(VK_RIGHT);  // "View"
  PressKey(VK_DOWN);   // opens it
  ASSERT_TRUE(PumpUntil([&] { return script.Finished(); }, std::chrono::seconds(60)));
  EXPECT_EQ(script.Failed(), "");
  EXPECT_TRUE(PumpUntil([&] { return menus_->LastCommand() == "3 degree zones"; })) << menus_->LastCommand();
}

TEST_F(MenuInputTest, AltSpaceShowsTheWindowMenuDrawnByTheSkin) {
  provider->SetMakeSkinMenu(true);
  ASSERT_TRUE(BringToFront(form->Handle()));
  bool ownerDrawn = false, ourClose = false, ourList = false;
  MenuScript script({
      {"the window menu opens", [] { return ShownPopup() != nullptr; }},
      {"it is the skin's", [&] {
         skin::TsSystemMenu* menu = provider->SystemMenu();
         ownerDrawn = menu && menu->OwnerDraw();
         ourClose = menu && skin::TsSkinableMenus::IsOurDraw(menu->ItemClose->OnAdvancedDrawItem);
         ourList = menu && menu->SkinSelectItem() &&
                   skin::TsSkinableMenus::IsOurDraw(menu->SkinSelectItem()->Items(0)->OnAdvancedDrawItem);
         return true;
       }},
      {"the popup takes the skin's shape", [] { return HasRegion(ShownPopup()); }},
      {"escape", [] {
         PressKey(VK_ESCAPE);
         return true;
       }},
      {"closed", [] { return ShownPopup() == nullptr; }},
  });
  PressChord({VK_MENU, VK_SPACE});
  ASSERT_TRUE(PumpUntil([&] { return script.Finished(); }, std::chrono::seconds(60)));
  EXPECT_EQ(script.Failed(), "");
  EXPECT_TRUE(ownerDrawn);
  EXPECT_TRUE(ourClose);
  EXPECT_TRUE(ourList) << "the skin list is skinned as well";
  // Without the skin the menus are the window system's again.
  manager->SetActive(false);
  PumpPending();
  EXPECT_FALSE(menus_->MainMenu().OwnerDraw());
}

}  // namespace
