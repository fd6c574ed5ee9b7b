// The skinned MDI parent's own minimize, maximize and restore, and its
// resizing, with a restored child and with a maximized one: afterwards the
// parent and its children are painted, the screen shows the parent's
// picture, and the parent's caption buttons and the child's buttons on its
// menu line lie at the new width and answer their hit codes.
#include <gtest/gtest.h>

#include <string>

#include "MDIFrameFixture.h"
#include "skin/forms/sTitleButtons.h"

namespace {

using namespace mdifix;
using namespace testing_support;

class MDIParentStateTest : public MDIParentFixture {
protected:
  enum class State { normal, maximized, minimized };
  State ParentState() const {
    if (IsIconic(form->Handle())) return State::minimized;
    return IsZoomed(form->Handle()) ? State::maximized : State::normal;
  }
  LRESULT HitAt(int id) {
    const POINT p = ButtonCentre(id);
    return SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  }
};

TEST_F(MDIParentStateTest, TheParentsOwnMinimizeMaximizeAndRestoreLeaveBothWindowsPainted) {
  enum How { click, command };
  const struct {
    const char* what;
    How how;
    int what_;  // the button clicked, or the system command sent
    State after;
  } steps[] = {
      {"maximized by its button", click, skin::kButtonMaximize, State::maximized},
      {"restored by its button", click, skin::kButtonMaximize, State::normal},
      {"minimized by its button", click, skin::kButtonMinimize, State::minimized},
      {"restored from the icon", command, SC_RESTORE, State::normal},
      {"maximized by the system command", command, SC_MAXIMIZE, State::maximized},
      {"minimized while maximized", command, SC_MINIMIZE, State::minimized},
      {"restored to maximized", command, SC_RESTORE, State::maximized},
      {"restored by the system command", command, SC_RESTORE, State::normal},
  };
  for (bool childMaximized : {false, true}) {
    SetUp();
    tk::TForm* child = AddMDIChild("Child");
    if (childMaximized) Maximize(child);
    PumpPending();
    for (const auto& step : steps) {
      const std::string what = std::string(step.what) + (childMaximized ? ", child maximized" : ", child restored");
      if (step.how == click) {
        ASSERT_GT(provider->Button(step.what_)->Rect.Width(), 0) << what;
        ClickAt(ButtonCentre(step.what_));
      } else {
        SendMessageW(form->Handle(), WM_SYSCOMMAND, step.what_, 0);
      }
      ASSERT_TRUE(PumpUntil([&] { return ParentState() == step.after; })) << what;
      if (step.after != State::minimized) MouseToClientCorner();
      PumpPending();
      EXPECT_EQ(ChildMaximized(child), childMaximized) << what << ": the child keeps its state";
      EXPECT_FALSE(provider->SkinData().deferPaint) << what << ": the parent's painting does not wait";
      if (step.after == State::minimized) continue;

      ExpectAllPainted(what);
      const skin::TsFrameMetrics fm = provider->Metrics();
      RECT window{};
      GetWindowRect(form->Handle(), &window);
      EXPECT_EQ(fm.width, window.right - window.left) << what;
      EXPECT_EQ(HitAt(skin::kButtonMaximize), HTMAXBUTTON) << what << ": maximize (restore) at its place";
      EXPECT_EQ(HitAt(skin::kButtonMinimize), HTMINBUTTON) << what;
      EXPECT_EQ(HitAt(skin::kButtonClose), HTCLOSE) << what;
      EXPECT_GE(provider->Button(skin::kButtonClose)->Rect.Right, fm.width - fm.frameWidth - 8)
          << what << ": the caption buttons lie at the right edge of the new width";
      EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Width() > 0, childMaximized) << what;
      if (childMaximized) {
        EXPECT_EQ(provider->Button(skin::HTCHILDCLOSE)->Rect.Right, fm.width - fm.frameWidth - 1)
            << what << ": the child's buttons lie at the right end of the menu line";
        for (int id : {skin::HTCHILDMIN, skin::HTCHILDMAX, skin::HTCHILDCLOSE})
          EXPECT_EQ(HitAt(id), id) << what << ": child button " << id;
      }
    }
    Free();
  }
}

TEST_F(MDIParentStateTest, AResizedParentShowsItsAreaWhereTheClientWindowIsNow) {
  // The window is sized before its client window follows: a picture made
  // in between has the area at the client window's old place.
  const struct {
    const char* what;
    int dx, dy;
  } cases[] = {
      {"made bigger", 120, 90},
      {"made smaller", -80, -60},
  };
  for (bool childMaximized : {false, true}) {
    SetUp();
    tk::TForm* child = AddMDIChild("Child");
    if (childMaximized) Maximize(child);
    PumpPending();
    for (const auto& c : cases) {
      const std::string what = std::string(c.what) + (childMaximized ? ", child maximized" : ", child restored");
      const RECT before = WindowRect();
      RECT client{};
      GetClientRect(form->Handle(), &client);
      form->SetClientSize(client.right + c.dx, client.bottom + c.dy);
      ASSERT_TRUE(PumpUntil([&] {
        const RECT now = WindowRect();
        return now.right - now.left == before.right - before.left + c.dx &&
               now.bottom - now.top == before.bottom - before.top + c.dy;
      })) << what;
      MouseToClientCorner();
      PumpPending();
      EXPECT_EQ(ChildMaximized(child), childMaximized) << what;
      ExpectAllPainted(what);
    }
    Free();
  }
}

}  // namespace
