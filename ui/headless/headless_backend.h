// Controls as plain fields, a virtual clock, queued events and scripted answers, so that
// tests act as the user would.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/control.h"
#include "ui/form.h"

namespace qv::ui {

class HeadlessPeer;

class HeadlessBackend : public Backend {
 public:
  struct ShownBox {
    BoxKind kind;
    std::string text;
    std::string caption;
  };

  std::unique_ptr<ControlPeer> CreatePeer(Control& control) override;
  std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) override;
  bool HandleMessage() override;
  void ProcessMessages() override;
  void PostQuit() override { quitPosted_ = true; }
  BoxAnswer ShowBox(Form* owner, BoxKind kind, const std::string& text, const std::string& caption) override;
  void RunModal(Form& form) override;
  bool ConnectNetworkDrive(Form* owner) override;
  void BlockShutdown(Form&, const std::string& reason) override { shutdownBlockReason = reason; }
  void UnblockShutdown(Form&) override { shutdownBlockReason.reset(); }

  // Answers for the boxes to come, in order; a box without one gets its default button.
  std::deque<BoxAnswer> answers;
  std::vector<ShownBox> boxes;
  // What the user does in the modal forms to come, in order; a form left without a result
  // was cancelled.
  std::deque<std::function<void(Form&)>> modalScripts;
  // Connects a network drive when the system's dialog is asked for.
  std::function<bool()> connectNetworkDrive;
  int processMessagesCalls = 0;
  std::optional<std::string> shutdownBlockReason;
  // Runs while the next box is open, as the events a box's own loop handles.
  std::function<void()> whileBoxOpen;

  // Runs at the next processing of pending messages.
  void Post(std::function<void()> event) { queue_.push_back(std::move(event)); }
  // Moves the virtual clock on, ticking the due timers in the order they fall due.
  void Advance(std::uint64_t milliseconds);
  std::uint64_t Now() const { return now_; }
  bool QuitPosted() const { return quitPosted_; }

  // The user, acting on a control that responds; a disabled one ignores them.
  static void Type(Control& control, const std::string& text);
  static void Click(Control& control);
  static void Select(ListBox& list, int index);
  static void DoubleClick(ListBox& list, int index);

 private:
  friend class HeadlessTimerPeer;
  struct Scheduled {
    Timer* timer;
    unsigned interval;
    std::uint64_t due;
  };

  std::deque<std::function<void()>> queue_;
  std::map<const TimerPeer*, Scheduled> timers_;
  std::uint64_t now_ = 0;
  bool quitPosted_ = false;
};

}  // namespace qv::ui
