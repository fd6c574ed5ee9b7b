// What subclasses of the toolkit's controls are told, through the
// replaceable window procedure, while a real window is used.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "WindowTestSupport.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/GroupBox.h"
#include "toolkit/win/Label.h"
#include "toolkit/win/SpeedButton.h"
#include "toolkit/win/Timer.h"

namespace {

using namespace testing_support;

struct Seen {
  const tk::TControl* control;
  UINT msg;
  LPARAM lParam;
};

class NotificationTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    form = tk::Create<tk::TForm>(nullptr);
    form->SetBorderStyle(tk::bsSingle);
    form->SetClientSize(320, 180);
    form->SetPosition(tk::poScreenCenter);
    ok = Make<tk::TButton>(form, 10, 140, 80, 26, "OK");
    cancel = Make<tk::TButton>(form, 100, 140, 80, 26, "Cancel");
    group = Make<tk::TGroupBox>(form, 10, 10, 300, 110, "Group");
    edit = Make<tk::TEdit>(group, 10, 25, 120, 23, "");
    speed = Make<tk::TSpeedButton>(group, 150, 25, 40, 24, ">>");
    label = Make<tk::TLabel>(group, 10, 70, 80, 15, "Label");
    ok->SetDefault(true);
    cancel->SetCancel(true);
    for (tk::TControl* c : std::vector<tk::TControl*>{form, ok, cancel, group, edit, speed, label}) Watch(c);
    form->Show();
    ASSERT_TRUE(BringToFront(form->Handle()));
  }
  void TearDown() override {
    LeftButtonUp();
    tk::TComponent::Free(form);
    PumpPending();
  }

  template <class T>
  T* Make(tk::TWinControl* parent, int left, int top, int width, int height, const char* text) {
    T* control = tk::Create<T>(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    control->SetCaption(text);
    return control;
  }

  // Puts a recorder in front of the control's window procedure, the way a
  // skin takes a control over.
  void Watch(tk::TControl* control) {
    control->WindowProc.Install([this, control](tk::TMessage& m, const tk::TWndNext& next) {
      if (m.Msg >= tk::CM_BASE && m.Msg < tk::CN_BASE) seen.push_back({control, m.Msg, m.LParam});
      next(m);
    });
  }

  int Count(const tk::TControl* control, UINT msg) const {
    return static_cast<int>(std::count_if(seen.begin(), seen.end(),
                                          [&](const Seen& s) { return s.control == control && s.msg == msg; }));
  }
  std::vector<UINT> MessagesOf(const tk::TControl* control, std::initializer_list<UINT> of) const {
    std::vector<UINT> result;
    for (const Seen& s : seen)
      if (s.control == control && std::find(of.begin(), of.end(), s.msg) != of.end()) result.push_back(s.msg);
    return result;
  }

  tk::TForm* form = nullptr;
  tk::TButton* ok = nullptr;
  tk::TButton* cancel = nullptr;
  tk::TGroupBox* group = nullptr;
  tk::TEdit* edit = nullptr;
  tk::TSpeedButton* speed = nullptr;
  tk::TLabel* label = nullptr;
  std::vector<Seen> seen;
};

TEST_F(NotificationTest, MouseEnterAndLeaveForGraphicAndWindowedControls) {
  MoveMouseTo(CentreOf(*speed));
  ASSERT_TRUE(PumpUntil([&] { return speed->MouseInControl(); }));
  MoveMouseTo(CentreOf(*ok));
  ASSERT_TRUE(PumpUntil([&] { return ok->MouseInControl(); }));
  MoveMouseTo(ScreenPointOf(*group, 250, 90));
  ASSERT_TRUE(PumpUntil([&] { return group->MouseInControl(); }));
  EXPECT_EQ(Count(speed, tk::CM_MOUSEENTER), 1);
  EXPECT_EQ(Count(speed, tk::CM_MOUSELEAVE), 1);
  EXPECT_EQ(Count(ok, tk::CM_MOUSEENTER), 1);
  EXPECT_EQ(Count(ok, tk::CM_MOUSELEAVE), 1);
  // The notification names the control it is about.
  for (const Seen& s : seen) {
    if (s.msg == tk::CM_MOUSEENTER || s.msg == tk::CM_MOUSELEAVE) {
      EXPECT_EQ(s.lParam, reinterpret_cast<LPARAM>(s.control));
    }
  }
}

TEST_F(NotificationTest, HoldingTheMouseAndDraggingOutLeavesTheControl) {
  int clicks = 0;
  speed->OnClick = [&](tk::TObject*) { ++clicks; };
  MoveMouseTo(CentreOf(*speed));
  LeftButtonDown();
  ASSERT_TRUE(PumpUntil([&] { return speed->State() == tk::bsDown; }));
  MoveMouseTo(ScreenPointOf(*group, 250, 90));
  ASSERT_TRUE(PumpUntil([&] { return !speed->MouseInControl(); }));
  EXPECT_EQ(speed->State(), tk::bsUp);
  LeftButtonUp();
  PumpPending();
  EXPECT_EQ(clicks, 0) << "released outside: no click";
}

