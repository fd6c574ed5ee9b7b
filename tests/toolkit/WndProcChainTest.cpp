// Window-procedure hooks with identity on real controls: layers install and
// remove their own hooks in any order, and the control behaves as before.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/ErrorRecord.h"
#include "toolkit/win/Form.h"

namespace {

using namespace testing_support;

constexpr UINT kProbe = WM_APP + 7;  // a message nobody but the hooks knows

class WndProcChainTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    tk::RecordedErrors().Clear();
    form = tk::Create<tk::TForm>(nullptr);
    form->SetBorderStyle(tk::bsSingle);
    form->SetClientSize(240, 120);
    form->SetPosition(tk::poScreenCenter);
    button = tk::Create<tk::TButton>(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 90, 28);
    button->SetCaption("Run");
    button->OnClick = [this](tk::TObject*) { ++clicks; };
    form->Show();
    ASSERT_TRUE(BringToFront(form->Handle()));
  }
  void TearDown() override {
    LeftButtonUp();
    tk::TComponent::Free(form);
    PumpPending();
    tk::RecordedErrors().Clear();
  }

  // A recorder named `name`: notes the probe message and passes everything on.
  tk::TWndHookId Recorder(char name) {
    return button->WindowProc.Install([this, name](tk::TMessage& m, const tk::TWndNext& next) {
      if (m.Msg == kProbe) heard.push_back(name);
      next(m);
    });
  }
  std::string Probe() {
    heard.clear();
    SendMessageW(button->Handle(), kProbe, 0, 0);
    return heard;
  }
  // The button still does what a button does: text through the window, a
  // real click runs OnClick.
  void ExpectButtonIntact(const std::string& context) {
    const std::string text = "Run " + context;
    button->SetCaption(text);
    EXPECT_EQ(button->Caption(), text) << context;
    const int before = clicks;
    ClickControl(*button);
    EXPECT_TRUE(PumpUntil([&] { return clicks == before + 1; })) << context;
  }

  tk::TForm* form = nullptr;
  tk::TButton* button = nullptr;
  int clicks = 0;
  std::string heard;
};

TEST_F(WndProcChainTest, ThreeHooksRemovedInEveryOrderLeaveTheButtonIntact) {
  std::array<int, 3> order{0, 1, 2};
  do {
    const std::array<tk::TWndHookId, 3> ids{Recorder('A'), Recorder('B'), Recorder('C')};
    const std::string context = "removal order " + std::to_string(order[0]) + std::to_string(order[1]) +
                                std::to_string(order[2]);
    EXPECT_EQ(Probe(), "CBA") << "the latest hook sees the message first; " << context;
    ExpectButtonIntact(context);
    std::string remaining = "ABC";
    for (int index : order) {
      EXPECT_TRUE(button->WindowProc.Remove(ids[static_cast<std::size_t>(index)])) << context;
      EXPECT_FALSE(button->WindowProc.Remove(ids[static_cast<std::size_t>(index)])) << "removed once only";
      remaining.erase(remaining.find(static_cast<char>('A' + index)), 1);
      std::string expected(remaining.rbegin(), remaining.rend());
      EXPECT_EQ(Probe(), expected) << context;
      ExpectButtonIntact(context);
    }
    EXPECT_EQ(button->WindowProc.HookCount(), 0);
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(WndProcChainTest, AHookRemovedWhileAMessageIsInFlightIsSkippedAndStaysAliveWhileRunning) {
  auto owned = std::make_unique<int>(5);
  int* observed = owned.get();
  tk::TWndHookId below = Recorder('A');
  // The middle hook holds an object that goes with its removal.
  tk::TWndHookId middle = button->WindowProc.Install([this, observed](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == kProbe) heard.push_back(static_cast<char>('0' + *observed));
    next(m);
  });
  button->WindowProc.Install([&](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == kProbe) {
      heard.push_back('T');
      button->WindowProc.Remove(middle);  // its owner frees what it refers to
      owned.reset();
    }
    next(m);
  });
  EXPECT_EQ(Probe(), "TA") << "the removed hook is not called on the way down";
  EXPECT_EQ(Probe(), "TA");
  EXPECT_TRUE(button->WindowProc.Remove(below));
}

TEST_F(WndProcChainTest, AThrowingHookIsRecordedOnceAndTheControlHandlesTheMessageItself) {
  Recorder('A');
  button->WindowProc.Install([](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == WM_SETTEXT || m.Msg == kProbe) throw std::runtime_error("hook failed");
    next(m);
  });
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Probe(), "A") << "the rest of the chain still sees the message";
  ExpectButtonIntact("after a failing hook");
  ASSERT_EQ(tk::RecordedErrors().Errors().size(), 1u) << "one failure, recorded once";
  EXPECT_EQ(tk::RecordedErrors().Errors()[0].What, "hook failed");
  EXPECT_GE(tk::RecordedErrors().Errors()[0].Count, 4);
}

TEST_F(WndProcChainTest, AFailureBelowAHookIsNotBlamedOnTheHook) {
  tk::TWndProcChain chain([](tk::TMessage&) { throw std::logic_error("base failed"); });
  int hookCalls = 0;
  chain.Install([&](tk::TMessage& m, const tk::TWndNext& next) {
    ++hookCalls;
    next(m);
  });
  tk::TMessage m{kProbe, 0, 0, 0};
  EXPECT_THROW(chain(m), std::logic_error) << "the base's failure goes to the window's own handling";
  EXPECT_EQ(hookCalls, 1) << "and the hook is not run a second time";
  EXPECT_TRUE(tk::RecordedErrors().Errors().empty());
}

TEST_F(WndProcChainTest, AScopedHookGoesWithItsScopeAndMayOutliveTheChain) {
  {
    tk::TScopedWndHook scoped(button->WindowProc, [this](tk::TMessage& m, const tk::TWndNext& next) {
      if (m.Msg == kProbe) heard.push_back('S');
      next(m);
    });
    EXPECT_EQ(Probe(), "S");
  }
  EXPECT_EQ(Probe(), "");
  auto chain = std::make_unique<tk::TWndProcChain>([](tk::TMessage&) {});
  tk::TScopedWndHook outliving(*chain, [](tk::TMessage&, const tk::TWndNext&) {});
  chain.reset();
  outliving.Reset();  // nothing to remove from any more; no crash
  EXPECT_EQ(outliving.Id(), 0u);
}

}  // namespace
