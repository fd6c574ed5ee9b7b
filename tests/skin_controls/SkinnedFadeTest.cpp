// How the skinned buttons fade under real input: the number of frames of a
// hover and of a press, nothing left running once the last frame is shown,
// and no fade at all when the user turned Windows' client-area animation
// off.
#include <gtest/gtest.h>

#include <map>

#include "ScreenPixels.h"
#include "SkinnedControlsFixture.h"
#include "WindowTestSupport.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sFaderTimer.h"
#include "skin/controls/sSpeedButton.h"

namespace {

using namespace testing_support;

// Frames each control was shown during a test.
class FrameCount {
public:
  std::map<const tk::TControl*, int> frames;

private:
  tk::TCallbackList<void(const skin::TsFadeFrame&)>::Registration registration_ =
      skin::FadeFrames().Register([this](const skin::TsFadeFrame& f) { ++frames[f.control]; });
};

// Windows' client-area animation switched for one scope (not written to
// the user's settings).
class ClientAreaAnimation {
public:
  explicit ClientAreaAnimation(bool on) {
    SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &saved_, 0);
    SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(on)), 0);
  }
  ~ClientAreaAnimation() {
    SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(saved_)), 0);
  }

private:
  BOOL saved_ = TRUE;
};

class SkinnedFadeTest : public ctlfix::SkinnedControlsTest {
protected:
  void SetUp() override {
    ctlfix::SkinnedControlsTest::SetUp();
    button = Place<skin::TsButton>(form, 20, 20, 119, 30);
    button->SetCaption("fade");
    speed = Place<skin::TsSpeedButton>(form, 200, 20, 23, 22);
    speed->SetCaption(">>");
    form->Repaint();
    PumpPending();
  }
  bool Still() { return !button->FadeRunning() && !speed->FadeRunning(); }
  skin::TsButton* button = nullptr;
  skin::TsSpeedButton* speed = nullptr;
};

TEST_F(SkinnedFadeTest, AHoverFadesInTheSectionsStepsAPressInHalfAndThenNothingRuns) {
  FrameCount count;
  MoveMouseTo(CentreOf(*button));
  ASSERT_TRUE(PumpUntil([&] { return button->ButtonState() == 1 && Still(); }));
  EXPECT_EQ(count.frames[button], 20) << "FADINGITERATIONS=20 of the dark skin's BUTTON";
  count.frames.clear();
  LeftButtonDown();
  ASSERT_TRUE(PumpUntil([&] { return button->ButtonState() == 2 && Still(); }));
  EXPECT_EQ(count.frames[button], 10) << "a press fades in half the steps";
  LeftButtonUp();
  MoveMouseTo(CentreOf(*speed));
  ASSERT_TRUE(PumpUntil([&] { return speed->CurrentState() == 1 && Still(); }));
  EXPECT_GE(count.frames[speed], 19) << "the speed button's SPEEDBUTTON fades too";
  EXPECT_EQ(ctlfix::ScreenDiffersFromCache(*speed, *speed->SkinData().Cache()), 0) << "ends on its new look";
}

TEST_F(SkinnedFadeTest, WithClientAreaAnimationOffStatesShowAtOnce) {
  ClientAreaAnimation off(false);
  FrameCount count;
  MoveMouseTo(CentreOf(*button));
  ASSERT_TRUE(PumpUntil([&] { return button->ButtonState() == 1; }));
  EXPECT_FALSE(button->FadeRunning());
  LeftButtonDown();
  ASSERT_TRUE(PumpUntil([&] { return button->ButtonState() == 2; }));
  LeftButtonUp();
  MoveMouseTo(CentreOf(*speed));
  ASSERT_TRUE(PumpUntil([&] { return speed->CurrentState() == 1; }));
  EXPECT_FALSE(speed->FadeRunning());
  PumpPending();
  EXPECT_EQ(count.frames[button], 0);
  EXPECT_EQ(count.frames[speed], 0);
  EXPECT_EQ(ctlfix::ScreenDiffersFromCache(*speed, *speed->SkinData().Cache()), 0);
}

}  // namespace
