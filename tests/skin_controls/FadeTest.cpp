// Button fades under Wine, driven by the real 10 ms window timers: the
// frames of a push button's fade (drawn onto its window) and of a speed
// button's (kept for the button's own paint), counted by the watchers of
// the fades and checked pixel by pixel against the blend of the two looks;
// fades that must not start, fades turned round, a disabled button, a
// button freed mid-fade, a failing frame.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ControlSkins.h"
#include "ScreenPixels.h"
#include "SkinnedTestControls.h"
#include "WindowTestSupport.h"
#include "skin/controls/sAnimTimer.h"
#include "skin/controls/sFadeTimer.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/GraphicControl.h"

namespace {

using ctlfix::TestSkinning;
using ctlfix::TTestSkinned;
using testing_support::PumpUntil;

// The sections of the test skin paint red (normal) and green (hot); the
// pressed look is blue all over.
constexpr skin::TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

using ctlfix::PixelOf;

skin::TColor WindowPixel(HWND window, int x, int y) {
  const tk::TWindowDC dc(window);
  return GetPixel(dc.Get(), x, y) & 0xFFFFFF;
}

// A fade frame's pixel written out again: the old look keeps level / 256.
skin::TColor Faded(skin::TColor old, skin::TColor fresh, int level) {
  skin::TColor out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int o = (old >> shift) & 0xFF, n = (fresh >> shift) & 0xFF;
    out |= static_cast<skin::TColor>((o * level + n * (255 - level) + 127) / 256) << shift;
  }
  return out;
}

// The level of step k of n, written out again.
int LevelOfStep(int k, int n) { return std::max(0, 255 - k * 256 / n); }

void PaintStateContent(TestSkinning& s, tk::Bitmap& cache) {
  if (s.state == 2) cache.Fill(kBlue);
}

// A push button as far as fades go: it rebuilds its cache when the fader
// asks, stops its fader on SCMD_STOP_FADING, and paints nothing itself
// while the fader runs.
class TFadingButton : public TTestSkinned {
  TK_CLASS(TFadingButton)
public:
  explicit TFadingButton(tk::TComponent* owner) : TTestSkinned(owner) {
    skinning.data.SetCommandTable(Commands());
    skinning.state = 0;
    skinning.content = [this](tk::Bitmap& cache) { PaintStateContent(skinning, cache); };
  }
  ~TFadingButton() override { skin::StopFade(fader); }

  void ChangeState(int state, bool fast, bool animate = true) {
    skinning.state = state;
    skin::StartFade(fader, skinning.data, fast, animate);
  }

  skin::TsFadeTimer* fader = nullptr;
  // Runs at every SCMD_FADE_FRAME (a test makes it throw).
  std::function<void()> onFrame;

protected:
  void PaintWindow(HDC dc) override {
    if (fader && fader->Enabled()) return;
    TTestSkinned::PaintWindow(dc);
  }

private:
  static const skin::TsSkinCommandTable& Commands() {
    static const skin::TsSkinCommandTable table =
        skin::TsSkinCommandTable(ctlfix::TestCommandTable())
            .Set(skin::SCMD_PREPARE_CACHE, skin::OwnerMethod(&TFadingButton::PrepareCache))
            .Set(skin::SCMD_STOP_FADING, skin::OwnerMethod(&TFadingButton::StopFading))
            .Set(skin::SCMD_FADE_FRAME, skin::OwnerMethod(&TFadingButton::FadeFrame));
    return table;
  }
  bool PrepareCache(tk::TMessage&) {
    skinning.data.RebuildCache(skinning.HowToPaint());
    return true;
  }
  bool StopFading(tk::TMessage&) {
    skin::StopFade(fader);
    Repaint();
    return true;
  }
  // Result 0: the fader draws the frame itself.
  bool FadeFrame(tk::TMessage&) {
    if (onFrame) onFrame();
    return false;
  }
};

// A speed button as far as fades go: windowless, painting the fader's frame
// while it runs.
class TFadingSpeedButton : public tk::TGraphicControl, public skin::TsSkinnedControl, public skin::TsAnimatedControl {
  TK_CLASS(TFadingSpeedButton)
public:
  explicit TFadingSpeedButton(tk::TComponent* owner) : TGraphicControl(owner), skinning(this, skin::kKindSpeedButton) {
    skinning.data.SetCommandTable(Commands());
    skinning.state = 0;
    skinning.content = [this](tk::Bitmap& cache) { PaintStateContent(skinning, cache); };
  }
  ~TFadingSpeedButton() override { skin::StopAnimation(*this); }

