// The gallery as a person uses it: which of its windows are wrapped, the
// skin chooser switching skins with the keyboard, and the skinned scroll
// bars of its memo and list box under the real mouse (request logs with
// arrival times, never sleeps).
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "ScrollRecorder.h"
#include "GalleryFixture.h"
#include "WindowTestSupport.h"
#include "gallery/GalleryForm.h"
#include "gallery/GalleryMDI.h"
#include "gallery/GallerySkins.h"
#include "skin/controls/adapters/vxMDIWnd.h"
#include "skin/controls/sButton.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/controls/adapters/vxBtnWnd.h"
#include "skin/controls/adapters/vxCheckBoxWnd.h"
#include "skin/controls/adapters/vxComboBoxWnd.h"
#include "skin/controls/adapters/vxGroupBoxWnd.h"
#include "skin/controls/adapters/vxEditWnd.h"
#include "skin/controls/adapters/vxListViewWnd.h"
#include "skin/controls/adapters/vxScrollInteraction.h"
#include "skin/data/sSkinManager.h"
#include "toolkit/core/StringList.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/GroupBox.h"
#include "toolkit/win/StandardControls.h"

namespace {

using adaptfix::ScrollEvent;
using adaptfix::ScrollRecorder;
using galleryfix::GalleryTest;

TEST_F(GalleryTest, StandardWindowsAreWrappedByKind) {
  struct Expect {
    const char* name;
    std::vector<tk::TControl*> controls;
    const std::type_info* wrapper;  // none: drawn by the platform
  };
  auto all = [](auto list) { return std::vector<tk::TControl*>(list.begin(), list.end()); };
  const Expect table[] = {
      {"list box", all(ControlsOf<tk::TListBox>()), &typeid(skin::TvxEditWnd)},
      {"memo", all(ControlsOf<tk::TMemo>()), &typeid(skin::TvxEditWnd)},
      {"tree view", all(ControlsOf<tk::TTreeView>()), &typeid(skin::TvxTreeViewWnd)},
      {"list view", all(ControlsOf<tk::TListView>()), &typeid(skin::TvxListViewWnd)},
      {"check boxes", all(ControlsOf<tk::TCheckBox>()), &typeid(skin::TvxCheckBoxWnd)},
      {"radio buttons", all(ControlsOf<tk::TRadioButton>()), &typeid(skin::TvxCheckBoxWnd)},
      {"plain push button", all(PlainButtons()), &typeid(skin::TvxBtnWnd)},
      {"group box", all(ControlsOf<tk::TGroupBox>()), &typeid(skin::TvxGroupBoxWnd)},
      {"combo boxes", all(ControlsOf<tk::TComboBox>()), &typeid(skin::TvxComboBoxWnd)},
      {"progress bar", all(ControlsOf<tk::TProgressBar>()), nullptr},
      {"track bar", all(ControlsOf<tk::TTrackBar>()), nullptr},
      {"tab control", all(ControlsOf<tk::TTabControl>()), nullptr},
  };
  for (const Expect& e : table) {
    SCOPED_TRACE(e.name);
    ASSERT_FALSE(e.controls.empty());
    for (tk::TControl* c : e.controls) {
      skin::TvxAdapterItem* item = form->Adapter()->ItemOf(c);
      if (!e.wrapper) {
        EXPECT_EQ(item, nullptr);
        continue;
      }
      ASSERT_NE(item, nullptr);
      ASSERT_NE(item->Wrapper(), nullptr);
      EXPECT_EQ(typeid(*item->Wrapper()), *e.wrapper);
      EXPECT_FALSE(item->Wrapper()->Done());
      EXPECT_EQ(GetPropW(item->Wrapper()->Handle(), skin::kWrapperProperty), item->Wrapper());
    }
  }
}

TEST_F(GalleryTest, ChooserListsEverySkinAndSwitchesWithTheKeyboard) {
  tk::StringList names;
  form->Manager().GetSkinNames(names, skin::kSkinNamesAll);
  tk::TComboBox& chooser = form->SkinChooser();
  ASSERT_EQ(static_cast<std::size_t>(chooser.Count()), names.Count());
  for (std::size_t i = 0; i < names.Count(); ++i) EXPECT_EQ(chooser.Item(static_cast<int>(i)), names[i]);
  ASSERT_GE(chooser.Count(), 2);
  EXPECT_EQ(chooser.Item(chooser.ItemIndex()), gallery::kEmberStyle);
  const DWORD gdiBefore = testing_support::GdiObjectCount();
  chooser.SetFocus();
  for (int round = 0; round < 50; ++round) {
    const bool down = chooser.ItemIndex() == 0;
    testing_support::PressKey(down ? VK_DOWN : VK_UP);
    const std::string wanted = chooser.Item(down ? 1 : 0);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return form->Manager().SkinName() == wanted; })) << round;
  }
  testing_support::PumpPending();
  EXPECT_EQ(form->Manager().SkinName(), gallery::kEmberStyle);
  // The wrapped windows follow every change and leave no drawing objects
  // behind: one object kept per change would show as fifty (two allowed
  // for what the first use of a skin creates once).
  const DWORD gdiAfter = testing_support::GdiObjectCount();
  RecordProperty("gdi_objects_before", static_cast<int>(gdiBefore));
  RecordProperty("gdi_objects_after_50_changes", static_cast<int>(gdiAfter));
  EXPECT_LE(gdiAfter, gdiBefore + 2);
  skin::TvxScrollWnd* list = ScrollWrapperOf(&form->List());
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->Done());
  EXPECT_TRUE(list->SkinData()->IsSkinned(true));
}

