// The gallery form's own skin provider and the adapter it owns: the scan
// when the skin arrives, the rescan of a refresh, the form's paint reaching
// wrapped windows inside windows that are not wrapped, and every window
// given its own procedure back when the skin goes.
#include <gtest/gtest.h>

#include <map>

#include "GalleryFixture.h"
#include "skin/controls/adapters/vxEditWnd.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/StandardControls.h"

namespace {

// A suite of its own (a fixture class of its own, its own gallery form).
class GalleryProviderTest : public galleryfix::GalleryTest {};

// What a wrapped control looks like from outside: its window carries the
// wrapper property and its WindowProc chain one hook more.
struct WindowState {
  bool marked = false;
  int hooks = 0;
};

WindowState StateOf(tk::TControl* c) {
  auto* w = dynamic_cast<tk::TWinControl*>(c);
  return {w && w->HandleAllocated() && GetPropW(w->Handle(), skin::kWrapperProperty) != nullptr,
          c->WindowProc.HookCount()};
}

TEST_F(GalleryProviderTest, ProviderSkinsTheFormAndAdoptsItsControlsWhenTheSkinArrives) {
  skin::TsSkinProvider& provider = form->Provider();
  EXPECT_EQ(skin::TsSkinProvider::Of(form), &provider);
  EXPECT_TRUE(provider.Skinned());
  // The provider draws the caption buttons: the platform's are switched off.
  EXPECT_EQ(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  ASSERT_NE(form->Adapter(), nullptr);
  EXPECT_GT(form->Adapter()->Count(), 10);
  for (int i = 0; i < form->Adapter()->Count(); ++i) {
    skin::TvxAdapterItem* item = form->Adapter()->GetItem(i);
    ASSERT_NE(item->Wrapper(), nullptr) << item->Control()->ClassName();
    EXPECT_FALSE(item->Wrapper()->Done());
  }
  // The bars are the skin's from the first skin on: the frames of windows
  // wrapped while the skin was being applied are measured again.
  for (tk::TControl* c : {static_cast<tk::TControl*>(&form->List()), static_cast<tk::TControl*>(&form->Memo())}) {
    skin::TvxScrollWnd* w = ScrollWrapperOf(c);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->VertBar().shown) << c->ClassName();
    EXPECT_TRUE(w->HorzBar().shown) << c->ClassName();
  }
  // A window inside a window that is not wrapped is found as well.
  EXPECT_NE(form->Adapter()->ItemOf(&form->TabPageEdit()), nullptr);
  // The form has no scroll bars of its own: no scroll wrapper.
  EXPECT_EQ(provider.ScrollWnd(), nullptr);
}

TEST_F(GalleryProviderTest, ControlsAddedLaterAreAdoptedRescannedAndDroppedWhenFreed) {
  const int before = form->Adapter()->Count();
  auto* late = tk::Create<tk::TListBox>(form);
  late->SetParent(form);
  late->SetBounds(420, 40, 120, 60);
  late->HandleNeeded();
  for (int i = 0; i < 30; ++i) late->AddItem("late row " + std::to_string(i));
  // The new child window is adopted when it is created.
  ASSERT_NE(form->Adapter()->ItemOf(late), nullptr);
  EXPECT_EQ(form->Adapter()->Count(), before + 1);
  EXPECT_TRUE(StateOf(late).marked);
  // Let go of, it is found again by the next refresh, once.
  form->Adapter()->RemoveItem(form->Adapter()->IndexOf(late));
  EXPECT_FALSE(StateOf(late).marked);
  for (int refresh = 0; refresh < 2; ++refresh) {
    skin::SendSkinCommand(form->Handle(), skin::SCMD_REFRESH, reinterpret_cast<LPARAM>(&form->Manager()));
    skin::TvxAdapterItem* item = form->Adapter()->ItemOf(late);
    ASSERT_NE(item, nullptr);
    EXPECT_NE(dynamic_cast<skin::TvxEditWnd*>(item->Wrapper()), nullptr);
    EXPECT_TRUE(StateOf(late).marked);
    EXPECT_EQ(form->Adapter()->Count(), before + 1);
  }
  tk::TComponent::Free(late);
  EXPECT_EQ(form->Adapter()->Count(), before);
}

TEST_F(GalleryProviderTest, FormPaintReachesWrappedWindowsInsideWindowsNotWrapped) {
  skin::TvxAdapterItem* item = form->Adapter()->ItemOf(&form->TabPageEdit());
  ASSERT_NE(item, nullptr);
  testing_support::PumpPending();
  item->SkinData().deferPaint = true;
  // Only the form's client area is painted: its direct children hear of it
  // from the client paint, the edit inside the tab control only through
  // the provider's adapter.
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  EXPECT_TRUE(testing_support::PumpUntil([&] { return !item->SkinData().deferPaint; }));
}

TEST_F(GalleryProviderTest, SkinRemovedGivesEveryWindowItsProcedureBackAndTheNextSkinWrapsAgain) {
  std::map<tk::TControl*, WindowState> wrapped;
  for (int i = 0; i < form->Adapter()->Count(); ++i) {
    tk::TControl* c = form->Adapter()->GetItem(i)->Control();
    wrapped[c] = StateOf(c);
    ASSERT_TRUE(wrapped[c].marked) << c->ClassName();
  }
  ASSERT_FALSE(wrapped.empty());
  form->Manager().SetActive(false);
  testing_support::PumpPending();
  EXPECT_EQ(form->Adapter(), nullptr);
  EXPECT_FALSE(form->Provider().Skinned());
  EXPECT_NE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  for (const auto& [c, state] : wrapped) {
    SCOPED_TRACE(c->ClassName());
    const WindowState now = StateOf(c);
    EXPECT_FALSE(now.marked);
    EXPECT_EQ(now.hooks, state.hooks - 1);
  }
  form->Manager().SetActive(true);
  testing_support::PumpPending();
  ASSERT_NE(form->Adapter(), nullptr);
  EXPECT_EQ(static_cast<std::size_t>(form->Adapter()->Count()), wrapped.size());
  for (const auto& [c, state] : wrapped) {
    SCOPED_TRACE(c->ClassName());
    const WindowState now = StateOf(c);
    EXPECT_TRUE(now.marked);
    EXPECT_EQ(now.hooks, state.hooks);
  }
}

}  // namespace
