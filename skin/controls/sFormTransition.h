#pragma once
// A whole form cross-fading from what the screen showed to its new look
// (after a skin change, or when it is shown): an overlay window over the
// form shows a few blended frames, 8 ms apart, while the form's own
// redrawing is off. The thread is blocked while it plays.

#include <memory>

#include "toolkit/core/Bitmap.h"
#include "toolkit/core/CallbackSlot.h"

namespace tk {
class TObject;
class TWinControl;
}  // namespace tk

namespace skin {

// The screen under the form as it was before the change; made by the
// transition when nobody saved it earlier, freed when it ends.
std::unique_ptr<tk::Bitmap>& SavedScreenImage();

// What a form's skinning offers the transition: its answer to
// SCMD_GET_PROVIDER is a tk::TObject* that is one of these.
class TsTransitionFrameSource {
public:
  // Brings the form's frame (its window region, caption) up to date.
  virtual void UpdateFrameForTransition() = 0;

protected:
  ~TsTransitionFrameSource() = default;
};

// One frame of a transition, as a test or a tool watching it sees it; the
// last one (final) is the new look alone.
struct TsTransitionFrame {
  int index = 0;
  int weight = 0;
  bool final = false;
  const tk::Bitmap* picture = nullptr;  // what the overlay shows; valid during the notice only
};
tk::TCallbackList<void(const TsTransitionFrame&)>& TransitionFrames();

// Plays the transition over time milliseconds: time div 8 + 1 frames whose
// weight of the old screen falls from 255 by 255 div (time div 8) each;
// with time 7 or less the new look is shown at once.
void PlayFormTransition(tk::TWinControl& form, int time);

// Lets the skin manager play the transition when it repaints the forms
// after a skin change (SkinEngineHooks().PlaySkinChangingAnimation), for the
// life of the process. Calling it again changes nothing.
void InstallFormTransition();

}  // namespace skin
