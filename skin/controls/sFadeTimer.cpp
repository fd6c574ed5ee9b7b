#include "sFadeTimer.h"

#include <exception>

#include "sCommonData.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinCommand.h"
#include "skin/data/sSkinGlobals.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Canvas.h"
#include "toolkit/win/GdiObjects.h"
#include "toolkit/win/WinControl.h"

namespace skin {

namespace {

LRESULT DeliverCommand(tk::TControl& control, WORD subCommand, LPARAM lParam = 0) {
  tk::TMessage m{SM_VEXACMD, SkinCommandWParam(subCommand), lParam, 0};
  control.Deliver(m);
  return m.Result;
}

}  // namespace

TsFadeTimer::TsFadeTimer(tk::TComponent* owner) : TsFaderTimer(owner) {}

void TsFadeTimer::Stop() {
  Direction = 0;
  SetEnabled(false);
}

void TsFadeTimer::Timer() {
  if (IsDestroying()) return;
  const auto alive = AliveToken();
  inTick_ = true;
  try {
    if (!FadeFinished() && (Direction == 1 || Direction == 2)) FadeStep();
  } catch (const std::exception&) {
    // Reported once: a fade that goes on failing would open a box every 10 ms.
    if (*alive) Stop();
    tk::Application().HandleException(this);
  } catch (...) {
    // Not an error the user can read: the fade just ends.
    if (*alive) Stop();
  }
  if (!*alive) return;
  inTick_ = false;
  if (freeAfterTick_) tk::TComponent::Free(this);
}

bool TsFadeTimer::FadeFinished() {
  tk::TControl* control = FadedControl();
  if (!control || tk::Application().Terminated()) {
    Stop();
    return true;
  }
  if (FadeLevel <= Iterations && FadeLevel >= 0) return false;
  const auto alive = AliveToken();
  DeliverCommand(*control, SCMD_STOP_FADING);
  // A control that does not stop its fader is left without a running timer all the same.
  if (*alive && !freeAfterTick_) Stop();
  return true;
}

void TsFadeTimer::FadeStep() {
  tk::TControl* control = FadedControl();
  if (!control || Iterations == 0) return;
  if (!control->Enabled()) {
    SetEnabled(false);
    Iterations = 0;
    ownerData->InvalidateCache();
    return;
  }
  const auto alive = AliveToken();
  struct NextLevel {
    TsFadeTimer* fader;
    const std::shared_ptr<const bool>& alive;
    ~NextLevel() {
      if (*alive) ++fader->FadeLevel;
    }
  } next{this, alive};
  DrawFrame(*control);
}

void TsFadeTimer::DrawFrame(tk::TControl& control) {
  tk::Bitmap frame;
  BlendFrame(frame, control);
  auto* windowed = dynamic_cast<tk::TWinControl*>(&control);
  if (!windowed || !windowed->HandleAllocated()) return;
  const tk::TWindowDC dc(windowed->Handle(), tk::TWindowDC::Whole);
  if (!dc) return;
  const tk::TSavedDC saved(dc.Get());
  if (control.IsDestroying() || Iterations == 0) return;
  const auto alive = AliveToken();
  if (DeliverCommand(control, SCMD_FADE_FRAME, reinterpret_cast<LPARAM>(&frame)) == 0 && !frame.Empty()) {
    const tk::TBitmapSource from(frame);
    BitBlt(dc.Get(), 0, 0, frame.Width(), frame.Height(), from.Handle(), 0, 0, SRCCOPY);
  }
  if (*alive && TransitionOverlay) SendSkinCommand(TransitionOverlay, SCMD_REFRESH, 0);
}

void StartFade(TsFadeTimer*& slot, TsCommonData& data, bool fast, bool animate) {
  if (!data.IsSkinned()) return;
  const TsGeneralData* section = data.Section();
  const tk::Bitmap* cache = data.Cache();
  if (animate && !SkinLoading && section && section->FadingEnabled && cache && !cache->Empty() && !data.cacheStale) {
    data.cacheStale = true;
    BeginFade(slot, data, fast);
    return;
  }
  data.cacheStale = true;
  if (slot) StopFade(slot);
  if (tk::TControl* control = data.OwnerControl()) control->Repaint();
}

void BeginFade(TsFadeTimer*& slot, TsCommonData& data, bool fast) {
  const TsGeneralData* section = data.Section();
  tk::TControl* control = data.OwnerControl();
  if (!section || !section->FadingEnabled || !control || !data.Cache()) return;
  if (!slot) {
    slot = tk::Create<TsFadeTimer>(control);
    slot->FadeLevel = 1;
  }
  TsFadeTimer& f = *slot;
  f.ownerData = &data;
  f.BmpFrom = *data.Cache();
  f.SetInterval(10);
  f.Iterations = section->FadingIterations;
  // Turning round takes as many steps as had been done.
  if (f.Direction == 1)
    f.Iterations = f.FadeLevel;
  else if (f.Direction == 2)
    f.Iterations -= f.FadeLevel;
  if (fast) f.Iterations /= 2;
  if (f.FadeLevel >= f.Iterations || f.FadeLevel <= 0) f.FadeLevel = 1;
  const auto alive = f.AliveToken();
  DeliverCommand(*control, SCMD_PREPARE_CACHE);
  // The control may have stopped the fade while it rebuilt its cache.
  if (!*alive || slot != &f) return;
  f.Direction = 1;
  f.SetEnabled(true);
}

void StopFade(TsFadeTimer*& slot) {
  TsFadeTimer* f = slot;
  if (!f || f->IsDestroying()) return;
  slot = nullptr;
  f->Stop();
  if (f->inTick_)
    f->freeAfterTick_ = true;
  else
    tk::TComponent::Free(f);
}

}  // namespace skin
