// The skinned menus on a skinned form: which items get the skin's handlers
// (never over the application's own), what the form's skinning hooks and
// unhooks, measured sizes with the extra line in the first column only,
// measured in the menu font whatever font the context holds, the extra
// line's default caption and the system menu's skin list without one.
#include <gtest/gtest.h>

#include "GalleryMenus.h"
#include "SkinnedFrameFixture.h"
#include "skin/forms/sSkinableMenus.h"
#include "skin/forms/sSystemMenu.h"
#include "skin/forms/vxMnuWnd.h"
#include "skin/data/sSkinCommand.h"
#include "toolkit/win/ControlCanvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/Menus.h"

namespace {

using namespace formfix;
using skin::TsSkinableMenus;

bool Ours(const tk::TMenuItem& item) {
  return TsSkinableMenus::IsOurDraw(item.OnAdvancedDrawItem) && TsSkinableMenus::IsOurMeasure(item.OnMeasureItem);
}
bool Bare(const tk::TMenuItem& item) { return !item.OnAdvancedDrawItem && !item.OnMeasureItem; }

class SkinnedMenusTest : public SkinnedFrameTest {
protected:
  tk::TMenuItem* Add(tk::TMenuItem& parent, const char* caption) {
    auto* item = tk::Create<tk::TMenuItem>(form);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
  }
  TsSkinableMenus& Menus() { return TsSkinableMenus::Of(*manager); }
  // Measures with the painter's own handler on a bitmap's canvas.
  std::pair<int, int> Measure(tk::TMenuItem& item) {
    tk::Bitmap scratch(1, 1);
    tk::TBitmapCanvas canvas(scratch);
    int w = 0, h = 0;
    Menus().MeasureItem(item, canvas, w, h);
    return {w, h};
  }
};

TEST_F(SkinnedMenusTest, HookingKeepsTheApplicationsOwnHandlersAndUnhookingRemovesOnlyOurs) {
  auto* popup = tk::Create<tk::TPopupMenu>(form);
  tk::TMenuItem* plain = Add(*popup->Items(), "Plain");
  tk::TMenuItem* ownDraw = Add(*popup->Items(), "Own drawing");
  tk::TMenuItem* ownMeasure = Add(*popup->Items(), "Own measuring");
  tk::TMenuItem* nested = Add(*Add(*popup->Items(), "Sub"), "Nested");
  int ownDraws = 0, ownMeasures = 0;
  ownDraw->OnAdvancedDrawItem = [&](tk::TObject*, tk::TCanvas&, const RECT&, tk::TOwnerDrawState) { ++ownDraws; };
  ownMeasure->OnMeasureItem = [&](tk::TObject*, tk::TCanvas&, int&, int&) { ++ownMeasures; };
  for (bool round : {true, false}) {  // twice: hooking again must not stack or replace
    SCOPED_TRACE(round ? "first hooking" : "second hooking");
    Menus().HookPopup(*popup, true);
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(Ours(*plain));
    EXPECT_TRUE(Ours(*nested));
    EXPECT_FALSE(TsSkinableMenus::IsOurDraw(ownDraw->OnAdvancedDrawItem));
    EXPECT_TRUE(TsSkinableMenus::IsOurMeasure(ownDraw->OnMeasureItem));
    EXPECT_FALSE(TsSkinableMenus::IsOurMeasure(ownMeasure->OnMeasureItem));
    EXPECT_TRUE(TsSkinableMenus::IsOurDraw(ownMeasure->OnAdvancedDrawItem));
  }
  Menus().HookPopup(*popup, false);
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_TRUE(Bare(*plain));
  EXPECT_TRUE(Bare(*nested));
  ASSERT_TRUE(ownDraw->OnAdvancedDrawItem);
  ASSERT_TRUE(ownMeasure->OnMeasureItem);
  EXPECT_FALSE(ownDraw->OnMeasureItem);
  tk::Bitmap b(4, 4);
  tk::TBitmapCanvas c(b);
  int w = 0, h = 0;
  ownDraw->OnAdvancedDrawItem(ownDraw, c, RECT{0, 0, 4, 4}, 0);
  ownMeasure->OnMeasureItem(ownMeasure, c, w, h);
  EXPECT_EQ(ownDraws, 1);
  EXPECT_EQ(ownMeasures, 1);
}

TEST_F(SkinnedMenusTest, TheFormsSkinningHooksItsMenusWithTheSkinAndUnhooksThemWithout) {
  gallery::TGalleryMenus menus(*form, 10, 10);
  UseSkin("Glacier (internal)");
  tk::TMenuItem& top = *menus.MainMenu().Items()->Items(0);
  EXPECT_TRUE(menus.MainMenu().OwnerDraw());
  EXPECT_TRUE(Ours(top)) << "top-level items are drawn on the menu line";
  EXPECT_TRUE(Ours(*top.Items(1)));
  EXPECT_TRUE(menus.ContextMenu().OwnerDraw());
  EXPECT_TRUE(Ours(*menus.ContextMenu().Items()->Items(0)));
  manager->SetActive(false);
  EXPECT_FALSE(menus.MainMenu().OwnerDraw());
  EXPECT_TRUE(Bare(top));
  EXPECT_TRUE(Bare(*top.Items(1)));
  EXPECT_FALSE(menus.ContextMenu().OwnerDraw());
  EXPECT_TRUE(Bare(*menus.ContextMenu().Items()->Items(0)));
}

TEST_F(SkinnedMenusTest, MeasuredSizesCountTheExtraLineInTheFirstColumnOnly) {
  auto* popup = tk::Create<tk::TPopupMenu>(form);
  tk::TMenuItem* first = Add(*popup->Items(), "First");
  tk::TMenuItem* line = Add(*popup->Items(), "-");
  tk::TMenuItem* band = Add(*popup->Items(), "-Band-");
  tk::TMenuItem* broken = Add(*popup->Items(), "First");  // same text, second column
  broken->SetBreak(tk::mbBreak);
  tk::TMenuItem* after = Add(*popup->Items(), "First");
  tk::TMenuItem* pictured = Add(*popup->Items(), "First");
  pictured->Bitmap().SetImage(tk::Bitmap(24, 28));
  skin::TvxMenuSupport& support = manager->MenuSupport();
  support.ExtraLineWidth = 32;
  struct Case {
    bool useExtraLine;
    bool lineVisible;
    int extra;  // what the first column adds
  } cases[] = {{false, true, 0}, {true, true, 32}, {true, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "UseExtraLine " << c.useExtraLine << " LineVisible " << c.lineVisible);
    support.UseExtraLine = c.useExtraLine;
    manager->OnGetMenuExtraLineData = [&](tk::TMenuItem*, std::string&, std::string&, tk::Bitmap*&, bool& visible) {
      visible = c.lineVisible;
    };
    TsSkinableMenus::ResetPopupState();
    const auto [w1, h1] = Measure(*first);
    const auto [wBroken, hBroken] = Measure(*broken);
    const auto [wAfter, hAfter] = Measure(*after);
    const auto [wLine, hLine] = Measure(*line);
    const auto [wBand, hBand] = Measure(*band);
    const auto [wPic, hPic] = Measure(*pictured);
    EXPECT_EQ(w1 - wBroken, c.extra) << "the same item after a break has no extra line";
    EXPECT_EQ(wAfter, wBroken) << "every item after the break stands in a later column";
    EXPECT_EQ(h1, hBroken);
    EXPECT_EQ(hLine, 2);
    EXPECT_EQ(wLine, 2 * 16 + 3 * 3 + 6 + c.extra);
    EXPECT_EQ(hBand, h1) << "a band is as tall as a text row";
    EXPECT_EQ(hPic, 28 + 2 * 3) << "a taller picture sets the row";
    EXPECT_EQ(wPic - wAfter, 2 * (24 - 16)) << "the picture's width counts twice";
    EXPECT_GT(wBand, wBroken - 16) << "the band's text is measured with its dashes";
  }
}

TEST_F(SkinnedMenusTest, ItemsAreMeasuredInTheMenuFontWhateverFontTheContextHolds) {
  auto* popup = tk::Create<tk::TPopupMenu>(form);
  tk::TMenuItem* item = Add(*popup->Items(), "A caption of some length");
  item->SetShortCut(tk::ShortCut('N', tk::ssCtrl));
  // The window system's measuring hands a screen context holding its own
  // font.
  tk::TWindowDC screen(nullptr);
  auto widthsOf = [&](bool top) {
    std::vector<int> widths;
    for (int font : {SYSTEM_FONT, ANSI_FIXED_FONT, DEFAULT_GUI_FONT}) {
      tk::TSavedDC saved(screen.Get());
      SelectObject(screen.Get(), GetStockObject(font));
      tk::TControlCanvas canvas;
      tk::TPaintScope scope(canvas, screen.Get());
      int w = 0, h = 0;
      TsSkinableMenus::ResetPopupState();
      if (top)
        Menus().MeasureTopItem(*item, canvas, w, h);
      else
        Menus().MeasureItem(*item, canvas, w, h);
      widths.push_back(w);
    }
    return widths;
  };
  for (bool top : {false, true}) {
    SCOPED_TRACE(top ? "as an item of the menu line" : "as a popup item");
    const std::vector<int> widths = widthsOf(top);
    EXPECT_EQ(widths[1], widths[0]);
    EXPECT_EQ(widths[2], widths[0]);
  }
}

TEST_F(SkinnedMenusTest, TheExtraLineAsksTheApplicationAndDefaultsToAReminder) {
  auto* popup = tk::Create<tk::TPopupMenu>(form);
  tk::TMenuItem* first = Add(*popup->Items(), "First");
  Add(*popup->Items(), "Second");
  manager->MenuSupport().UseExtraLine = true;
  TsSkinableMenus::ResetPopupState();
  TsSkinableMenus::ExtraLine line = Menus().ExtraLineFor(*first);
  EXPECT_EQ(line.caption, "Don`t forget OnGetExtraLineData event...");
  EXPECT_EQ(line.section, "EXTRALINE");
  EXPECT_TRUE(line.visible);
  int asked = 0;
  tk::Bitmap glyph(12, 20);
  manager->OnGetMenuExtraLineData = [&](tk::TMenuItem* item, std::string& section, std::string& caption,
                                        tk::Bitmap*& g, bool&) {
    ++asked;
    EXPECT_EQ(item, first);
    section = "TOOLBAR";
    caption = "&Tools && more";
    g = &glyph;
  };
  TsSkinableMenus::ResetPopupState();
  line = Menus().ExtraLineFor(*first);
  Menus().ExtraLineFor(*first);
  Measure(*popup->Items()->Items(1));
  EXPECT_EQ(asked, 1) << "asked once per popup";
  EXPECT_EQ(line.caption, "Tools  more");
  EXPECT_EQ(line.section, "TOOLBAR");
  EXPECT_EQ(line.glyph.Width(), 12);
}

TEST_F(SkinnedMenusTest, TheSystemMenusSkinListNeverShowsTheExtraLine) {
  tk::ComponentPtr<skin::TsSystemMenu> owned(tk::Create<skin::TsSystemMenu>(*provider));
  skin::TsSystemMenu* menu = owned.get();
  menu->MakeSkinItems();
  ASSERT_NE(menu->SkinSelectItem(), nullptr);
  tk::TMenuItem& skinItem = *menu->SkinSelectItem()->Items(0);
  manager->MenuSupport().UseExtraLine = true;
  int asked = 0;
  manager->OnGetMenuExtraLineData = [&](tk::TMenuItem*, std::string&, std::string&, tk::Bitmap*&, bool&) { ++asked; };
  TsSkinableMenus::ResetPopupState();
  EXPECT_EQ(Menus().ExtraLineWidthFor(skinItem), 0);
  EXPECT_FALSE(Menus().ExtraLineFor(skinItem).visible);
  EXPECT_EQ(asked, 0);
  TsSkinableMenus::ResetPopupState();
  EXPECT_EQ(Menus().ExtraLineWidthFor(*menu->ItemClose), 32) << "the window menu itself has one";
}

}  // namespace

