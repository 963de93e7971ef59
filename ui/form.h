// A top-level window holding controls; the application's main form or a modal one.
#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace qv::ui {

enum class ModalResult { None, Ok, Cancel };

class Form : public Control {
 public:
  // `owner` stays above in the z-order, and is disabled while this form runs modally.
  Form(Application& app, Form* owner = nullptr);
  ~Form() override;

  // Gives the form its name, caption and client size and makes its window, hidden.
  void SetupForm(std::string name, const std::string& caption, int clientWidth, int clientHeight);

  Form* Owner() const { return owner_; }
  bool Showing() const { return showing_; }
  void Show();
  void Hide();
  void BringToFront();
  bool CentredOnFirstShow() const { return centre_; }
  void SetCentredOnFirstShow(bool centre) { centre_ = centre; }

  // The close box: asks OnCloseQuery; the main form then ends the program, another hides.
  void UserClose();
  std::function<bool()> OnCloseQuery;

  // The session-end messages, with lParam as Windows sends it.
  std::function<bool(unsigned flags)> OnQueryEndSession;
  std::function<void(bool ending, unsigned flags)> OnEndSession;
  bool QueryEndSession(unsigned flags) noexcept;
  void EndSession(bool ending, unsigned flags) noexcept;
  // The system announced changed settings; `area` as WM_SETTINGCHANGE names it.
  std::function<void(const std::string& area)> OnSettingChange;
  void SettingChanged(const std::string& area) noexcept;

  ModalResult ShowModal();
  ModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(ModalResult result) { modalResult_ = result; }

 private:
  Form* owner_;
  bool showing_ = false;
  bool centre_ = true;
  ModalResult modalResult_ = ModalResult::None;
};

}  // namespace qv::ui
