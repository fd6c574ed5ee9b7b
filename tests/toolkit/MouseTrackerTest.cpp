// One hover record for client and frame: the mouse entering a form's client
// area, moving onto its title bar, onto a child and out of the window is
// followed by the record and by the toolkit's enter and leave notifications,
// so nothing stays hot.

#include <gtest/gtest.h>

#include <vector>

#include "WindowTestSupport.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/MouseTracker.h"
#include "toolkit/win/WindowSubclass.h"

namespace {

using namespace testing_support;

class MouseTrackerTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    MoveMouseTo(POINT{1, 1});
    form = tk::Create<tk::TForm>(nullptr);
    form->SetBorderStyle(tk::bsSingle);
    form->SetClientSize(300, 200);
    form->SetPosition(tk::poScreenCenter);
    button = tk::Create<tk::TButton>(form);
    button->SetParent(form);
    button->SetBounds(180, 140, 100, 30);
    button->SetCaption("Hot");
    form->WindowProc.Install([this](tk::TMessage& m, const tk::TWndNext& next) {
      if (m.Msg == tk::CM_MOUSEENTER) formEvents.push_back('+');
      if (m.Msg == tk::CM_MOUSELEAVE) formEvents.push_back('-');
      next(m);
    });
    form->Show();
    ASSERT_TRUE(BringToFront(form->Handle()));
    PumpPending();
    changes = tk::MouseTracker().Changed.Register(
        [this](const tk::THover&, const tk::THover& to) { seen.push_back(to); });
  }
  void TearDown() override {
    changes.Reset();
    tk::TComponent::Free(form);
    PumpPending();
  }
  bool HoverBecomes(HWND window, tk::THoverArea area) {
    return PumpUntil([&] { return tk::MouseTracker().Current() == tk::THover{window, area}; });
  }
  POINT OnTitleBar() {
    RECT r;
    GetWindowRect(form->Handle(), &r);
    return POINT{(r.left + r.right) / 2, r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  }

  tk::TForm* form = nullptr;
  tk::TButton* button = nullptr;
  std::vector<char> formEvents;
  std::vector<tk::THover> seen;
  decltype(tk::MouseTracker().Changed)::Registration changes;
};

TEST_F(MouseTrackerTest, HoverFollowsTheMouseAcrossClientAndFrame) {
  const HWND window = form->Handle();
  MoveMouseTo(ScreenPointOf(*form, 40, 40));
  ASSERT_TRUE(HoverBecomes(window, tk::THoverArea::Client));
  EXPECT_TRUE(PumpUntil([&] { return form->MouseInControl(); }));

  MoveMouseTo(OnTitleBar());
  ASSERT_TRUE(HoverBecomes(window, tk::THoverArea::NonClient)) << "the title bar is the same window's frame";
  EXPECT_TRUE(form->MouseInControl()) << "the frame belongs to the form";

  MoveMouseTo(ScreenPointOf(*form, 40, 40));
  ASSERT_TRUE(HoverBecomes(window, tk::THoverArea::Client));

  MoveMouseTo(CentreOf(*button));
  ASSERT_TRUE(HoverBecomes(button->Handle(), tk::THoverArea::Client));
  EXPECT_TRUE(PumpUntil([&] { return button->MouseInControl(); }));

  // Out through the frame: left by the title bar, then away from the window.
  MoveMouseTo(OnTitleBar());
  ASSERT_TRUE(HoverBecomes(window, tk::THoverArea::NonClient));
  MoveMouseTo(POINT{1, 1});
  ASSERT_TRUE(HoverBecomes(nullptr, tk::THoverArea::None)) << "leaving through the frame is noticed";
  EXPECT_TRUE(PumpUntil([&] { return !form->MouseInControl() && !button->MouseInControl(); }))
      << "nothing stays hot";
  ASSERT_FALSE(formEvents.empty());
  EXPECT_EQ(formEvents.front(), '+');
  EXPECT_EQ(formEvents.back(), '-');
  EXPECT_EQ(seen.back(), tk::THover{}) << "listeners heard the last change";
}

TEST_F(MouseTrackerTest, AForeignWindowFeedsTheSameRecord) {
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_DISABLENOSCROLL, 10, 10, 120, 100,
                              form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  tk::TWindowSubclass subclass(list);
  RECT r;
  GetWindowRect(list, &r);
  MoveMouseTo(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  EXPECT_TRUE(HoverBecomes(list, tk::THoverArea::Client));
  // On its scroll bar: its frame.
  MoveMouseTo(POINT{r.right - 2 - GetSystemMetrics(SM_CXVSCROLL) / 2, (r.top + r.bottom) / 2});
  EXPECT_TRUE(HoverBecomes(list, tk::THoverArea::NonClient));
  MoveMouseTo(ScreenPointOf(*form, 250, 40));
  EXPECT_TRUE(HoverBecomes(form->Handle(), tk::THoverArea::Client));
  DestroyWindow(list);
}

}  // namespace