  skin::TsCommonData& SkinData() override { return skinning.data; }
  skin::TsAnimTimer*& AnimTimerSlot() override { return fader; }
  void PrepareCache() override { skinning.data.RebuildCache(skinning.HowToPaint()); }

  void ChangeState(int state, bool fast) {
    skinning.state = state;
    skin::StartAnimation(*this, fast);
  }

  TestSkinning skinning;
  skin::TsAnimTimer* fader = nullptr;
  int framesPainted = 0;

protected:
  void WndProc(tk::TMessage& message) override {
    if (skinning.Handle(message)) return;
    TGraphicControl::WndProc(message);
  }
  void Paint() override {
    if (fader && fader->TmpBmp.Width() == Width()) {
      const tk::TBitmapSource from(fader->TmpBmp);
      BitBlt(Canvas().Handle(), 0, 0, Width(), Height(), from.Handle(), 0, 0, SRCCOPY);
      ++framesPainted;
      return;
    }
    if (skinning.data.IsSkinned()) skinning.Paint(Canvas().Handle());
  }

private:
  static const skin::TsSkinCommandTable& Commands() {
    static const skin::TsSkinCommandTable table = skin::TsSkinCommandTable(ctlfix::TestCommandTable())
                                                      .Set(skin::SCMD_STOP_FADING, [](skin::TsCommonData& d, tk::TMessage&) {
                                                        auto* b = dynamic_cast<TFadingSpeedButton*>(d.OwnerControl());
                                                        if (b) skin::StopAnimation(*b);
                                                        return b != nullptr;
                                                      });
    return table;
  }
};

// The frames of one control's fades, with the pixel at (5, 5) of each.
class FrameLog {
public:
  struct Seen {
    int fadeLevel, iterations, level;
    skin::TColor pixel;
  };
  explicit FrameLog(const tk::TControl* control)
      : registration_(skin::FadeFrames().Register([this, control](const skin::TsFadeFrame& f) {
          if (f.control == control) frames.push_back({f.fadeLevel, f.iterations, f.level, PixelOf(*f.frame, 5, 5)});
        })) {}
  std::vector<Seen> frames;

private:
  tk::TCallbackList<void(const skin::TsFadeFrame&)>::Registration registration_;
};

class FadeTest : public ctlfix::SkinnedFormTest {
protected:
  // A button of that section on `parent`, its cache built in the normal look.
  template <class T>
  T* Button(const char* section, tk::TWinControl* parent, int left) {
    auto* b = Place<T>(parent, left, 10, 60, 24);
    b->skinning.data.SetSkinSection(section);
    b->Repaint();
    EXPECT_FALSE(b->skinning.data.cacheStale) << section;
    b->skinning.commands.clear();
    return b;
  }
  skin::TColor CacheOf(TestSkinning& s) { return PixelOf(*s.data.Cache(), 5, 5); }
};

TEST_F(FadeTest, PushButtonFramesByEvent) {
  const struct {
    const char* section;
    bool fast;
    int frames;
    const char* what;
  } cases[] = {{"FADE20", false, 20, "mouse enter, FADINGITERATIONS 20"},
               {"FADE20", true, 10, "mouse down: half the steps"},
               {"FADE5", true, 2, "FADINGITERATIONS 5, fast: 5 div 2"},
               {"FADE5", false, 5, "FADINGITERATIONS 5"}};
  int left = 0;
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    auto* b = Button<TFadingButton>(k.section, form, left += 65);
    ASSERT_EQ(CacheOf(b->skinning), kRed);
    FrameLog log(b);
    b->ChangeState(1, k.fast);
    ASSERT_NE(b->fader, nullptr);
    EXPECT_EQ(b->fader->Interval(), 10u);
    EXPECT_TRUE(b->fader->Enabled());
    EXPECT_EQ(CacheOf(b->skinning), kGreen) << "the cache holds the new look from the start";
    ASSERT_TRUE(PumpUntil([&] { return b->fader == nullptr; }));
    ASSERT_EQ(log.frames.size(), static_cast<std::size_t>(k.frames));
    for (int i = 0; i < k.frames; ++i) {
      const int level = LevelOfStep(i + 1, k.frames);
      EXPECT_EQ(log.frames[i].fadeLevel, i + 1);
      EXPECT_EQ(log.frames[i].level, level) << "frame " << i;
      EXPECT_EQ(log.frames[i].pixel, Faded(kRed, kGreen, level)) << "frame " << i;
    }
    if (k.frames == 20) {
      EXPECT_EQ(log.frames[0].level, 243);
      EXPECT_EQ(log.frames[1].level, 230);
    }
    EXPECT_EQ(log.frames.back().level, 0) << "the last frame is the new look alone";
    EXPECT_EQ(b->skinning.Count(skin::SCMD_PREPARE_CACHE), 1);
    EXPECT_EQ(b->skinning.Count(skin::SCMD_FADE_FRAME), k.frames);
    EXPECT_EQ(b->skinning.Count(skin::SCMD_STOP_FADING), 1);
    EXPECT_EQ(WindowPixel(b->Handle(), 5, 5), kGreen);
  }
}

