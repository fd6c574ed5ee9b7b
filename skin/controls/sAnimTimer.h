#pragma once
// Cross-fades of windowless buttons (speed buttons). They have no window to
// draw on, so the fader keeps the blended frame (TmpBmp) and has the
// button repaint itself through its parent every 10 ms; the button's paint
// copies TmpBmp while its fader runs and TmpBmp has the button's width.
// After the last frame the button receives SCMD_STOP_FADING and calls
// StopAnimation; the timer is gone until the next state change.

#include "sFaderTimer.h"

namespace skin {

class TsAnimTimer;

// What a windowless button that animates offers the fader, besides being a
// control with skin data (TsSkinnedControl).
class TsAnimatedControl {
public:
  // The running fader, or none; the button frees it (StopAnimation) before
  // it goes away.
  virtual TsAnimTimer*& AnimTimerSlot() = 0;
  // Rebuilds the cache for the present state.
  virtual void PrepareCache() = 0;

protected:
  ~TsAnimatedControl() = default;
};

class TsAnimTimer : public TsFaderTimer {
  TK_CLASS(TsAnimTimer)
public:
  // Disabled, 10 ms, without owner: the button's StopAnimation frees it.
  TsAnimTimer();

  tk::Bitmap TmpBmp;  // the present frame
  bool stepping = false;

  void FadeStep();

protected:
  void Timer() override;

private:
  friend void FreeAnimTimer(TsAnimTimer*& slot);
  bool FadeFinished();
  bool freeAfterStep_ = false;
};

// A state change of an animated windowless button; fast halves the steps.
// A running fader is replaced, the new one starting at the step where the
// old one would have turned round.
void StartAnimation(TsAnimatedControl& button, bool fast);
// Stops and frees the fader; when it had drawn frames the button is
// repainted from a fresh cache.
void StopAnimation(TsAnimatedControl& button);

}  // namespace skin
