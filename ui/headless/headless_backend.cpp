#include "ui/headless/headless_backend.h"

#include <algorithm>
#include <utility>

#include "ui/timer.h"

namespace qv::ui {

class HeadlessPeer : public ControlPeer {
 public:
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  void SetEnabled(bool) override {}
  void SetVisible(bool) override {}
  void SetBounds(const Bounds&) override {}
  void SetColour(Colour) override {}
  void SetFont(const FontStyle&) override {}
  void PlaceAfter(ControlPeer*) override {}

  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Item(int index) const override { return items_.at(index); }
  void AddItem(const std::string& item) override { items_.push_back(item); }
  void DeleteItem(int index) override {
    items_.erase(items_.begin() + index);
    if (index == selected_) selected_ = -1;
    else if (index < selected_) --selected_;
  }
  void ClearItems() override {
    items_.clear();
    selected_ = -1;
  }
  int ItemIndex() const override { return selected_; }
  void SetItemIndex(int index) override { selected_ = index; }

 private:
  std::string text_;
  bool checked_ = false;
  std::vector<std::string> items_;
  int selected_ = -1;
};

class HeadlessTimerPeer : public TimerPeer {
 public:
  HeadlessTimerPeer(HeadlessBackend& backend, Timer& timer) : backend_(backend), timer_(timer) {}
  ~HeadlessTimerPeer() override { Stop(); }
  void Start(unsigned milliseconds) override {
    backend_.timers_[this] = {&timer_, milliseconds, backend_.now_ + milliseconds};
  }
  void Stop() override { backend_.timers_.erase(this); }

 private:
  HeadlessBackend& backend_;
  Timer& timer_;
};

std::unique_ptr<ControlPeer> HeadlessBackend::CreatePeer(Control&) { return std::make_unique<HeadlessPeer>(); }

std::unique_ptr<TimerPeer> HeadlessBackend::CreateTimerPeer(Timer& timer) {
  return std::make_unique<HeadlessTimerPeer>(*this, timer);
}

bool HeadlessBackend::HandleMessage() {
  if (quitPosted_) return false;
  if (!queue_.empty()) {
    auto event = std::move(queue_.front());
    queue_.pop_front();
    event();
    return !quitPosted_;
  }
  if (timers_.empty()) return false;  // nothing could ever happen again
  const auto next = std::min_element(timers_.begin(), timers_.end(),
                                     [](const auto& a, const auto& b) { return a.second.due < b.second.due; });
  Advance(next->second.due - now_);
  return !quitPosted_;
}

void HeadlessBackend::ProcessMessages() {
  ++processMessagesCalls;
  while (!queue_.empty() && !quitPosted_) {
    auto event = std::move(queue_.front());
    queue_.pop_front();
    event();
  }
}

void HeadlessBackend::Advance(std::uint64_t milliseconds) {
  const std::uint64_t until = now_ + milliseconds;
  for (;;) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
      if (it->second.due <= until && (next == timers_.end() || it->second.due < next->second.due)) next = it;
    }
    if (next == timers_.end()) break;
    now_ = next->second.due;
    next->second.due += next->second.interval;
    Timer* timer = next->second.timer;
    timer->Tick();  // may stop, restart or destroy timers
  }
  now_ = until;
}

BoxAnswer HeadlessBackend::ShowBox(Form*, BoxKind kind, const std::string& text, const std::string& caption) {
  boxes.push_back({kind, text, caption});
  if (auto during = std::exchange(whileBoxOpen, nullptr)) during();
  if (!answers.empty()) {
    const BoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return kind == BoxKind::Question ? BoxAnswer::Yes : BoxAnswer::Ok;
}

void HeadlessBackend::RunModal(Form& form) {
  if (modalScripts.empty()) return;
  auto script = std::move(modalScripts.front());
  modalScripts.pop_front();
  form.Show();
  script(form);
  form.Hide();
}

bool HeadlessBackend::ConnectNetworkDrive(Form*) { return connectNetworkDrive && connectNetworkDrive(); }

void HeadlessBackend::Type(Control& control, const std::string& text) {
  if (control.Responds()) control.SetText(text);
}

void HeadlessBackend::Click(Control& control) {
  if (control.Responds()) control.UserClicked();
}

void HeadlessBackend::Select(ListBox& list, int index) {
  if (list.Responds()) list.UserSelected(index);
}

void HeadlessBackend::DoubleClick(ListBox& list, int index) {
  if (!list.Responds()) return;
  list.UserSelected(index);
  list.UserDoubleClicked();
}

}  // namespace qv::ui
