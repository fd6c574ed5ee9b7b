// A form keeps its client size whatever frame its window gets, and window
// creation nests: a window created from a hook during another creation binds
// to its own control, and the interrupted one still sees its first messages.

#include <gtest/gtest.h>

#include <memory>

#include "WindowTestSupport.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Menus.h"

namespace {

using namespace testing_support;

// Frame widths a skin might answer WM_NCCALCSIZE with: thin sides, a tall
// title bar.
constexpr int kSide = 4;
constexpr int kTitle = 30;

void ProviderFrame(tk::TMessage& m, const tk::TWndNext& next) {
  if (m.Msg != WM_NCCALCSIZE) return next(m);
  auto* rect = reinterpret_cast<RECT*>(m.LParam);  // rgrc[0] or the single RECT: both start here
  rect->left += kSide;
  rect->right -= kSide;
  rect->top += kTitle;
  rect->bottom -= kSide;
  m.Result = 0;
}

SIZE ClientOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}
SIZE WindowSizeOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

class FormFrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    form = tk::Create<tk::TForm>(nullptr);
    form->SetBorderStyle(tk::bsSingle);
    form->SetPosition(tk::poScreenCenter);
    form->SetClientSize(321, 203);
  }
  void TearDown() override {
    tk::TComponent::Free(form);
    PumpPending();
  }
  void ExpectClientSize(const char* context) {
    const SIZE client = ClientOf(form->Handle());
    EXPECT_EQ(client.cx, 321) << context;
    EXPECT_EQ(client.cy, 203) << context;
  }
  tk::TForm* form = nullptr;
};

TEST_F(FormFrameTest, AFrameProviderFromTheStartKeepsTheStoredClientSize) {
  form->WindowProc.Install(ProviderFrame);
  form->Show();
  ExpectClientSize("provider in place before the window exists");
  const SIZE outer = WindowSizeOf(form->Handle());
  EXPECT_EQ(outer.cx, 321 + 2 * kSide);
  EXPECT_EQ(outer.cy, 203 + kTitle + kSide) << "the window is sized around the provider's frame";
}

TEST_F(FormFrameTest, TakingTheFrameOverAndGivingItBackKeepsTheClientSize) {
  form->Show();
  ExpectClientSize("system frame");
  const tk::TWndHookId provider = form->WindowProc.Install(ProviderFrame);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectClientSize("after a provider took the frame over");
  EXPECT_EQ(WindowSizeOf(form->Handle()).cx, 321 + 2 * kSide);
  form->WindowProc.Remove(provider);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectClientSize("after the provider gave the frame back");
}

TEST_F(FormFrameTest, AMenuBarKeepsTheClientSizeAndAnExplicitSizeIsTaken) {
  auto* menu = tk::Create<tk::TMainMenu>(form);
  auto* file = tk::Create<tk::TMenuItem>(form);
  file->SetCaption("File");
  menu->Items()->Add(file);
  form->SetMenu(menu);
  form->Show();
  ExpectClientSize("with a menu bar");
  form->SetClientSize(200, 100);
  EXPECT_EQ(ClientOf(form->Handle()).cx, 200);
  EXPECT_EQ(ClientOf(form->Handle()).cy, 100);
}

// A size given while whatever paints the frame shapes the window for the
// new size (as a skin does, cutting its corners away on the frame paint the
// sizing itself causes, before the window is told its new size): the shaping
// is a frame change, and it must not take the window back to the old size.
TEST_F(FormFrameTest, ASizeGivenWhileTheFramePaintShapesTheWindowIsTaken) {
  form->SetBorderStyle(tk::bsSizeable);
  form->Show();
  const HWND h = form->Handle();
  SIZE shaped = WindowSizeOf(h);
  int shapings = 0;
  form->WindowProc.Install([&](tk::TMessage& m, const tk::TWndNext& next) {
    next(m);
    if (m.Msg != WM_NCPAINT) return;
    const SIZE now = WindowSizeOf(h);
    if (now.cx == shaped.cx && now.cy == shaped.cy) return;
    shaped = now;
    ++shapings;
    SetWindowRgn(h, CreateRectRgn(0, 0, now.cx, now.cy - 1), TRUE);
  });
  const struct {
    const char* what;
    bool bounds;  // the toolkit's SetBounds, else SetWindowPos
    int dx, dy;
  } cases[] = {
      {"SetWindowPos grows", false, 100, 60},
      {"SetWindowPos shrinks", false, -120, -50},
      {"SetBounds grows", true, 80, 40},
      {"SetBounds shrinks", true, -70, -30},
  };
  for (const auto& c : cases) {
    const SIZE before = WindowSizeOf(h);
    const SIZE client = ClientOf(h);
    const int shapingsBefore = shapings;
    if (c.bounds)
      form->SetBounds(form->Left(), form->Top(), before.cx + c.dx, before.cy + c.dy);
    else
      SetWindowPos(h, nullptr, 0, 0, before.cx + c.dx, before.cy + c.dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpPending();
    EXPECT_GT(shapings, shapingsBefore) << c.what << ": the frame paint shaped the window";
    EXPECT_EQ(WindowSizeOf(h).cx, before.cx + c.dx) << c.what;
    EXPECT_EQ(WindowSizeOf(h).cy, before.cy + c.dy) << c.what;
    EXPECT_EQ(form->Width(), before.cx + c.dx) << c.what;
    EXPECT_EQ(ClientOf(h).cx, client.cx + c.dx) << c.what;
    EXPECT_EQ(ClientOf(h).cy, client.cy + c.dy) << c.what;
    // The size given is the client size a new frame keeps from now on.
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(ClientOf(h).cx, client.cx + c.dx) << c.what << ": after a frame change";
    EXPECT_EQ(ClientOf(h).cy, client.cy + c.dy) << c.what << ": after a frame change";
  }
}

// A toolkit form created by a computer-based-training hook while another
// toolkit window is being created, before that one saw any message.
HHOOK nestingHook = nullptr;
HWND outerWindow = nullptr;
tk::TForm* nestedForm = nullptr;

LRESULT CALLBACK CreateWhileCreating(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && !nestedForm && !outerWindow) {
    outerWindow = reinterpret_cast<HWND>(wParam);
    nestedForm = tk::Create<tk::TForm>(nullptr);
    nestedForm->HandleNeeded();
  }
  return CallNextHookEx(nestingHook, code, wParam, lParam);
}

TEST_F(FormFrameTest, ACreationInsideAnotherBindsEachWindowToItsOwnControl) {
  int outerCalcSizes = 0;
  form->WindowProc.Install([&](tk::TMessage& m, const tk::TWndNext& next) {
    if (m.Msg == WM_NCCALCSIZE) ++outerCalcSizes;
    next(m);
  });
  nestingHook = SetWindowsHookExW(WH_CBT, CreateWhileCreating, nullptr, GetCurrentThreadId());
  form->HandleNeeded();
  UnhookWindowsHookEx(nestingHook);
  ASSERT_NE(nestedForm, nullptr);
  EXPECT_EQ(form->Handle(), outerWindow);
  EXPECT_EQ(tk::TWinControl::FindControl(form->Handle()), form);
  EXPECT_EQ(tk::TWinControl::FindControl(nestedForm->Handle()), nestedForm);
  EXPECT_NE(nestedForm->Handle(), form->Handle());
  EXPECT_GE(outerCalcSizes, 1) << "the interrupted window saw its first WM_NCCALCSIZE";
  tk::TComponent::Free(nestedForm);
  nestedForm = nullptr;
  outerWindow = nullptr;
}

}  // namespace
