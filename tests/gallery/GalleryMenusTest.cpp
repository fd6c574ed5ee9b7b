// The gallery's menus under its own skin provider: hooked in each internal
// skin, and the drop-down menu button opening its popup skinned, a choice
// made with the keyboard running its command.
#include "GalleryFixture.h"
#include "MenuScript.h"
#include "gallery/GalleryMenus.h"
#include "skin/controls/sHintSuppression.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/forms/sSkinableMenus.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Menus.h"

namespace {

using namespace galleryfix;
using namespace testing_support;
using menuscript::HasRegion;
using menuscript::MenuScript;
using menuscript::ShownPopup;

TEST_F(GalleryTest, TheMenusAreSkinnedInEachInternalSkin) {
  gallery::TGalleryMenus& menus = form->Menus();
  for (const char* name : {gallery::kGlacier, gallery::kEmberStyle}) {
    SCOPED_TRACE(name);
    form->UseSkin(name);
    EXPECT_TRUE(menus.MainMenu().OwnerDraw());
    EXPECT_TRUE(skin::TsSkinableMenus::IsOurDraw(menus.MainMenu().Items()->Items(0)->OnAdvancedDrawItem));
    EXPECT_TRUE(menus.ButtonMenu().OwnerDraw());
    EXPECT_TRUE(menus.ContextMenu().OwnerDraw());
  }
}

TEST_F(GalleryTest, TheMenuButtonOpensItsSkinnedPopupAndAKeyChooses) {
  gallery::TGalleryMenus& menus = form->Menus();
  skin::TsSpeedButton& button = menus.MenuButton();
  int downs = 0;
  MenuScript script({
      {"the popup opens", [] { return ShownPopup() != nullptr; }},
      {"it takes the skin's shape", [] { return HasRegion(ShownPopup()); }},
      {"down to the second choice", [&] {
         const HMENU menu = menus.ButtonMenu().Handle();
         if (GetMenuState(menu, 1, MF_BYPOSITION) & MF_HILITE) return true;
         if (downs++ < 3) PressKey(VK_DOWN);
         return false;
       }},
      {"enter", [] {
         PressKey(VK_RETURN);
         return true;
       }},
  });
  // The arrow part opens the menu.
  ClickAt(ScreenPointOf(button, button.Width() - skin::kDropDownWidth / 2, button.Height() / 2));
  ASSERT_TRUE(PumpUntil([&] { return script.Finished(); }, std::chrono::seconds(60)));
  EXPECT_EQ(script.Failed(), "");
  EXPECT_TRUE(PumpUntil([&] { return menus.LastCommand() == "Second choice"; })) << menus.LastCommand();
}

TEST_F(GalleryTest, TheMenuButtonsPopupGivesTheHintsBackAndTheButtonLetsGoOfTheMouse) {
  gallery::TGalleryMenus& menus = form->Menus();
  skin::TsSpeedButton& button = menus.MenuButton();
  tk::Application().SetShowHint(true);
  bool hintsBack = false, buttonLeft = false;
  MenuScript script({
      {"the popup opens", [] { return ShownPopup() != nullptr; }},
      // The press switched the hints off; its release went to the menu.
      {"the hints are back and the button is no longer hot", [&] {
         hintsBack = tk::Application().ShowHint() && !skin::HintsSuppressed();
         buttonLeft = !button.MouseInControl() && !button.SkinData().mouseInside;
         return hintsBack && buttonLeft;
       }},
      {"escape", [] {
         PressKey(VK_ESCAPE);
         return true;
       }},
      {"closed", [] { return ShownPopup() == nullptr; }},
  });
  ClickAt(ScreenPointOf(button, button.Width() - skin::kDropDownWidth / 2, button.Height() / 2));
  ASSERT_TRUE(PumpUntil([&] { return script.Finished(); }, std::chrono::seconds(60)));
  EXPECT_EQ(script.Failed(), "");
  EXPECT_TRUE(hintsBack);
  EXPECT_TRUE(buttonLeft);
  EXPECT_TRUE(tk::Application().ShowHint());
}

}  // namespace