TEST_F(FadeTest, FadesThatMustNotStart) {
  const struct {
    const char* section;
    bool animate, loading, stale;
    const char* what;
  } cases[] = {{"NOFADE", true, false, false, "a section without FADINGENABLED"},
               {"FADE20", false, false, false, "an event that is not animated"},
               {"FADE20", true, true, false, "a skin being loaded"},
               {"FADE20", true, false, true, "a cache that is already stale"}};
  int left = 0;
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    auto* b = Button<TFadingButton>(k.section, form, left += 65);
    b->skinning.data.cacheStale = k.stale;
    FrameLog log(b);
    skin::SkinLoading = k.loading;
    b->ChangeState(1, false, k.animate);
    skin::SkinLoading = false;
    EXPECT_EQ(b->fader, nullptr);
    EXPECT_FALSE(b->skinning.Got(skin::SCMD_PREPARE_CACHE));
    EXPECT_EQ(CacheOf(b->skinning), kGreen) << "repainted in the new look at once";
    EXPECT_EQ(WindowPixel(b->Handle(), 5, 5), kGreen);
    EXPECT_TRUE(log.frames.empty());
  }
  // A change that may not fade stops the one running.
  auto* b = Button<TFadingButton>("FADE20", form, 300);
  FrameLog log(b);
  b->ChangeState(1, false);
  ASSERT_NE(b->fader, nullptr);
  b->ChangeState(0, false, false);
  EXPECT_EQ(b->fader, nullptr);
  EXPECT_EQ(CacheOf(b->skinning), kRed);
  testing_support::PumpPending();
  EXPECT_TRUE(log.frames.empty());
}

TEST_F(FadeTest, AnInterruptedFadeTurnsRoundWithTheStepsDone) {
  auto* b = Button<TFadingButton>("FADE20", form, 10);
  b->ChangeState(1, false);
  ASSERT_NE(b->fader, nullptr);
  // Five frames of the mouse-enter fade, stepped by hand.
  b->fader->SetEnabled(false);
  for (int i = 0; i < 5; ++i) b->fader->FadeStep();
  ASSERT_EQ(b->fader->FadeLevel, 6);
  // Mouse down: from the hot look to the pressed one, in 6 div 2 steps.
  FrameLog log(b);
  b->ChangeState(2, true);
  ASSERT_NE(b->fader, nullptr);
  EXPECT_EQ(b->fader->Iterations, 3);
  EXPECT_EQ(b->fader->FadeLevel, 1);
  EXPECT_EQ(CacheOf(b->skinning), kBlue);
  ASSERT_TRUE(PumpUntil([&] { return b->fader == nullptr; }));
  ASSERT_EQ(log.frames.size(), 3u);
  const int levels[] = {170, 85, 0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(log.frames[i].level, levels[i]);
    EXPECT_EQ(log.frames[i].pixel, Faded(kGreen, kBlue, levels[i])) << "frame " << i;
  }
  EXPECT_EQ(WindowPixel(b->Handle(), 5, 5), kBlue);
}

TEST_F(FadeTest, ADisabledOrFreedButtonEndsItsFade) {
  auto* b = Button<TFadingButton>("FADE20", form, 10);
  FrameLog log(b);
  b->ChangeState(1, false);
  ASSERT_NE(b->fader, nullptr);
  b->fader->SetEnabled(false);  // the next step is taken by hand
  b->SetEnabled(false);
  b->skinning.data.cacheStale = false;
  b->fader->FadeStep();
  EXPECT_FALSE(b->fader->Enabled());
  EXPECT_EQ(b->fader->Iterations, 0);
  EXPECT_TRUE(b->skinning.data.cacheStale) << "repainted normally";
  b->fader->FadeStep();
  EXPECT_TRUE(log.frames.empty());

  auto* freed = Button<TFadingButton>("FADE20", form, 100);
  FrameLog freedLog(freed);
  freed->ChangeState(1, false);
  ASSERT_TRUE(PumpUntil([&] { return !freedLog.frames.empty(); }));
  tk::TComponent::Free(freed);
  const std::size_t seen = freedLog.frames.size();
  testing_support::PumpPending();
  EXPECT_EQ(freedLog.frames.size(), seen);
}

