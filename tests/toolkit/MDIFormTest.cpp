// MDI forms on the platform's own MDI machinery: the parent's client window
// is a real "MDICLIENT", its children are created by it (WS_EX_MDICHILD),
// activation, maximizing, tiling and cascading go through the WM_MDI*
// messages, the keyboard's MDI accelerators reach the client window through
// the application's message loop, and aligned children of the parent leave
// the client window the rest of the client area.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/StandardControls.h"

namespace {

using namespace testing_support;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// A rectangle in the parent window's client coordinates.
RECT RectInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND ActiveOf(HWND client, BOOL* maximized = nullptr) {
  BOOL zoomed = FALSE;
  const auto active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)));
  if (maximized) *maximized = zoomed;
  return active;
}

// Tells when its owner frees it.
struct FreedFlag : tk::TComponent {
  using tk::TComponent::TComponent;
  ~FreedFlag() override {
    if (freed) *freed = true;
  }
  bool* freed = nullptr;
};

class MDIFormTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    parent = tk::Create<tk::TForm>(nullptr);
    parent->SetFormStyle(tk::fsMDIForm);
    parent->SetPosition(tk::poScreenCenter);
    parent->SetClientSize(500, 360);
    parent->SetCaption("MDI parent");
    parent->Show();
    ASSERT_TRUE(BringToFront(parent->Handle()));
  }
  void TearDown() override {
    for (tk::TForm* child : children) tk::TComponent::Free(child);
    tk::TComponent::Free(parent);
    PumpPending();
  }
  tk::TForm* AddChild(const std::string& caption) {
    auto* child = tk::Create<tk::TForm>(nullptr);
    child->SetFormStyle(tk::fsMDIChild);
    child->SetMDIParent(parent);
    child->SetCaption(caption);
    child->SetBounds(10, 10, 200, 150);
    child->Show();
    children.push_back(child);
    return child;
  }
  HWND Client() const { return parent->ClientHandle(); }
  tk::TForm* parent = nullptr;
  std::vector<tk::TForm*> children;
};

