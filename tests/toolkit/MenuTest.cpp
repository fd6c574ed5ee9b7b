// The menu model: a popup menu built from items opens, has its items
// measured and drawn by their owner-draw handlers, and runs the chosen
// item's click; the system menu follows the items' properties.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "WindowTestSupport.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/ErrorRecord.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Menus.h"

namespace {

using namespace testing_support;

class MenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::RecordedErrors().Clear();
    form = ShowTestForm(300, 200);
    ASSERT_NE(form, nullptr);
    popup = tk::Create<tk::TPopupMenu>(form);
    for (const char* caption : {"Open", "-", "Close"}) {
      auto* item = tk::Create<tk::TMenuItem>(form);
      item->SetCaption(caption);
      popup->Items()->Add(item);
      items.push_back(item);
    }
  }
  void TearDown() override {
    tk::TComponent::Free(form);
    PumpPending();
    tk::RecordedErrors().Clear();
  }
  MENUITEMINFOW InfoOf(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info;
  }
  tk::TForm* form = nullptr;
  tk::TPopupMenu* popup = nullptr;
  std::vector<tk::TMenuItem*> items;
};

TEST_F(MenuTest, APopupOpensMeasuresAndDrawsItsItemsOwnerDrawn) {
  std::map<const tk::TMenuItem*, SIZE> measured;
  std::map<const tk::TMenuItem*, RECT> drawn;
  popup->SetOwnerDraw(true);
  for (tk::TMenuItem* item : items) {
    const int height = item->IsLine() ? 5 : 23;
    item->OnMeasureItem = [&measured, item, height](tk::TObject* sender, tk::TCanvas& canvas, int& w, int& h) {
      EXPECT_EQ(sender, item);
      EXPECT_NE(canvas.Handle(), nullptr) << "the handler measures on a real context";
      w = 90;
      h = height;
      measured[item] = SIZE{w, h};
    };
    item->OnAdvancedDrawItem = [&, item](tk::TObject*, tk::TCanvas& canvas, const RECT& rect, tk::TOwnerDrawState) {
      canvas.Brush().SetColor(tk::clRed);
      canvas.FillRect(rect);
      drawn[item] = rect;
      // Once every item is on the screen the user closes the menu.
      if (drawn.size() == items.size()) EndMenu();
    };
  }
  POINT at = ScreenPointOf(*form, 20, 20);
  popup->Popup(at.x, at.y);
  ASSERT_EQ(measured.size(), items.size()) << "every item was measured by its handler";
  ASSERT_EQ(drawn.size(), items.size()) << "every item was drawn by its handler";
  for (tk::TMenuItem* item : items) {
    EXPECT_EQ(drawn[item].bottom - drawn[item].top, measured[item].cy) << item->Caption();
  }
  EXPECT_LT(drawn[items[0]].top, drawn[items[2]].top) << "in item order";
  EXPECT_TRUE(tk::RecordedErrors().Errors().empty());
}

TEST_F(MenuTest, TheChosenItemRunsItsClick) {
  int opened = 0;
  int closed = 0;
  items[0]->OnClick = [&](tk::TObject*) { ++opened; };
  items[2]->OnClick = [&](tk::TObject*) { ++closed; };
  int popups = 0;
  popup->OnPopup = [&](tk::TObject*) { ++popups; };
  // Keys go into the menu's own loop: press them from a timer inside it. Up
  // with nothing selected goes to the last item, Enter chooses it.
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PressKey(VK_UP);
    PressKey(VK_RETURN);
  });
  POINT at = ScreenPointOf(*form, 20, 20);
  popup->Popup(at.x, at.y);
  KillTimer(nullptr, timer);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(opened, 0);
}

TEST_F(MenuTest, TheSystemMenuFollowsTheItemsProperties) {
  tk::TMenuItem* open = items[0];
  tk::TMenuItem* close = items[2];
  auto* sub = tk::Create<tk::TMenuItem>(form);
  sub->SetCaption("Recent");
  close->Add(sub);
  open->SetChecked(true);
  open->SetRadioItem(true);
  open->SetDefault(true);
  close->SetEnabled(false);
  close->SetBreak(tk::mbBarBreak);
  close->SetShortCut(tk::ShortCut('W', tk::ssCtrl));
  const HMENU menu = popup->Handle();
  ASSERT_EQ(GetMenuItemCount(menu), 3);
  const MENUITEMINFOW first = InfoOf(menu, 0);
  EXPECT_TRUE(first.fState & MFS_CHECKED);
  EXPECT_TRUE(first.fState & MFS_DEFAULT);
  EXPECT_TRUE(first.fType & MFT_RADIOCHECK);
  EXPECT_EQ(first.wID, open->Command());
  EXPECT_TRUE(InfoOf(menu, 1).fType & MFT_SEPARATOR);
  const MENUITEMINFOW third = InfoOf(menu, 2);
  EXPECT_TRUE(third.fState & MFS_DISABLED);
  EXPECT_TRUE(third.fType & MFT_MENUBARBREAK);
  EXPECT_EQ(third.hSubMenu, close->Handle());
  EXPECT_EQ(GetMenuItemCount(close->Handle()), 1);
  wchar_t text[64] = {};
  GetMenuStringW(menu, 2, text, 64, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"Close\tCtrl+W");

  // Changes after the menu was built reach the system menu; hidden items leave it.
  open->SetCaption("Open...");
  items[1]->SetVisible(false);
  ASSERT_EQ(GetMenuItemCount(popup->Handle()), 2);
  GetMenuStringW(popup->Handle(), 0, text, 64, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"Open...");
  // Radio items of one group uncheck each other.
  auto* other = tk::Create<tk::TMenuItem>(form);
  other->SetRadioItem(true);
  popup->Items()->Add(other);
  other->SetChecked(true);
  EXPECT_FALSE(open->Checked());
}

TEST_F(MenuTest, AFreedItemLeavesItsMenuAndItsCommandIsForgotten) {
  const UINT command = items[0]->Command();
  popup->Handle();
  tk::TComponent::Free(items[0]);
  EXPECT_EQ(GetMenuItemCount(popup->Handle()), 2);
  EXPECT_EQ(tk::TMenuItem::FromCommand(command), nullptr);
  tk::TMessage stale{WM_COMMAND, command, 0, 0};
  EXPECT_FALSE(tk::TMenu::Dispatch(stale)) << "a stale command id is not followed";
}

TEST_F(MenuTest, AFailingDrawHandlerIsRecordedAndTheItemDrawnPlainly) {
  popup->SetOwnerDraw(true);
  int drawnPlainly = 0;
  items[0]->OnAdvancedDrawItem = [](tk::TObject*, tk::TCanvas&, const RECT&, tk::TOwnerDrawState) {
    throw std::runtime_error("menu item paint failed");
  };
  items[2]->OnAdvancedDrawItem = [&](tk::TObject*, tk::TCanvas&, const RECT&, tk::TOwnerDrawState) {
    ++drawnPlainly;
    EndMenu();
  };
  POINT at = ScreenPointOf(*form, 20, 20);
  popup->Popup(at.x, at.y);
  EXPECT_GE(drawnPlainly, 1) << "the menu went on drawing after the failure";
  ASSERT_EQ(tk::RecordedErrors().Errors().size(), 1u);
  EXPECT_EQ(tk::RecordedErrors().Errors()[0].What, "menu item paint failed");
}

}  // namespace
