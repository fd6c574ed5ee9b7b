#include "toolkit/win/Timer.h"

#include "toolkit/win/Application.h"

namespace tk {

TTimer::~TTimer() {
  BeforeDestruction();
  if (id_) Application().RemoveTimer(id_);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds) {
  if (interval_ == milliseconds) return;
  interval_ = milliseconds;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::Timer() {
  if (onTimer_) onTimer_(this);
}

void TTimer::UpdateTimer() {
  if (id_) {
    Application().RemoveTimer(id_);
    id_ = 0;
  }
  // A timer with no handler would only wake the thread.
  if (IsLoading() || IsDestroying() || !enabled_ || interval_ == 0 || !onTimer_) return;
  id_ = Application().AddTimer(interval_, [this] { Timer(); });
}

}  // namespace tk
