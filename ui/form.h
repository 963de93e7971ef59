// A top-level window holding controls; the application's main form or a modal one.
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <string>

#include "ui/control.h"

namespace qv::ui {

enum class ModalResult { None, Ok, Cancel };

enum class FrameStyle { FixedSingle, Sizeable };

struct FormShape {
  int width = 0, height = 0;
  bool outerSize = false;  // the size with the frame, else the client area
  FrameStyle frame = FrameStyle::FixedSingle;
  std::optional<std::pair<int, int>> position;  // left, top on the screen; else centred
};

class Form : public Control {
 public:
  // `owner` stays above in the z-order, and is disabled while this form runs modally.
  Form(Application& app, Form* owner = nullptr);
  ~Form() override;

  // Gives the form its name, caption and client size and makes its window, hidden.
  void SetupForm(std::string name, const std::string& caption, int clientWidth, int clientHeight);
  void SetupForm(std::string name, const std::string& caption, const FormShape& shape);
  const FormShape& Shape() const { return shape_; }

  // The opacity of the whole window, 0 (invisible) to 255.
  int AlphaBlendValue() const { return alpha_; }
  void SetAlphaBlendValue(int alpha);

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
  FormShape shape_;
  int alpha_ = 255;
  bool showing_ = false;
  bool centre_ = true;
  ModalResult modalResult_ = ModalResult::None;
};

}  // namespace qv::ui