TEST_F(MDIFormTest, TheParentHoldsARealClientWindowAndItsChildrenAreMDIChildren) {
  ASSERT_NE(Client(), nullptr);
  EXPECT_EQ(CompareStringOrdinal(ClassOf(Client()).c_str(), -1, L"MDICLIENT", -1, TRUE), CSTR_EQUAL);
  EXPECT_EQ(GetParent(Client()), parent->Handle());
  RECT client;
  GetClientRect(parent->Handle(), &client);
  const RECT area = RectInParent(Client());
  EXPECT_TRUE(EqualRect(&area, &client)) << "without aligned children the client window fills the client area";

  tk::TForm* first = AddChild("first");
  tk::TForm* second = AddChild("second");
  for (tk::TForm* child : {first, second}) {
    EXPECT_EQ(GetParent(child->Handle()), Client());
    EXPECT_NE(GetWindowLongW(child->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD, 0);
    EXPECT_EQ(tk::TWinControl::FindControl(child->Handle()), child) << "bound to its form from the first message";
  }
  EXPECT_EQ(ActiveOf(Client()), second->Handle()) << "a child shown last is the active one";
  EXPECT_EQ(parent->ActiveMDIChild(), second);
  EXPECT_EQ(parent->MDIChildCount(), 2);
  parent->MDIActivate(first);
  EXPECT_EQ(ActiveOf(Client()), first->Handle());
  EXPECT_TRUE(first->Active());
  EXPECT_FALSE(second->Active());
}

TEST_F(MDIFormTest, MaximizeRestoreTileAndCascadeAreTheClientWindowsOwn) {
  tk::TForm* first = AddChild("first");
  tk::TForm* second = AddChild("second");

  parent->MDIMaximize(second);
  bool maximized = false;
  EXPECT_EQ(parent->ActiveMDIChild(&maximized), second);
  EXPECT_TRUE(maximized);
  EXPECT_TRUE(IsZoomed(second->Handle()));
  parent->MDIRestore(second);
  EXPECT_FALSE(IsZoomed(second->Handle()));

  // A maximize command on the child itself goes through DefMDIChildProc.
  SendMessageW(first->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_TRUE(IsZoomed(first->Handle()));
  EXPECT_EQ(parent->ActiveMDIChild(&maximized), first);
  EXPECT_TRUE(maximized);
  parent->MDIRestore(first);

  parent->SetTileMode(tk::tbVertical);
  parent->Tile();
  RECT client;
  GetClientRect(Client(), &client);
  const RECT a = RectInParent(first->Handle());
  const RECT b = RectInParent(second->Handle());
  EXPECT_EQ(a.top, b.top) << "tiled vertically: side by side";
  EXPECT_NE(a.left, b.left);
  EXPECT_EQ(a.right - a.left + b.right - b.left, client.right) << "the two share the client width";

  parent->Cascade();
  const RECT c1 = RectInParent(first->Handle());
  const RECT c2 = RectInParent(second->Handle());
  EXPECT_NE(c1.left, c2.left) << "cascaded: each offset from the one behind";
  EXPECT_NE(c1.top, c2.top);
}

TEST_F(MDIFormTest, AlignedChildrenOfTheParentShrinkTheClientWindow) {
  auto* top = tk::Create<tk::TListBox>(parent);
  top->SetBounds(0, 0, 10, 30);
  top->SetAlign(tk::alTop);
  top->SetParent(parent);
  auto* left = tk::Create<tk::TListBox>(parent);
  left->SetBounds(0, 0, 50, 10);
  left->SetAlign(tk::alLeft);
  left->SetParent(parent);
  auto* bottom = tk::Create<tk::TListBox>(parent);
  bottom->SetBounds(0, 0, 10, 20);
  bottom->SetAlign(tk::alBottom);
  bottom->SetParent(parent);
  PumpPending();

  struct Case {
    const char* what;
    int clientWidth, clientHeight;
  };
  for (const Case& c : {Case{"as created", 500, 360}, Case{"after a resize", 420, 300}}) {
    parent->SetClientSize(c.clientWidth, c.clientHeight);
    const RECT area = RectInParent(Client());
    EXPECT_EQ(area.left, 50) << c.what;
    EXPECT_EQ(area.top, 30) << c.what;
    EXPECT_EQ(area.right, c.clientWidth) << c.what;
    EXPECT_EQ(area.bottom, c.clientHeight - 20) << c.what;
    EXPECT_EQ(RectInParent(top->Handle()).right, c.clientWidth) << c.what;
    EXPECT_EQ(RectInParent(left->Handle()).bottom, c.clientHeight - 20) << c.what;
  }
  left->SetVisible(false);
  EXPECT_EQ(RectInParent(Client()).left, 0) << "a hidden aligned child leaves its room";
}

TEST_F(MDIFormTest, TheKeyboardsMDIAcceleratorsReachTheClientThroughTheMessageLoop) {
  tk::TForm* first = AddChild("first");
  tk::TForm* second = AddChild("second");
  ASSERT_TRUE(PumpUntil([&] { return ActiveOf(Client()) == second->Handle(); }));
  PressChord({VK_CONTROL, VK_F6});
  EXPECT_TRUE(PumpUntil([&] { return ActiveOf(Client()) == first->Handle(); })) << "Ctrl+F6: the next child";

  // Ctrl+F4 closes the active child; a closed MDI child is freed.
  bool freed = false;
  auto* flag = tk::Create<FreedFlag>(first);
  flag->freed = &freed;
  const HWND window = first->Handle();
  PressChord({VK_CONTROL, VK_F4});
  EXPECT_TRUE(PumpUntil([&] { return freed; })) << "Ctrl+F4 closed and freed the active child";
  EXPECT_FALSE(IsWindow(window));
  if (freed) std::erase(children, first);
  EXPECT_EQ(parent->MDIChildCount(), 1);
  EXPECT_EQ(ActiveOf(Client()), second->Handle());
}

TEST_F(MDIFormTest, TheFramesUnhandledCommandsReachDefFrameProc) {
  tk::TForm* first = AddChild("first");
  AddChild("second");
  // The child list's commands (as a window menu sends them) are the frame
  // procedure's: the first child has the first command number.
  const int firstId = GetWindowLongW(first->Handle(), GWL_ID);
  SendMessageW(parent->Handle(), WM_COMMAND, MAKEWPARAM(firstId, 0), 0);
  EXPECT_EQ(ActiveOf(Client()), first->Handle());
}

}  // namespace