namespace {

using namespace formfix;
using skin::TsSkinableMenus;

TEST_F(SkinnedMenusTest, APopupWindowsWrapperAnswersForItsRegionAndForgetsThePopupWhenItGoes) {
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, 100, 100, 120, 80, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  auto wrapper = skin::TvxMainWnd::Wrap<skin::TvxMnuWnd>(window, manager);
  auto ask = [&](WORD command) {
    return SendMessageW(window, skin::SM_VEXACMD, skin::SkinCommandWParam(command), 0);
  };
  EXPECT_EQ(ask(skin::SCMD_IS_SKINNED), 1);
  EXPECT_EQ(ask(skin::SCMD_SET_DEFER), 0) << "no region yet";
  ask(skin::SCMD_POPUP_REGION_DONE);
  EXPECT_EQ(ask(skin::SCMD_SET_DEFER), 0) << "a hidden window's region does not count";
  ShowWindow(window, SW_SHOWNOACTIVATE);
  ask(skin::SCMD_POPUP_REGION_DONE);
  EXPECT_EQ(ask(skin::SCMD_SET_DEFER), 1);
  EXPECT_TRUE(wrapper->RegionDone());
  // Preparing the window now leaves its region alone: the wrapper has one.
  TsSkinableMenus::SetPopupActive(true);
  Menus().PreparePopupWindow(window);
  tk::TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window, region.Get()), ERROR);
  DestroyWindow(window);
  EXPECT_FALSE(TsSkinableMenus::PopupActive());
}

}  // namespace
