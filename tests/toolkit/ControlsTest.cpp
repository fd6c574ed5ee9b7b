// Controls in a real window under real input.

#include <gtest/gtest.h>

#include <vector>

#include "WindowTestSupport.h"
#include "toolkit/win/ActionList.h"
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

class ControlsTest : public ::testing::Test {
protected:
  void SetUp() override {
    tk::Application().Initialize();
    form = tk::Create<tk::TForm>(nullptr);
    form->SetBorderStyle(tk::bsSingle);
    form->SetClientSize(300, 200);
    form->SetPosition(tk::poScreenCenter);
    form->SetKeyPreview(true);
    button = tk::Create<tk::TButton>(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 26);
    button->SetCaption("Run");
    group = tk::Create<tk::TGroupBox>(form);
    group->SetParent(form);
    group->SetBounds(10, 50, 280, 100);
    group->SetCaption("Group");
    first = tk::Create<tk::TEdit>(form);
    first->SetParent(group);
    first->SetBounds(10, 20, 100, 23);
    second = tk::Create<tk::TEdit>(form);
    second->SetParent(group);
    second->SetBounds(120, 20, 100, 23);
    speed = tk::Create<tk::TSpeedButton>(form);
    speed->SetParent(group);
    speed->SetBounds(230, 20, 23, 22);
    speed->SetCaption(">>");
    label = tk::Create<tk::TLabel>(form);
    label->SetParent(group);
    label->SetBounds(10, 60, 100, 15);
    label->SetCaption("Label");
    form->Show();
    ASSERT_TRUE(BringToFront(form->Handle()));
  }
  void TearDown() override {
    tk::TComponent::Free(form);
    PumpPending();
  }

  tk::TForm* form = nullptr;
  tk::TButton* button = nullptr;
  tk::TGroupBox* group = nullptr;
  tk::TEdit* first = nullptr;
  tk::TEdit* second = nullptr;
  tk::TSpeedButton* speed = nullptr;
  tk::TLabel* label = nullptr;
};

TEST_F(ControlsTest, TheFormHasTheClientSizeAskedFor) {
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
}

TEST_F(ControlsTest, ClickingTheButtonRunsOnClick) {
  int clicks = 0;
  button->OnClick = [&](tk::TObject* sender) {
    EXPECT_EQ(sender, button);
    ++clicks;
  };
  ClickControl(*button);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
}

TEST_F(ControlsTest, TypingIntoAnEditChangesItsText) {
  int changes = 0;
  first->OnChange = [&](tk::TObject*) { ++changes; };
  first->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return first->Focused(); }));
  TypeText(L"116.391");
  EXPECT_TRUE(PumpUntil([&] { return first->Text() == "116.391"; })) << first->Text();
  EXPECT_EQ(changes, 7);
}

TEST_F(ControlsTest, TabCyclesThroughTheTabOrderIntoTheGroup) {
  button->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return button->Focused(); }));
  const std::vector<tk::TWinControl*> expected{first, second, button};
  for (tk::TWinControl* next : expected) {
    PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return next->Focused(); })) << next->ClassName();
  }
}

TEST_F(ControlsTest, AWindowedControlFreedAloneLeavesTheTabOrder) {
  second->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return second->Focused(); }));
  tk::TComponent::Free(second);
  second = nullptr;
  EXPECT_EQ(group->ControlCount(), 3);
  std::vector<tk::TWinControl*> order;
  form->GetTabOrderList(order);
  EXPECT_EQ(order, (std::vector<tk::TWinControl*>{button, group, first}));
  first->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return first->Focused(); }));
  PressKey(VK_TAB);
  EXPECT_TRUE(PumpUntil([&] { return button->Focused(); }));
}

TEST_F(ControlsTest, ClickingTheSpeedButtonRunsOnClick) {
  int clicks = 0;
  speed->OnClick = [&](tk::TObject*) { ++clicks; };
  ClickControl(*speed);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
}

}  // namespace

namespace {

TEST_F(ControlsTest, EditPropertiesReachTheSystemEdit) {
  first->SetPasswordChar(L'*');
  first->SetText("secret");
  EXPECT_EQ(SendMessageW(first->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  EXPECT_EQ(first->Text(), "secret");
  // Border styles: sunken 3-D edge, flat line, none; the text survives the
  // window being made again for each.
  auto clientWidth = [&] {
    RECT r;
    GetClientRect(first->Handle(), &r);
    return r.right;
  };
  EXPECT_TRUE(GetWindowLongW(first->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(clientWidth(), first->Width() - 4);
  first->SetCtl3D(false);
  EXPECT_FALSE(GetWindowLongW(first->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  first->SetBorderStyle(tk::bsNone);
  EXPECT_FALSE(GetWindowLongW(first->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(clientWidth(), first->Width());
  EXPECT_EQ(first->Text(), "secret");
  EXPECT_EQ(SendMessageW(first->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  first->SetMaxLength(3);
  first->SetText("");
  first->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return first->Focused(); }));
  TypeText(L"12345");
  PumpPending();
  EXPECT_EQ(first->Text(), "123");
}

TEST_F(ControlsTest, AButtonsModalResultEndsShowModal) {
  auto* dialog = tk::Create<tk::TForm>(nullptr);
  dialog->SetBorderStyle(tk::bsDialog);
  dialog->SetClientSize(200, 80);
  dialog->SetPosition(tk::poMainFormCenter);
  auto* okButton = tk::Create<tk::TButton>(dialog);
  okButton->SetParent(dialog);
  okButton->SetBounds(60, 30, 80, 26);
  okButton->SetCaption("OK");
  okButton->SetModalResult(tk::mrOk);
  // While the modal loop runs: click the button like a user.
  auto* clicker = tk::Create<tk::TTimer>(dialog);
  clicker->SetInterval(50);
  clicker->SetOnTimer([&](tk::TObject*) {
    if (!okButton->Showing()) return;
    clicker->SetEnabled(false);
    BringToFront(dialog->Handle());
    ClickControl(*okButton);
  });
  EXPECT_EQ(dialog->ShowModal(), tk::mrOk);
  EXPECT_FALSE(dialog->Visible());
  // The other forms were disabled while it ran, and are enabled again.
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  tk::TComponent::Free(dialog);
}

}  // namespace
