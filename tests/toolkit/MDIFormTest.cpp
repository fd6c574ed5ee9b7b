// MDI forms on the platform's own MDI machinery: the parent's client window
// is a real "MDICLIENT", its children are created by it (WS_EX_MDICHILD),
// activation, maximizing, tiling and cascading go through the WM_MDI*
// messages, the keyboard's MDI accelerators reach the client window through
// the application's message loop, and aligned children of the parent leave
// the client window the rest of the client area. The active child's menu
// shows on the parent's bar, merged by GroupIndex.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "WindowTestSupport.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/StandardControls.h"
#include "toolkit/win/Unicode.h"

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

using TItems = std::vector<std::pair<std::string, int>>;  // caption, GroupIndex

tk::TMainMenu* MakeMenu(tk::TComponent* owner, const TItems& items) {
  auto* menu = tk::Create<tk::TMainMenu>(owner);
  for (const auto& [caption, group] : items) {
    auto* top = tk::Create<tk::TMenuItem>(owner);
    top->SetCaption(caption);
    top->SetGroupIndex(group);
    auto* sub = tk::Create<tk::TMenuItem>(owner);
    sub->SetCaption(caption + " item");
    top->Add(sub);
    menu->Items()->Add(top);
  }
  return menu;
}

// The captions of a bar's items with text, left to right.
std::vector<std::string> BarCaptions(HWND window) {
  std::vector<std::string> captions;
  HMENU bar = GetMenu(window);
  for (int i = 0; bar && i < GetMenuItemCount(bar); ++i) {
    wchar_t text[128] = {};
    if (GetMenuStringW(bar, static_cast<UINT>(i), text, 127, MF_BYPOSITION) > 0)
      captions.push_back(tk::WideToUtf8(text));
  }
  return captions;
}

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
  tk::TForm* AddChild(const std::string& caption, const TItems* menu = nullptr) {
    auto* child = tk::Create<tk::TForm>(nullptr);
    child->SetFormStyle(tk::fsMDIChild);
    child->SetMDIParent(parent);
    child->SetCaption(caption);
    child->SetBounds(10, 10, 200, 150);
    if (menu) child->SetMenu(MakeMenu(child, *menu));
    child->Show();
    children.push_back(child);
    return child;
  }
  // The parent's bar: File, Window (the window menu) and Help, of
  // GroupIndex 0, 5 and 9.
  void GiveParentMenu() {
    parent->SetMenu(MakeMenu(parent, {{"File", 0}, {"Window", 5}, {"Help", 9}}));
    parent->SetWindowMenu(parent->Menu()->Items()->Items(1));
    PumpPending();
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

TEST_F(MDIFormTest, TheActiveChildsItemsJoinTheBarByGroupIndex) {
  GiveParentMenu();
  const std::vector<std::string> parentOnly{"File", "Window", "Help"};
  const struct {
    const char* what;
    TItems child;
    std::vector<std::string> bar;
  } cases[] = {
      {"a new group between the parent's", {{"Edit", 3}}, {"File", "Edit", "Window", "Help"}},
      {"a group the parent has replaces its items", {{"Sheet", 0}, {"Edit", 3}}, {"Sheet", "Edit", "Window", "Help"}},
      {"groups above and after the parent's", {{"Tools", 7}, {"Extra", 12}}, {"File", "Window", "Tools", "Help", "Extra"}},
      {"several items of one group stay together in order", {{"A", 5}, {"B", 5}}, {"File", "A", "B", "Help"}},
      {"groups below all of the parent's", {{"First", -1}}, {"First", "File", "Window", "Help"}},
      {"an empty menu", {}, parentOnly},
  };
  for (const auto& c : cases) {
    tk::TForm* child = AddChild(c.what, &c.child);
    PumpPending();
    EXPECT_EQ(BarCaptions(parent->Handle()), c.bar) << c.what;
    tk::TComponent::Free(child);
    std::erase(children, child);
    PumpPending();
    EXPECT_EQ(BarCaptions(parent->Handle()), parentOnly) << c.what << ": the child's items leave with it";
  }
}

TEST_F(MDIFormTest, TheBarFollowsActivationItemChangesAndRunsTheChildsCommands) {
  GiveParentMenu();
  const TItems edit{{"Edit", 3}}, view{{"View", 3}, {"Tools", 7}};
  tk::TForm* first = AddChild("first", &edit);
  tk::TForm* second = AddChild("second", &view);
  tk::TForm* plain = AddChild("plain", nullptr);
  PumpPending();
  const std::vector<std::string> parentOnly{"File", "Window", "Help"};
  EXPECT_EQ(BarCaptions(parent->Handle()), parentOnly) << "a child without a menu shows the parent's alone";

  parent->MDIActivate(second);
  PumpPending();
  EXPECT_EQ(BarCaptions(parent->Handle()), (std::vector<std::string>{"File", "View", "Window", "Tools", "Help"}));
  parent->MDIActivate(first);
  PumpPending();
  EXPECT_EQ(BarCaptions(parent->Handle()), (std::vector<std::string>{"File", "Edit", "Window", "Help"}));

  // A change of the child's item shows on the parent's bar.
  first->Menu()->Items()->Items(0)->SetCaption("Edit2");
  EXPECT_EQ(BarCaptions(parent->Handle()), (std::vector<std::string>{"File", "Edit2", "Window", "Help"}));
  first->Menu()->Items()->Items(0)->SetVisible(false);
  EXPECT_EQ(BarCaptions(parent->Handle()), parentOnly) << "an invisible item leaves the bar";
  first->Menu()->Items()->Items(0)->SetVisible(true);
  // Owner drawing of the child's menu reaches its items on the bar.
  first->Menu()->SetOwnerDraw(true);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoW(GetMenu(parent->Handle()), 1, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << "the child's item is drawn by its owner";
  ASSERT_TRUE(GetMenuItemInfoW(GetMenu(parent->Handle()), 0, TRUE, &info));
  EXPECT_FALSE(info.fType & MFT_OWNERDRAW) << "the parent's item is not";
  first->Menu()->SetOwnerDraw(false);

  // The command of a child's item, as the bar sends it to the frame.
  bool clicked = false;
  tk::TMenuItem* sub = first->Menu()->Items()->Items(0)->Items(0);
  sub->OnClick = [&](tk::TObject*) { clicked = true; };
  SendMessageW(parent->Handle(), WM_COMMAND, MAKEWPARAM(sub->Command(), 0), 0);
  EXPECT_TRUE(clicked);

  // The rebuilt bar's window menu still lists the three children.
  HMENU window = parent->WindowMenu()->Handle();
  ASSERT_NE(window, nullptr);
  int listed = 0;
  for (int i = 0; i < GetMenuItemCount(window); ++i) {
    const UINT id = GetMenuItemID(window, i);
    for (tk::TForm* child : {first, second, plain})
      if (id == static_cast<UINT>(GetWindowLongW(child->Handle(), GWL_ID))) ++listed;
  }
  EXPECT_EQ(listed, 3) << "the window menu lists every child";

  parent->MDIActivate(plain);
  PumpPending();
  EXPECT_EQ(BarCaptions(parent->Handle()), parentOnly);
}

TEST_F(MDIFormTest, AMaximizedChildKeepsTheSystemsItemsOnTheBarAcrossAMerge) {
  GiveParentMenu();
  const TItems edit{{"Edit", 3}}, view{{"View", 3}};
  tk::TForm* first = AddChild("first", &edit);
  tk::TForm* second = AddChild("second", &view);
  PumpPending();
  parent->MDIMaximize(second);
  PumpPending();
  HMENU bar = GetMenu(parent->Handle());
  const int withSystemItems = GetMenuItemCount(bar);
  const int systemItems = withSystemItems - 4;
  ASSERT_GT(systemItems, 0) << "the window system adds the maximized child's items to the bar";
  parent->MDIActivate(first);
  PumpPending();
  EXPECT_EQ(BarCaptions(parent->Handle()), (std::vector<std::string>{"File", "Edit", "Window", "Help"}));
  EXPECT_EQ(GetMenuItemCount(GetMenu(parent->Handle())), withSystemItems);
  EXPECT_NE(GetSubMenu(GetMenu(parent->Handle()), 0), parent->Menu()->Items()->Items(0)->Handle())
      << "the child's window menu stays in front of the items";
  parent->MDIRestore(first);
  PumpPending();
  EXPECT_EQ(GetMenuItemCount(GetMenu(parent->Handle())), 4) << "restored: only the items are left";
}

}  // namespace