TEST_F(FadeTest, AFailingFrameIsReportedOnceAndEndsTheFade) {
  std::vector<std::string> reported;
  auto previous = tk::Application().OnException;
  tk::Application().OnException = [&](const std::exception& e) { reported.push_back(e.what()); };
  auto* b = Button<TFadingButton>("FADE20", form, 10);
  b->onFrame = [] { throw std::runtime_error("frame lost"); };
  b->ChangeState(1, false);
  ASSERT_NE(b->fader, nullptr);
  EXPECT_TRUE(PumpUntil([&] { return !reported.empty(); }));
  testing_support::PumpPending();
  EXPECT_EQ(reported, std::vector<std::string>{"frame lost"});
  EXPECT_FALSE(b->fader->Enabled());
  EXPECT_EQ(b->fader->Direction, 0);
  tk::Application().OnException = previous;
}

TEST_F(FadeTest, SpeedButtonFramesAreKeptForItsOwnPaint) {
  auto* panel = Place<TTestSkinned>(form, 0, 0, 400, 60, 51);
  panel->SkinData().SetSkinSection("PLAIN");
  const struct {
    const char* section;
    bool fast;
    int frames;
  } cases[] = {{"FADE20", false, 20}, {"FADE20", true, 10}, {"FADE5", true, 2}};
  int left = 0;
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.section) + (k.fast ? ", fast" : ""));
    auto* b = Button<TFadingSpeedButton>(k.section, panel, left += 65);
    ASSERT_EQ(CacheOf(b->skinning), kRed);
    panel->skinning.commands.clear();
    FrameLog log(b);
    b->ChangeState(1, k.fast);
    ASSERT_NE(b->fader, nullptr);
    EXPECT_EQ(b->fader->Interval(), 10u);
    EXPECT_EQ(log.frames.size(), 1u) << "the first step at once";
    const int rebuilds = b->skinning.rebuilds;
    ASSERT_TRUE(PumpUntil([&] { return b->fader == nullptr; }));
    ASSERT_EQ(log.frames.size(), static_cast<std::size_t>(k.frames));
    for (int i = 0; i < k.frames; ++i) {
      const int level = LevelOfStep(i + 1, k.frames);
      EXPECT_EQ(log.frames[i].level, level) << "frame " << i;
      EXPECT_EQ(log.frames[i].pixel, Faded(kRed, kGreen, level)) << "frame " << i;
    }
    EXPECT_EQ(b->framesPainted, k.frames) << "each frame painted by the button from the fader's image";
    EXPECT_EQ(b->skinning.Count(skin::SCMD_SET_DEFER), k.frames);
    EXPECT_EQ(b->skinning.Count(skin::SCMD_STOP_FADING), 1);
    // The parent knows which child repaints, around each frame.
    std::vector<LPARAM> painting;
    for (const auto& c : panel->skinning.commands)
      if (c.sub == skin::SCMD_SET_PAINTING_CHILD) painting.push_back(c.lParam);
    ASSERT_EQ(painting.size(), static_cast<std::size_t>(2 * k.frames));
    for (int i = 0; i < k.frames; ++i) {
      EXPECT_EQ(painting[2 * i], reinterpret_cast<LPARAM>(static_cast<tk::TControl*>(b)));
      EXPECT_EQ(painting[2 * i + 1], 0);
    }
    testing_support::PumpPending();
    EXPECT_EQ(b->skinning.rebuilds, rebuilds + 1) << "the button repaints from a fresh cache";
    EXPECT_EQ(WindowPixel(panel->Handle(), b->Left() + 5, b->Top() + 5), kGreen);
  }
}

TEST_F(FadeTest, AnInterruptedSpeedButtonFadeStartsWhereTheOldOneWouldTurnRound) {
  auto* b = Button<TFadingSpeedButton>("FADE20", form, 10);
  b->ChangeState(1, false);
  ASSERT_NE(b->fader, nullptr);
  b->fader->SetEnabled(false);
  for (int i = 0; i < 3; ++i) b->fader->FadeStep();
  ASSERT_EQ(b->fader->FadeLevel, 5);
  FrameLog log(b);
  b->ChangeState(2, false);
  ASSERT_TRUE(PumpUntil([&] { return b->fader == nullptr; }));
  // 20 - 5: steps 15 to 20 of the new fade.
  ASSERT_EQ(log.frames.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    const int level = LevelOfStep(15 + i, 20);
    EXPECT_EQ(log.frames[i].fadeLevel, 15 + i);
    EXPECT_EQ(log.frames[i].pixel, Faded(kGreen, kBlue, level)) << "frame " << i;
  }
}

}  // namespace
