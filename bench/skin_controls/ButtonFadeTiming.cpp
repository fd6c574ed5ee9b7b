// What a fade costs on the converter's real window under Wine, for its
// 119 x 30 push button "大地-->高斯" (sButton2) and its 23 x 22 speed button
// ">>" (sSpeedButton1), both from the dark internal skin:
//
// frame  One fade frame, the normal look blending into the hot one, made by
//        the faders' own step: the push button's frame blended and copied
//        onto its window, the speed button's frame blended and painted by
//        its parent. --frames frames in a row (2000 unless given); prints
//        the median and 90th percentile of a frame's wall time and the
//        user-interface thread's CPU time per frame over all of them (the
//        X server's share is not in it). For comparison, the speed
//        button's plain repaint through its parent without a fade.
// enter  From the injected mouse move onto the button (SendInput) to the
//        first pixel of the button's screen area that differs from before,
//        --runs times (25 unless given), the mouse leaving and the button
//        settling in between; prints the median and the spread, and the
//        median times at which the button turned hot and drew its first
//        fade frame, to show where the time goes.
//
//   scripts/wine.sh build/mingw/bench/skin_controls/button_fade_timing.exe [--frames N] [--runs N]
//
// The window is the product's own, created as the program creates it; the
// mouse is moved as the window tests move it.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "ScreenPixels.h"
#include "WindowTestSupport.h"
#include "app/Unit1.h"
#include "gis/GisEngine.h"
#include "skin/controls/sAnimTimer.h"
#include "skin/controls/sFadeTimer.h"
#include "skin/controls/sFaderTimer.h"
#include "toolkit/win/Application.h"

namespace {

using testing_support::PumpUntil;

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double ThreadCpuMs() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5)];
}

// Runs step `frames` times; prints wall-time percentiles and CPU per frame.
void TimeFrames(const char* what, int frames, const std::function<void()>& step) {
  std::vector<double> wall;
  wall.reserve(static_cast<std::size_t>(frames));
  const double cpu0 = ThreadCpuMs();
  for (int i = 0; i < frames; ++i) {
    const double t = NowMs();
    step();
    wall.push_back(NowMs() - t);
  }
  GdiFlush();
  const double cpu = (ThreadCpuMs() - cpu0) / frames;
  std::printf("frame %-28s %5d frames  wall median %.3f ms  p90 %.3f ms  thread CPU %.3f ms/frame\n", what, frames,
              Percentile(wall, 0.5), Percentile(wall, 0.9), cpu);
}

// Steps of a fader with its timer held off, so that only these steps run;
// the level starts over after the last step.
template <class Fader>
void TimeSteps(const char* what, int frames, Fader* fader) {
  if (!fader) {
    std::printf("frame %s: no fade started (a section without fading?)\n", what);
    return;
  }
  fader->SetEnabled(false);
  TimeFrames(what, frames, [&] {
    if (fader->FadeLevel > fader->Iterations) fader->FadeLevel = 1;
    fader->FadeStep();
  });
}

// Each fade goes from the cached normal look to the hot one.
void PushButtonFrames(skin::TsButton& button, int frames) {
  skin::TsCommonData& data = button.SkinData();
  data.mouseInside = true;
  skin::TsFadeTimer* fader = nullptr;
  skin::BeginFade(fader, data, false);
  TimeSteps("push button 119x30", frames, fader);
  skin::StopFade(fader);
  data.mouseInside = false;
  data.InvalidateCache();
}

void SpeedButtonFrames(skin::TsSpeedButton& button, int frames) {
  skin::TsCommonData& data = button.SkinData();
  data.mouseInside = true;
  skin::StartAnimation(button, false);
  TimeSteps("speed button 23x22", frames, button.AnimTimerSlot());
  skin::StopAnimation(button);
  data.mouseInside = false;
  data.InvalidateCache();
}

