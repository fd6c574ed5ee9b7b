// Which controls of a form the adapter wraps, with which wrapper and
// section; what the skinning rules, skin-aware controls and OnSkinItem
// change; what a wrapper gives back when it goes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>

#include "AdapterFixture.h"
#include "FamilyTestControls.h"
#include "ScrollRecorder.h"
#include "WindowTestSupport.h"
#include "skin/controls/adapters/vxBtnWnd.h"
#include "skin/controls/adapters/vxCheckBoxWnd.h"
#include "skin/controls/adapters/vxComboBoxWnd.h"
#include "skin/controls/adapters/vxGroupBoxWnd.h"
#include "skin/controls/adapters/vxSizerWnd.h"
#include "skin/controls/adapters/vxEditWnd.h"
#include "skin/controls/adapters/vxListViewWnd.h"
#include "skin/controls/adapters/vxBitBtnWnd.h"
#include "skin/controls/adapters/vxGridWnd.h"
#include "skin/controls/adapters/vxVirtualTreeViewWnd.h"
#include "skin/controls/sMaskEdit.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include <commctrl.h>
#include "skin/controls/sSkinQueries.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/GroupBox.h"
#include "toolkit/win/Panel.h"

namespace {

using namespace adaptfix;

struct RuleCase {
  const char* name;
  std::function<tk::TWinControl*(tk::TForm*)> make;
  skin::TvxSkinningRules rules = skin::kAllSkinningRules;
  // OnSkinItem: refuse the control, or give it this section (empty: leave it).
  bool refuse = false;
  std::string sectionFromHandler;
  // Expected: the wrapper's class (none: not wrapped) and the item's section.
  const std::type_info* wrapper = nullptr;
  std::string section;
};

template <class T>
std::function<tk::TWinControl*(tk::TForm*)> Make(int width = 120, int height = 80) {
  return [=](tk::TForm* form) {
    T* c = tk::Create<T>(form);
    c->SetParent(form);
    c->SetBounds(10, 10, width, height);
    c->HandleNeeded();
    return c;
  };
}

// A push button showing a bitmap.
tk::TWinControl* MakeBitmapButton(tk::TForm* form) {
  tk::TWinControl* b = Make<tk::TButton>(90, 26)(form);
  SetWindowLongPtrW(b->Handle(), GWL_STYLE, GetWindowLongPtrW(b->Handle(), GWL_STYLE) | BS_BITMAP);
  return b;
}

tk::TWinControl* MakeGridEh(tk::TForm* form) {
  TTestGridEh::Register();
  return Make<TTestGridEh>()(form);
}

const RuleCase kCases[] = {
    {"list box", Make<tk::TListBox>(), skin::kAllSkinningRules, false, "", &typeid(skin::TvxEditWnd), "EDIT"},
    {"memo", Make<tk::TMemo>(), skin::kAllSkinningRules, false, "", &typeid(skin::TvxEditWnd), "EDIT"},
    {"tree view", Make<tk::TTreeView>(), skin::kAllSkinningRules, false, "", &typeid(skin::TvxTreeViewWnd), "EDIT"},
    {"list view", Make<tk::TListView>(), skin::kAllSkinningRules, false, "", &typeid(skin::TvxListViewWnd), "EDIT"},
    {"check box", Make<tk::TCheckBox>(120, 20), skin::kAllSkinningRules, false, "", &typeid(skin::TvxCheckBoxWnd),
     "CHECKBOX"},
    {"radio button", Make<tk::TRadioButton>(120, 20), skin::kAllSkinningRules, false, "",
     &typeid(skin::TvxCheckBoxWnd), "CHECKBOX"},
    {"without third-party skinning", Make<tk::TListBox>(), skin::srStdForms | skin::srStdDialogs, false, "", nullptr,
     ""},
    {"refused by OnSkinItem", Make<tk::TListBox>(), skin::kAllSkinningRules, true, "", nullptr, ""},
    {"list box keeps the handler's section", Make<tk::TListBox>(), skin::kAllSkinningRules, false, "PANEL",
     &typeid(skin::TvxEditWnd), "PANEL"},
    {"tree view keeps the handler's section", Make<tk::TTreeView>(), skin::kAllSkinningRules, false, "PANEL",
     &typeid(skin::TvxTreeViewWnd), "PANEL"},
    {"check box takes its own section", Make<tk::TCheckBox>(120, 20), skin::kAllSkinningRules, false, "PANEL",
     &typeid(skin::TvxCheckBoxWnd), "CHECKBOX"},
    {"push button", Make<tk::TButton>(90, 26), skin::kAllSkinningRules, false, "", &typeid(skin::TvxBtnWnd), "BUTTON"},
    {"push button takes its own section", Make<tk::TButton>(90, 26), skin::kAllSkinningRules, false, "PANEL",
     &typeid(skin::TvxBtnWnd), "BUTTON"},
    {"group box", Make<tk::TGroupBox>(150, 80), skin::kAllSkinningRules, false, "", &typeid(skin::TvxGroupBoxWnd),
     "GROUPBOX"},
    {"group box takes its own section", Make<tk::TGroupBox>(150, 80), skin::kAllSkinningRules, false, "PANEL",
     &typeid(skin::TvxGroupBoxWnd), "GROUPBOX"},
    {"panel", Make<tk::TPanel>(150, 60), skin::kAllSkinningRules, false, "", &typeid(skin::TvxTransPanelWnd), "PANEL"},
    {"panel takes its own section", Make<tk::TPanel>(150, 60), skin::kAllSkinningRules, false, "EDIT",
     &typeid(skin::TvxTransPanelWnd), "PANEL"},
    {"combo box", Make<tk::TComboBox>(120, 24), skin::kAllSkinningRules, false, "", &typeid(skin::TvxComboBoxWnd),
     "EDIT"},
    {"combo box keeps the handler's section", Make<tk::TComboBox>(120, 24), skin::kAllSkinningRules, false, "PANEL",
     &typeid(skin::TvxComboBoxWnd), "PANEL"},
    {"skin-aware edit", Make<skin::TsMaskEdit>(120, 24), skin::kAllSkinningRules, false, "", nullptr, ""},
    {"progress bar", Make<tk::TProgressBar>(120, 20), skin::kAllSkinningRules, false, "", nullptr, ""},
    {"track bar", Make<tk::TTrackBar>(120, 40), skin::kAllSkinningRules, false, "", nullptr, ""},
    {"tab control", Make<tk::TTabControl>(), skin::kAllSkinningRules, false, "", nullptr, ""},
    {"grid", Make<TTestGrid>(), skin::kAllSkinningRules, false, "", &typeid(skin::TvxGridWnd), "EDIT"},
    {"grid keeps the handler's section", Make<TTestGrid>(), skin::kAllSkinningRules, false, "PANEL",
     &typeid(skin::TvxGridWnd), "PANEL"},
    {"rich view by its class name", Make<TRichView>(), skin::kAllSkinningRules, false, "", &typeid(skin::TvxGridWnd),
     "EDIT"},
    {"virtual tree by its class name", Make<TVirtualStringTree>(), skin::kAllSkinningRules, false, "",
     &typeid(skin::TvxVirtualTreeViewWnd), "EDIT"},
    {"custom control publishing OptionsEh", &MakeGridEh, skin::kAllSkinningRules, false, "",
     &typeid(skin::TvxGridEhWnd), "EDIT"},
    {"custom control without OptionsEh", Make<TScrollingTestControl>(), skin::kAllSkinningRules, false, "", nullptr,
     ""},
    {"bitmap button", &MakeBitmapButton, skin::kAllSkinningRules, false, "", &typeid(skin::TvxBitBtnWnd), "BUTTON"},
    {"bitmap button takes its own section", &MakeBitmapButton, skin::kAllSkinningRules, false, "PANEL",
     &typeid(skin::TvxBitBtnWnd), "BUTTON"},
};

TEST_F(AdapterTest, WrapsStandardControlsByTheRules) {
  for (const RuleCase& c : kCases) {
    SCOPED_TRACE(c.name);
    tk::TWinControl* control = c.make(form);
    if (auto* skinned = skin::SkinDataOf(control)) skinned->FinishLoading();
    manager->SetSkinningRules(c.rules);
    owner->onSkinItem = [&](tk::TComponent*, bool& canBeAdded, std::string& section) {
      if (c.refuse) canBeAdded = false;
      if (!c.sectionFromHandler.empty()) section = c.sectionFromHandler;
    };
    adapter->AddAllItems();
    skin::TvxAdapterItem* item = adapter->ItemOf(control);
    const HWND h = control->Handle();
    if (!c.wrapper) {
      EXPECT_EQ(item, nullptr);
      EXPECT_EQ(GetPropW(h, skin::kWrapperProperty), nullptr);
    } else {
      ASSERT_NE(item, nullptr);
      ASSERT_NE(item->Wrapper(), nullptr);
      EXPECT_EQ(typeid(*item->Wrapper()), *c.wrapper);
      EXPECT_EQ(item->SkinData().SkinSection(), c.section);
      EXPECT_EQ(item->SkinData().controlKind, 227);
      EXPECT_EQ(GetPropW(h, skin::kWrapperProperty), item->Wrapper());
      EXPECT_EQ(skin::SendSkinCommand(h, skin::SCMD_IS_SKINNED, 0), 1);
      // A second scan finds it skin-aware now and adds nothing.
      const int count = adapter->Count();
      adapter->AddAllItems();
      EXPECT_EQ(adapter->Count(), count);
    }
    tk::TComponent::Free(control);
    EXPECT_EQ(adapter->ItemOf(control), nullptr) << "a freed control leaves the adapter";
    EXPECT_EQ(adapter->Count(), 0);
  }
}

TEST_F(AdapterTest, SupportedKindsNeedAParent) {
  auto* loose = tk::Create<tk::TListBox>(form);
  EXPECT_FALSE(adapter->IsSupported(loose));
  loose->SetParent(form);
  EXPECT_TRUE(adapter->IsSupported(loose));
  EXPECT_FALSE(adapter->IsSupported(nullptr));
}

TEST_F(AdapterTest, WrappedListTakesTheSectionColoursAndGivesThemBack) {
  tk::TListBox* list = PlaceListBox(10, 10, 150, 120);
  const tk::TColor before = list->Color();
  adapter->AddAllItems();
  ASSERT_NE(adapter->ItemOf(list), nullptr);
  RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  testing_support::PumpPending();
  const skin::TsGeneralData* edit = adapter->ItemOf(list)->SkinData().Section();
  ASSERT_NE(edit, nullptr);
  const skin::TsGeneralData emberEdit = *edit;
  EXPECT_EQ(list->Color(), edit->Color);
  EXPECT_EQ(list->Font().Color(), edit->FontColor[0]);
  // Another skin: its colours at the next paint.
  UseSkin(ctlfix::kGlacier);
  RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  testing_support::PumpPending();
  const skin::TsGeneralData* glacier = adapter->ItemOf(list)->SkinData().Section();
  ASSERT_NE(glacier, nullptr);
  ASSERT_NE(glacier->Color, emberEdit.Color) << "the two skins must differ for this test";
  EXPECT_EQ(list->Color(), glacier->Color);
  adapter->Clear();
  EXPECT_EQ(list->Color(), before);
  EXPECT_EQ(GetPropW(list->Handle(), skin::kWrapperProperty), nullptr);
  EXPECT_EQ(skin::SendSkinCommand(list->Handle(), skin::SCMD_IS_SKINNED, 0), 0);
}

TEST_F(AdapterTest, DroppedComboListIsWrappedWithTheListSectionColours) {
  auto* combo = PlacePlain<tk::TComboBox>(form, 10, 10, 150, 24);
  for (int i = 0; i < 30; ++i) combo->AddItem("choice " + std::to_string(i));
  adapter->AddAllItems();
  auto* wnd = dynamic_cast<skin::TvxComboBoxWnd*>(adapter->ItemOf(combo)->Wrapper());
  ASSERT_NE(wnd, nullptr);
  EXPECT_EQ(wnd->ListWrapper(), nullptr) << "the list is wrapped when it is first shown";
  SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  testing_support::PumpPending();
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  ASSERT_NE(wnd->ListWrapper(), nullptr);
  EXPECT_EQ(wnd->ListWrapper()->Handle(), info.hwndList);
  EXPECT_EQ(skin::SendSkinCommand(info.hwndList, skin::SCMD_IS_SKINNED, 0), 1);
  const int edit = manager->Tables().IndexOfSection("EDIT");
  EXPECT_EQ(skin::SendSkinCommand(info.hwndList, skin::SCMD_LIST_SECTION, 0), edit + 1);
  // The list answers its owner's colour question with the section's colours.
  const HDC dc = GetDC(info.hwndList);
  const auto brush = SendMessageW(combo->Handle(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(info.hwndList));
  EXPECT_NE(brush, 0);
  EXPECT_EQ(GetBkColor(dc), static_cast<COLORREF>(manager->Tables().gd[static_cast<std::size_t>(edit)].Color));
  ReleaseDC(info.hwndList, dc);
  SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  testing_support::PumpPending();
}

TEST_F(AdapterTest, WrappedPushButtonShowsItsStateAndStillClicks) {
  auto* button = PlacePlain<tk::TButton>(form, 20, 20, 100, 28);
  button->SetCaption("Plain");
  auto* other = PlacePlain<tk::TButton>(form, 20, 60, 100, 28);
  int clicks = 0;
  button->OnClick = [&](tk::TObject*) { ++clicks; };
  adapter->AddAllItems();
  auto* wnd = dynamic_cast<skin::TvxBtnWnd*>(adapter->ItemOf(button)->Wrapper());
  ASSERT_NE(wnd, nullptr);
  const HWND h = button->Handle();
  struct Case {
    const char* name;
    std::function<void()> bring;
    int state;
  };
  const Case cases[] = {
      {"plain", [&] { other->SetFocus(); }, 0},
      {"focused", [&] { button->SetFocus(); }, 1},
      {"pushed", [&] { SendMessageW(h, BM_SETSTATE, TRUE, 0); }, 2},
      {"released, focus elsewhere", [&] { SendMessageW(h, BM_SETSTATE, FALSE, 0); other->SetFocus(); }, 0},
      {"the default button", [&] { SendMessageW(h, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE); }, 1},
      {"disabled", [&] { EnableWindow(h, FALSE); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.bring();
    testing_support::PumpPending();
    EXPECT_EQ(wnd->ButtonState(), c.state);
  }
  EnableWindow(h, TRUE);
  SendMessageW(h, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  testing_support::ClickControl(*button);
  ASSERT_TRUE(testing_support::PumpUntil([&] { return clicks == 1; })) << "the wrapped button still clicks";
}

TEST_F(AdapterTest, WrappedGroupBoxIsTheBackgroundOfWhatItHolds) {
  auto* group = PlacePlain<tk::TGroupBox>(form, 10, 10, 200, 120);
  group->SetCaption("Group");
  auto* check = PlacePlain<tk::TCheckBox>(group, 10, 30, 150, 20);
  check->SetCaption("Inside");
  adapter->AddAllItems();
  auto* wnd = dynamic_cast<skin::TvxGroupBoxWnd*>(adapter->ItemOf(group)->Wrapper());
  ASSERT_NE(wnd, nullptr);
  ASSERT_NE(adapter->ItemOf(check), nullptr) << "the scan goes into the group box";
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  testing_support::PumpPending();
  const LRESULT caption = skin::SendSkinCommand(group->Handle(), skin::SCMD_GET_CAPTION_HEIGHT, 0);
  EXPECT_EQ(caption, wnd->CaptionRect().bottom);
  EXPECT_GT(caption, 4);
  // The check box inside paints over the group box's picture.
  const skin::CacheInfo parent = skin::GetParentCacheInfoOfWindow(check->Handle());
  ASSERT_TRUE(parent.Usable());
  EXPECT_EQ(parent.bitmap, adapter->ItemOf(group)->SkinData().Cache());
  EXPECT_EQ(parent.bitmap->Width(), 200);
}

TEST_F(AdapterTest, ListViewHeaderIsWrappedWithTheColumnHeaderSection) {
  auto* view = PlacePlain<tk::TListView>(form, 10, 10, 250, 150);
  view->AddColumn("Name", 120);
  view->AddColumn("Value", 100);
  adapter->AddAllItems();
  auto* wnd = dynamic_cast<skin::TvxListViewWnd*>(adapter->ItemOf(view)->Wrapper());
  ASSERT_NE(wnd, nullptr);
  const HWND header = reinterpret_cast<HWND>(SendMessageW(view->Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(wnd->Header(), nullptr);
  EXPECT_EQ(wnd->Header()->Handle(), header);
  EXPECT_EQ(GetPropW(header, skin::kWrapperProperty), wnd->Header());
  EXPECT_EQ(wnd->Header()->SkinData()->SkinSection(), "COLHEADER");
  adapter->Clear();
  EXPECT_EQ(GetPropW(header, skin::kWrapperProperty), nullptr) << "the header is given back with its list view";
}

TEST_F(AdapterTest, ListViewThumbDraggedToTheEndShowsTheLastRows) {
  auto* view = PlacePlain<tk::TListView>(form, 10, 10, 250, 150);
  view->AddColumn("Row", 200);
  for (int i = 0; i < 60; ++i) view->AddItem("row " + std::to_string(i));
  adapter->AddAllItems();
  auto* wnd = dynamic_cast<skin::TvxListViewWnd*>(adapter->ItemOf(view)->Wrapper());
  ASSERT_NE(wnd, nullptr);
  RedrawWindow(view->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  testing_support::PumpPending();
  ASSERT_TRUE(wnd->VertBar().shown);
  const skin::ScrollThumb t = wnd->VertBar().Thumb(wnd->PaintTables());
  ASSERT_TRUE(t.HasThumb());
  testing_support::MoveMouseTo(adaptfix::OnBar(*wnd, wnd->VertBar(), t.arrowLength + t.offset + t.size / 2));
  testing_support::PumpPending();
  testing_support::LeftButtonDown();
  for (int along = t.arrowLength + t.size; along <= t.barLength + 30; along += 15) {
    testing_support::MoveMouseTo(adaptfix::OnBar(*wnd, wnd->VertBar(), along));
    testing_support::PumpPending();
  }
  testing_support::LeftButtonUp();
  testing_support::PumpPending();
  const int top = static_cast<int>(SendMessageW(view->Handle(), LVM_GETTOPINDEX, 0, 0));
  const int perPage = static_cast<int>(SendMessageW(view->Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
  EXPECT_EQ(top + perPage, 60) << "the last row is in view";
}

TEST_F(AdapterTest, DestroyedWindowLetsGoAndIsWrappedAgainWhenAdopted) {
  tk::TListBox* list = PlaceListBox(10, 10, 150, 120);
  adapter->AddAllItems();
  skin::TvxMainWnd* first = adapter->ItemOf(list)->Wrapper();
  ASSERT_NE(first, nullptr);
  list->RecreateWnd();
  list->HandleNeeded();
  EXPECT_TRUE(first->Done());
  adapter->AddItem(list, "EDIT");
  skin::TvxMainWnd* second = adapter->ItemOf(list)->Wrapper();
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(second->Done());
  EXPECT_EQ(second->Handle(), list->Handle());
  EXPECT_EQ(skin::SendSkinCommand(list->Handle(), skin::SCMD_IS_SKINNED, 0), 1);
}

}  // namespace
