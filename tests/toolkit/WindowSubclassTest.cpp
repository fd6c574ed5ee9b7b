// Windows the toolkit did not create, on the toolkit's message path: a
// standard list box and a message box answer toolkit messages through
// WindowProc, and detach cleanly in any order.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "WindowTestSupport.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/ErrorRecord.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/WindowSubclass.h"

namespace {

using namespace testing_support;

constexpr WORD kIsSkinned = 7;  // the skin command's "do you take skin commands" question

// Answers the skin command's question and counts the paints it saw.
class Answering : public tk::TWindowSubclass {
public:
  using TWindowSubclass::TWindowSubclass;
  int paints = 0;
  int nonClientPaints = 0;
  bool destroyed = false;

protected:
  void WndProc(tk::TMessage& message) override {
    if (message.Msg == tk::SM_VEXACMD && HIWORD(message.WParam) == kIsSkinned) {
      message.Result = 1;
      message.LParam = 1;
      return;
    }
    if (message.Msg == WM_PAINT) ++paints;
    if (message.Msg == WM_NCPAINT) ++nonClientPaints;
    DefaultHandler(message);
  }
  void WindowDestroyed() override { destroyed = true; }
};

class WindowSubclassTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::RecordedErrors().Clear();
    form = ShowTestForm(300, 200);
    ASSERT_NE(form, nullptr);
    list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 10, 10,
                           150, 120, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    for (const wchar_t* text : {L"one", L"two", L"three"})
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  void TearDown() override {
    if (IsWindow(list)) DestroyWindow(list);
    tk::TComponent::Free(form);
    PumpPending();
    tk::RecordedErrors().Clear();
  }
  LRESULT AskIsSkinned(HWND window) { return SendMessageW(window, tk::SM_VEXACMD, MAKEWPARAM(0, kIsSkinned), 0); }

  tk::TForm* form = nullptr;
  HWND list = nullptr;
};

TEST_F(WindowSubclassTest, AListBoxAnswersToolkitMessagesAndKeepsItsOwnBehaviour) {
  EXPECT_EQ(AskIsSkinned(list), 0) << "a plain list box knows nothing of the skin command";
  Answering subclass(list);
  ASSERT_TRUE(subclass.Attached());
  EXPECT_EQ(AskIsSkinned(list), 1);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  EXPECT_GT(subclass.paints, 0);
  EXPECT_GT(subclass.nonClientPaints, 0);
  // The list box still works as a list box.
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  subclass.Detach();
  EXPECT_EQ(AskIsSkinned(list), 0) << "detached: the window has its own procedure back";
}

TEST_F(WindowSubclassTest, TwoLayersOnOneWindowDetachInEitherOrder) {
  for (bool outerFirst : {true, false}) {
    auto inner = std::make_unique<tk::TWindowSubclass>(list);
    std::vector<char> heard;
    inner->WindowProc.Install([&](tk::TMessage& m, const tk::TWndNext& next) {
      if (m.Msg == WM_APP) heard.push_back('i');
      next(m);
    });
    auto outer = std::make_unique<Answering>(list);
    EXPECT_EQ(AskIsSkinned(list), 1);
    SendMessageW(list, WM_APP, 0, 0);
    EXPECT_EQ(heard, std::vector<char>{'i'});
    if (outerFirst) {
      outer.reset();
      EXPECT_EQ(AskIsSkinned(list), 0);
      SendMessageW(list, WM_APP, 0, 0);
      EXPECT_EQ(heard.size(), 2u) << "the inner layer stays";
    } else {
      inner.reset();
      EXPECT_EQ(AskIsSkinned(list), 1) << "the outer layer stays";
      SendMessageW(list, WM_APP, 0, 0);
      EXPECT_EQ(heard.size(), 1u);
    }
    outer.reset();
    inner.reset();
    EXPECT_EQ(AskIsSkinned(list), 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
  }
}

TEST_F(WindowSubclassTest, ASubclassLetsGoWhenItsWindowIsDestroyed) {
  Answering subclass(list);
  DestroyWindow(list);
  EXPECT_TRUE(subclass.destroyed);
  EXPECT_FALSE(subclass.Attached());
}

TEST_F(WindowSubclassTest, AFailingPaintOfAForeignWindowIsRecordedAndPaintedPlainly) {
  tk::TWindowSubclass subclass(list);
  subclass.WindowProc.Install([](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == WM_PAINT) throw std::runtime_error("foreign paint failed");
    next(m);
  });
  for (int i = 0; i < 5; ++i) RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ASSERT_EQ(tk::RecordedErrors().Errors().size(), 1u);
  EXPECT_GE(tk::RecordedErrors().Errors()[0].Count, 5) << "recorded once, counted each time";
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(list, &update, FALSE)) << "the list box painted itself: nothing left to paint";
}

// A message box, adopted the way the dialog skinning adopts it: a
// computer-based-training hook subclasses it when it is activated.
HHOOK cbtHook = nullptr;
std::unique_ptr<Answering> adopted;
LRESULT answerOfTheBox = -1;

LRESULT CALLBACK AdoptDialogs(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && !adopted) {
    auto window = reinterpret_cast<HWND>(wParam);
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wstring(name) == L"#32770") {
      adopted = std::make_unique<Answering>(window);
      // Asked once the box runs its own loop, then closed like a click on OK.
      PostMessageW(window, WM_APP + 1, 0, 0);
      adopted->WindowProc.Install([window](tk::TMessage& m, const tk::TWndNext& next) {
        if (m.Msg == WM_APP + 1) {
          answerOfTheBox = SendMessageW(window, tk::SM_VEXACMD, MAKEWPARAM(0, kIsSkinned), 0);
          PostMessageW(window, WM_COMMAND, IDOK, 0);
          return;
        }
        next(m);
      });
    }
  }
  return CallNextHookEx(cbtHook, code, wParam, lParam);
}

TEST_F(WindowSubclassTest, AMessageBoxAnswersToolkitMessages) {
  cbtHook = SetWindowsHookExW(WH_CBT, AdoptDialogs, nullptr, GetCurrentThreadId());
  ASSERT_NE(cbtHook, nullptr);
  const int result = MessageBoxW(form->Handle(), L"Adopted?", L"Box", MB_OK);
  UnhookWindowsHookEx(cbtHook);
  ASSERT_NE(adopted, nullptr);
  EXPECT_EQ(answerOfTheBox, 1) << "the box answered through the toolkit's message path";
  EXPECT_EQ(result, IDOK);
  EXPECT_GT(adopted->paints + adopted->nonClientPaints, 0) << "its painting passed through the subclass";
  EXPECT_TRUE(adopted->destroyed);
  adopted.reset();
}

}  // namespace
