#pragma once
// Cross-fades of push buttons between their looks. When a button changes
// state it calls StartFade: the fader keeps the old image, the button
// rebuilds its cache for the new state (it receives SCMD_PREPARE_CACHE),
// and every 10 ms a frame blending the old image into the new cache is
// drawn straight onto the button's window (the button may draw it itself
// by answering SCMD_FADE_FRAME with a result other than 0). After the last
// frame the button receives SCMD_STOP_FADING and calls StopFade; the timer
// is gone and nothing runs until the next state change.
//
// The button keeps the fader in a slot of its own (TsFadeTimer*, none when
// no fade runs), paints nothing itself while the fader is enabled, and
// calls StopFade before it goes away.

#include <cstdint>

#include "sFaderTimer.h"

namespace skin {

class TsFadeTimer : public TsFaderTimer {
  TK_CLASS(TsFadeTimer)
public:
  // Disabled, 10 ms, owned by the control it fades.
  explicit TsFadeTimer(tk::TComponent* owner);

  std::uint8_t Direction = 0;  // 0 stopped; 1 or 2 running

  // One frame now (the button calls it when it gains the focus mid-fade).
  void FadeStep();

protected:
  void Timer() override;

private:
  friend void StopFade(TsFadeTimer*& slot);
  bool FadeFinished();
  void Stop();
  void DrawFrame(tk::TControl& control);

  bool inTick_ = false;
  bool freeAfterTick_ = false;
};

// A state change of a skinned push button: a fade when animate is set, the
// section fades (FADINGENABLED), no skin is being loaded and the cache holds
// the present look; otherwise the cache is marked stale, a running fade
// stopped and the button repainted at once. fast halves the steps (mouse
// down and up).
void StartFade(TsFadeTimer*& slot, TsCommonData& data, bool fast, bool animate);
// Starts the fade from the present cache to the new state; a running fade
// turns round, taking as many steps as it had done.
void BeginFade(TsFadeTimer*& slot, TsCommonData& data, bool fast);
// Stops and frees the fader; the slot is cleared. Safe from inside the
// fader's own tick (the button's answer to SCMD_STOP_FADING).
void StopFade(TsFadeTimer*& slot);

}  // namespace skin