// The button at rest: no fade, the screen showing its cached look.
bool Settled(tk::TControl& control, skin::TsCommonData& data, const std::function<bool()>& fading) {
  return PumpUntil([&] { return !fading() && !data.IsHot(); }, std::chrono::seconds(3)) &&
         PumpUntil([&] { return data.Cache() && ctlfix::ScreenDiffersFromCache(control, *data.Cache()) == 0; },
                   std::chrono::seconds(3));
}

void TimeEnter(const char* what, TForm1& form, tk::TControl& control, skin::TsCommonData& data,
               const std::function<bool()>& fading, int runs) {
  std::vector<double> toPixel, toHot, toFrame;
  int failed = 0;
  double frameAt = -1;
  const auto registration = skin::FadeFrames().Register([&](const skin::TsFadeFrame& f) {
    if (f.control == &control && frameAt < 0) frameAt = NowMs();
  });
  for (int r = 0; r < runs; ++r) {
    testing_support::MoveMouseTo(testing_support::ScreenPointOf(form, 4, 4));
    if (!Settled(control, data, fading)) {
      ++failed;
      continue;
    }
    const tk::Bitmap before = ctlfix::CaptureControl(control);
    frameAt = -1;
    double hotAt = -1, pixelAt = -1;
    const double start = NowMs();
    testing_support::MoveMouseTo(testing_support::CentreOf(control));
    while (NowMs() - start < 2000) {
      tk::Application().ProcessMessages();
      if (hotAt < 0 && data.IsHot()) hotAt = NowMs();
      if (ctlfix::DifferingPixels(ctlfix::CaptureControl(control), before) > 0) {
        pixelAt = NowMs();
        break;
      }
    }
    if (pixelAt < 0) {
      ++failed;
      continue;
    }
    toPixel.push_back(pixelAt - start);
    if (hotAt >= 0) toHot.push_back(hotAt - start);
    if (frameAt >= 0 && frameAt <= pixelAt) toFrame.push_back(frameAt - start);
  }
  std::printf("enter %-28s %3zu runs  first changed pixel median %.1f ms (min %.1f, max %.1f)  "
              "hot at %.1f ms  first frame drawn at %.1f ms (%zu runs)%s\n",
              what, toPixel.size(), Percentile(toPixel, 0.5), Percentile(toPixel, 0), Percentile(toPixel, 1),
              Percentile(toHot, 0.5), Percentile(toFrame, 0.5), toFrame.size(),
              failed ? (" - " + std::to_string(failed) + " runs did not settle or change").c_str() : "");
}

int ArgValue(int argc, char** argv, const char* name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return std::max(1, std::atoi(argv[i + 1]));
  return fallback;
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = ArgValue(argc, argv, "--frames", 2000);
  const int runs = ArgValue(argc, argv, "--runs", 25);
  GisEngineScope engine;
  tk::Application().Initialize();
  tk::Application().SetTitle("坐标转换");
  TForm1* form = tk::Application().CreateForm<TForm1>();
  form->Show();
  if (!testing_support::BringToFront(form->Handle())) {
    std::fprintf(stderr, "the window did not come to the front\n");
    return 1;
  }
  testing_support::MoveMouseTo(testing_support::ScreenPointOf(*form, 4, 4));
  testing_support::PumpPending();

  skin::TsButton& button = *form->sButton2;
  skin::TsSpeedButton& speed = *form->sSpeedButton1;
  PushButtonFrames(button, frames);
  SpeedButtonFrames(speed, frames);
  // For comparison: the speed button's plain repaint through its parent,
  // from a fresh cache, with no fade.
  TimeFrames("speed button repaint, no fade", frames, [&] { speed.RepaintThroughParent(); });
  testing_support::PumpPending();
  TimeEnter("push button 119x30", *form, button, button.SkinData(), [&] { return button.FadeRunning(); }, runs);
  TimeEnter("speed button 23x22", *form, speed, speed.SkinData(), [&] { return speed.FadeRunning(); }, runs);

  tk::TComponent::Free(form);
  return 0;
}
