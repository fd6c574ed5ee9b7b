#include "sFaderTimer.h"

#include <algorithm>

#include "sCommonData.h"
#include "skin/paint/sBlend.h"
#include "toolkit/win/Control.h"

namespace skin {

int FadeStepLevel(int fadeLevel, int iterations) {
  if (iterations <= 0) return 0;
  return std::clamp(255 - fadeLevel * 256 / iterations, 0, 255);
}

tk::TCallbackList<void(const TsFadeFrame&)>& FadeFrames() {
  static tk::TCallbackList<void(const TsFadeFrame&)> watchers;
  return watchers;
}

TsFaderTimer::TsFaderTimer(tk::TComponent* owner) : TTimer(owner) {
  SetEnabled(false);
  SetInterval(10);
  // The toolkit runs a timer only when it has a handler; the work is in Timer().
  SetOnTimer([](tk::TObject*) {});
}

TsFaderTimer::~TsFaderTimer() { *alive_ = false; }

tk::TControl* TsFaderTimer::FadedControl() const {
  tk::TControl* control = ownerData ? ownerData->OwnerControl() : nullptr;
  return control && !control->IsDestroying() ? control : nullptr;
}

void TsFaderTimer::BlendFrame(tk::Bitmap& frame, const tk::TControl& control) const {
  frame = BmpFrom;
  if (!frame.Empty() && frame.Format() != tk::PixelFormat::pf24bit) frame.SetFormat(tk::PixelFormat::pf24bit);
  const int level = FadeStepLevel(FadeLevel, Iterations);
  if (const tk::Bitmap* cache = ownerData->Cache()) BlendBitmaps(frame, *cache, level);
  FadeFrames().Notify(TsFadeFrame{&control, FadeLevel, Iterations, level, &frame});
}

}  // namespace skin