TEST_F(GalleryTest, MemoArrowRepeatsAfter300MsThenEvery55Ms) {
  ScrollRecorder recorder(form->Memo());
  // The recorder must sit below the wrapper: wrap the memo again over it.
  form->Adapter()->RemoveItem(form->Adapter()->IndexOf(&form->Memo()));
  form->Adapter()->AddAllItems();
  skin::TvxScrollWnd* memo = ScrollWrapperOf(&form->Memo());
  ASSERT_NE(memo, nullptr);
  RedrawWindow(form->Memo().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  testing_support::PumpPending();
  ASSERT_TRUE(memo->VertBar().shown);
  const skin::ScrollThumb t = memo->VertBar().Thumb(memo->PaintTables());
  testing_support::MoveMouseTo(adaptfix::OnBar(*memo, memo->VertBar(), t.barLength - t.arrowLength / 2));
  testing_support::PumpPending();
  testing_support::LeftButtonDown();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return recorder.Count(SB_LINEDOWN) >= 5; }));
  testing_support::LeftButtonUp();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return recorder.Count(SB_ENDSCROLL) == 1; }));
  const std::vector<ScrollEvent> lines = recorder.Of(SB_LINEDOWN);
  EXPECT_GE(recorder.Ms(lines[0], lines[1]), 290.0);
  // A 55 ms period from the first repeat (a late tick shortens the next gap).
  for (std::size_t i = 2; i < lines.size(); ++i)
    EXPECT_GE(recorder.Ms(lines[1], lines[i]), 55.0 * double(i - 1) - 10.0) << "repeat " << i;
  const int firstLine = static_cast<int>(SendMessageW(form->Memo().Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  EXPECT_EQ(firstLine, static_cast<int>(lines.size()));
}

TEST_F(GalleryTest, ListBoxThumbDraggedToTheEndAndTrackClicked) {
  tk::TListBox& list = form->List();
  ScrollRecorder recorder(list);
  form->Adapter()->RemoveItem(form->Adapter()->IndexOf(&list));
  form->Adapter()->AddAllItems();
  skin::TvxScrollWnd* wnd = ScrollWrapperOf(&list);
  ASSERT_NE(wnd, nullptr);
  RedrawWindow(list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  testing_support::PumpPending();
  list.SetTopIndex(0);
  wnd->UpdateScrollInfo();
  const SCROLLINFO si = wnd->VertBar().si;
  const skin::ScrollThumb t = wnd->VertBar().Thumb(wnd->PaintTables());
  // A click on the track below the thumb pages down once.
  testing_support::ClickAt(adaptfix::OnBar(*wnd, wnd->VertBar(), t.arrowLength + t.offset + t.size + 4));
  ASSERT_TRUE(testing_support::PumpUntil([&] { return recorder.Count(SB_ENDSCROLL) == 1; }));
  EXPECT_EQ(recorder.log.front().code, SB_PAGEDOWN);
  recorder.log.clear();
  // The thumb taken in its middle and dragged past the end of the track.
  const skin::ScrollThumb now = wnd->VertBar().Thumb(wnd->PaintTables());
  testing_support::MoveMouseTo(adaptfix::OnBar(*wnd, wnd->VertBar(), now.arrowLength + now.offset + now.size / 2));
  testing_support::PumpPending();
  testing_support::LeftButtonDown();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return skin::TvxScrollInteraction::Current().tracking; }));
  for (int along = now.arrowLength + now.offset + now.size; along <= now.barLength + 30; along += 12) {
    testing_support::MoveMouseTo(adaptfix::OnBar(*wnd, wnd->VertBar(), along));
    testing_support::PumpPending();
  }
  const int last = si.nMax - static_cast<int>(si.nPage) + 1;
  ASSERT_TRUE(testing_support::PumpUntil([&] { return !recorder.log.empty() && recorder.log.back().position == last; }));
  testing_support::LeftButtonUp();
  ASSERT_TRUE(testing_support::PumpUntil([&] { return recorder.Count(SB_ENDSCROLL) == 1; }));
  const std::vector<ScrollEvent>& log = recorder.log;
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[log.size() - 3].code, SB_THUMBTRACK);
  EXPECT_EQ(log[log.size() - 3].position, last);
  EXPECT_EQ(log[log.size() - 2].code, SB_THUMBPOSITION);
  EXPECT_EQ(log[log.size() - 2].position, last);
  EXPECT_EQ(log.back().code, SB_ENDSCROLL);
  EXPECT_EQ(list.TopIndex(), last);
}

