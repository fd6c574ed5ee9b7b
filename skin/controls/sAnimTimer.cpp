#include "sAnimTimer.h"

#include "sCommonData.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "skin/paint/sTransparentCorners.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/WinControl.h"

namespace skin {

namespace {

tk::TControl* ControlOf(TsAnimatedControl& button) { return dynamic_cast<tk::TControl*>(&button); }

void Deliver(tk::TControl& control, WORD subCommand, LPARAM lParam = 0, WORD parameter = 0) {
  tk::TMessage m{SM_VEXACMD, SkinCommandWParam(subCommand, parameter), lParam, 0};
  control.Deliver(m);
}

}  // namespace

// A fader in the middle of its own step goes once the step is over.
void FreeAnimTimer(TsAnimTimer*& slot) {
  TsAnimTimer* timer = slot;
  slot = nullptr;
  if (!timer) return;
  timer->SetEnabled(false);
  if (timer->stepping)
    timer->freeAfterStep_ = true;
  else
    tk::TComponent::Free(timer);
}

TsAnimTimer::TsAnimTimer() : TsFaderTimer(nullptr) {}

void TsAnimTimer::Timer() {
  if (IsDestroying()) return;
  const auto alive = AliveToken();
  try {
    if (!FadeFinished() && *alive) FadeStep();
  } catch (...) {
    // A failing frame ends the animation quietly; the button paints as usual.
    if (*alive) SetEnabled(false);
  }
}

bool TsAnimTimer::FadeFinished() {
  tk::TControl* control = FadedControl();
  if (!control || tk::Application().Terminated()) {
    SetEnabled(false);
    return true;
  }
  if (FadeLevel >= 0 && FadeLevel <= Iterations) return false;
  const auto alive = AliveToken();
  Deliver(*control, SCMD_STOP_FADING);
  // A button that does not stop its fader is left without a running timer all the same.
  if (*alive) SetEnabled(false);
  return true;
}

void TsAnimTimer::FadeStep() {
  tk::TControl* control = FadedControl();
  const bool runs = !stepping && control && Iterations != 0 && FadeLevel >= 0;
  // The level advances whatever happens; a fader let go during its step goes now.
  struct EndOfStep {
    TsAnimTimer* timer;
    bool ran;
    ~EndOfStep() {
      if (ran) timer->stepping = false;
      ++timer->FadeLevel;
      if (timer->freeAfterStep_ && !timer->stepping) tk::TComponent::Free(timer);
    }
  } end{this, runs};
  if (!runs) return;
  stepping = true;
  BlendFrame(TmpBmp, *control);
  tk::TWinControl* parent = control->Parent();
  if (parent) SendSkinCommandToControl(parent, SCMD_SET_PAINTING_CHILD, reinterpret_cast<LPARAM>(control));
  Deliver(*control, SCMD_SET_DEFER, 0, 0);
  control->Repaint();
  if (parent && control->Parent() == parent) SendSkinCommandToControl(parent, SCMD_SET_PAINTING_CHILD, 0);
  if (TransitionOverlay) SendSkinCommand(TransitionOverlay, SCMD_REFRESH, 0);
}

void StartAnimation(TsAnimatedControl& button, bool fast) {
  tk::TControl* control = ControlOf(button);
  if (!control || control->IsDesigning()) return;
  TsAnimTimer*& slot = button.AnimTimerSlot();
  int carry = 1;
  if (slot) {
    carry = slot->Iterations - slot->FadeLevel;
    FreeAnimTimer(slot);
  }
  TsCommonData* data = SkinDataOf(control);
  const TsGeneralData* section = data ? data->Section() : nullptr;
  if (!section || !section->FadingEnabled) return;
  auto* timer = tk::Create<TsAnimTimer>();
  slot = timer;
  timer->ownerData = data;
  timer->Iterations = section->FadingIterations;
  if (fast) timer->Iterations /= 2;
  timer->FadeLevel = carry;
  if (data->Cache()) timer->BmpFrom = *data->Cache();
  const auto alive = timer->AliveToken();
  button.PrepareCache();
  FillTransparentCorners(*data, 1);
  // The button may have stopped the animation while it rebuilt its cache.
  if (!*alive || slot != timer) return;
  timer->SetEnabled(true);
  timer->FadeStep();
}

void StopAnimation(TsAnimatedControl& button) {
  tk::TControl* control = ControlOf(button);
  TsAnimTimer*& slot = button.AnimTimerSlot();
  if (!slot) return;
  if (control && !control->IsDestroying() && !control->IsDesigning() && !slot->IsDestroying()) {
    slot->SetEnabled(false);
    if (slot->FadeLevel != 0) {
      if (TsCommonData* data = SkinDataOf(control)) data->cacheStale = true;
      control->Invalidate();
    }
  }
  FreeAnimTimer(slot);
}

}  // namespace skin
