// A timer that ticks on the program's one thread while it is enabled.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/backend.h"

namespace qv::ui {

class Application;

// Setting the interval or the enabled state it already has changes nothing; a new interval
// starts the count afresh; an interval of 0 never ticks.
class Timer {
 public:
  Timer() = default;
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void Setup(Application& app, std::string name);
  const std::string& Name() const { return name_; }

  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::function<void()> OnTimer;

  // From the peer: the interval has passed.
  void Tick();

 private:
  void Restart();

  Application* app_ = nullptr;
  std::string name_;
  unsigned interval_ = 1000;
  bool enabled_ = false;
  std::unique_ptr<TimerPeer> peer_;
};

}  // namespace qv::ui