// The MDI windows: a click on the gallery's button opens the MDI parent
// with two MDI children, each form drawn by its own skin provider, and the
// parent's client window showing the MDI area.
TEST_F(GalleryTest, TheMDIButtonOpensASkinnedParentWithTwoSkinnedChildren) {
  skin::TsButton* button = nullptr;
  for (skin::TsButton* b : ControlsOf<skin::TsButton>())
    if (b->Caption().find("MDI") != std::string::npos) button = b;
  ASSERT_NE(button, nullptr);
  testing_support::ClickControl(*button);
  gallery::TGalleryMDIForm* mdi = nullptr;
  ASSERT_TRUE(testing_support::PumpUntil([&] {
    for (int i = 0; i < form->ComponentCount() && !mdi; ++i)
      mdi = dynamic_cast<gallery::TGalleryMDIForm*>(form->Components(i));
    return mdi && IsWindowVisible(mdi->Handle());
  }));
  EXPECT_EQ(mdi->MDIChildCount(), 2);
  for (tk::TCustomForm* f : {static_cast<tk::TCustomForm*>(mdi), mdi->MDIChildren(0), mdi->MDIChildren(1)}) {
    ASSERT_NE(f, nullptr);
    skin::TsSkinProvider* provider = skin::TsSkinProvider::Of(f);
    ASSERT_NE(provider, nullptr) << f->Caption();
    EXPECT_TRUE(provider->Skinned()) << f->Caption();
  }
  for (int i = 0; i < 2; ++i)
    EXPECT_NE(GetWindowLongW(mdi->MDIChildren(i)->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD, 0);
  EXPECT_NE(dynamic_cast<skin::TvxMDIWnd*>(skin::TvxMainWnd::Of(mdi->ClientHandle())), nullptr)
      << "the client window is wrapped";
  // The active child's menu stands in front of the window menu on the bar.
  HMENU bar = GetMenu(mdi->Handle());
  ASSERT_NE(bar, nullptr);
  wchar_t first[64] = {}, second[64] = {};
  GetMenuStringW(bar, 0, first, 63, MF_BYPOSITION);
  GetMenuStringW(bar, 1, second, 63, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(first), L"列表(&L)");
  EXPECT_EQ(std::wstring(second), L"窗口(&W)");
  mdi->Hide();
}

}  // namespace
