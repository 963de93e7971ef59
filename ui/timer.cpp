#include "ui/timer.h"

#include "ui/application.h"

namespace qv::ui {

void Timer::Setup(Application& app, std::string name) {
  app_ = &app;
  name_ = std::move(name);
  peer_ = app.GetBackend().CreateTimerPeer(*this);
  Restart();
}

void Timer::SetInterval(unsigned milliseconds) {
  if (interval_ == milliseconds) return;
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  if (!peer_) return;
  peer_->Stop();
  if (enabled_ && interval_ > 0) peer_->Start(interval_);
}

void Timer::Tick() {
  if (enabled_ && OnTimer) app_->Dispatch(OnTimer);
}

}  // namespace qv::ui
