#pragma once
// What the two button faders share: a disabled 10 ms window timer holding
// the control's skin data, its look before the change (BmpFrom), the number
// of steps and the step reached. Each step blends BmpFrom with the
// control's cache, which already holds the new look, at the level of the
// step; the last step shows the new look alone.

#include <memory>

#include "toolkit/core/Bitmap.h"
#include "toolkit/core/CallbackSlot.h"
#include "toolkit/win/Timer.h"

namespace tk {
class TControl;
}

namespace skin {

class TsCommonData;

// The blend level of a step: 255 - fadeLevel * 256 div iterations, held to
// 0..255 (255 keeps the old look, 0 is the new look alone). With 20
// iterations: 243, 230, ... 0 at step 20.
int FadeStepLevel(int fadeLevel, int iterations);

// One frame of a fade, as a tool (or a test) watching the fades sees it.
struct TsFadeFrame {
  const tk::TControl* control = nullptr;
  int fadeLevel = 0;
  int iterations = 0;
  int level = 0;
  const tk::Bitmap* frame = nullptr;  // valid during the notice only
};
// Told of every frame of every push-button and speed-button fade.
tk::TCallbackList<void(const TsFadeFrame&)>& FadeFrames();

class TsFaderTimer : public tk::TTimer {
  TK_CLASS(TsFaderTimer)
public:
  ~TsFaderTimer() override;

  TsCommonData* ownerData = nullptr;
  tk::Bitmap BmpFrom;  // the look before the change
  int Iterations = 0;
  int FadeLevel = 0;

  // Turns false when this timer is freed: whoever runs code that may free
  // it (a message to its control) checks the token before touching it.
  std::shared_ptr<const bool> AliveToken() const { return alive_; }

protected:
  // Disabled, every 10 ms.
  explicit TsFaderTimer(tk::TComponent* owner);

  // The control being faded, or none when it is gone or going.
  tk::TControl* FadedControl() const;
  // frame := BmpFrom blended with the control's cache at the present
  // step's level (BmpFrom alone when the sizes differ); the watchers are
  // told.
  void BlendFrame(tk::Bitmap& frame, const tk::TControl& control) const;
private:
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