TEST_F(NotificationTest, FocusEnterExitAndTheFocusChangedBroadcast) {
  edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }));
  seen.clear();
  ok->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return ok->Focused(); }));
  // Leaving the group: the edit and then the group exit; the button enters.
  EXPECT_EQ(MessagesOf(edit, {tk::CM_EXIT, tk::CM_ENTER}), std::vector<UINT>{tk::CM_EXIT});
  EXPECT_EQ(MessagesOf(group, {tk::CM_EXIT, tk::CM_ENTER}), std::vector<UINT>{tk::CM_EXIT});
  EXPECT_EQ(MessagesOf(ok, {tk::CM_EXIT, tk::CM_ENTER}), std::vector<UINT>{tk::CM_ENTER});
  // Every control of the form hears which control has the focus now,
  // graphic ones inside a group too.
  for (tk::TControl* c : std::vector<tk::TControl*>{form, cancel, group, edit, speed, label}) {
    auto it = std::find_if(seen.begin(), seen.end(), [&](const Seen& s) { return s.control == c && s.msg == tk::CM_FOCUSCHANGED; });
    ASSERT_NE(it, seen.end()) << c->ClassName();
    EXPECT_EQ(it->lParam, reinterpret_cast<LPARAM>(ok));
  }
  EXPECT_EQ(form->ActiveControl(), ok);
}

TEST_F(NotificationTest, EnterAndEscReachTheDefaultAndCancelButtons) {
  int okClicks = 0, cancelClicks = 0;
  ok->OnClick = [&](tk::TObject*) { ++okClicks; };
  cancel->OnClick = [&](tk::TObject*) { ++cancelClicks; };
  edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }));
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return okClicks == 1; }));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return cancelClicks == 1; }));
  // With the focus on a push button, Enter is that button's.
  cancel->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return cancel->Focused(); }));
  PressKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return cancelClicks == 2; }));
  EXPECT_EQ(okClicks, 1);
}

TEST_F(NotificationTest, StateChangesAreAnnounced) {
  seen.clear();
  speed->SetEnabled(false);
  speed->SetVisible(false);
  label->SetCaption("Other");
  group->Font().SetHeight(-13);
  EXPECT_EQ(Count(speed, tk::CM_ENABLEDCHANGED), 1);
  EXPECT_EQ(Count(speed, tk::CM_VISIBLECHANGED), 1);
  EXPECT_EQ(Count(label, tk::CM_TEXTCHANGED), 1);
  EXPECT_EQ(Count(group, tk::CM_FONTCHANGED), 1);
  // Children that take their parent's font follow it and say so.
  EXPECT_EQ(Count(edit, tk::CM_PARENTFONTCHANGED), 1);
  EXPECT_EQ(Count(edit, tk::CM_FONTCHANGED), 1);
  EXPECT_EQ(edit->Font().Height(), -13);
  EXPECT_EQ(speed->State(), tk::bsDisabled);

  // Typing sends the edit's change notification once per change.
  seen.clear();
  edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return edit->Focused(); }));
  TypeText(L"12");
  ASSERT_TRUE(PumpUntil([&] { return edit->Text() == "12"; }));
  EXPECT_EQ(Count(edit, tk::CM_CHANGED), 2);
}

TEST_F(NotificationTest, DirectDeliveryReturnsWhatTheHandlerWrote) {
  // A subclass answering in LParam: the sender of the record sees it.
  speed->WindowProc.Install([](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == tk::SM_VEXACMD) {
      m.LParam = 1;
      return;
    }
    next(m);
  });
  tk::TMessage query{tk::SM_VEXACMD, MAKEWPARAM(0, 7), 0, 0};
  speed->Deliver(query);
  EXPECT_EQ(query.LParam, 1);
  // Through the window system only the result comes back.
  EXPECT_EQ(SendMessageW(edit->Handle(), tk::SM_VEXACMD, 0, 0), 0);
}

TEST_F(NotificationTest, TimersTickOnTheInterfaceThread) {
  auto* timer = tk::Create<tk::TTimer>(form);
  timer->SetInterval(10);
  const DWORD thread = GetCurrentThreadId();
  int ticks = 0;
  timer->SetOnTimer([&](tk::TObject* sender) {
    EXPECT_EQ(sender, timer);
    EXPECT_EQ(GetCurrentThreadId(), thread);
    ++ticks;
  });
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer->SetEnabled(false);
  const int stopped = ticks;
  PumpPending();
  EXPECT_EQ(ticks, stopped);
}

}  // namespace
