#pragma once
// A window timer as a component: OnTimer every Interval milliseconds while
// Enabled, on the user-interface thread.

#include <windows.h>

#include "toolkit/win/Component.h"

namespace tk {

class TTimer : public TComponent {
  TK_CLASS(TTimer)
public:
  explicit TTimer(TComponent* owner) : TComponent(owner) {}
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned milliseconds);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent handler);

  void Loaded() override;

protected:
  virtual void Timer();

private:
  void UpdateTimer();
  bool enabled_ = true;
  unsigned interval_ = 1000;
  TNotifyEvent onTimer_;
  UINT_PTR id_ = 0;
};

}  // namespace tk
