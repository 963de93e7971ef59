#include "ui/form.h"

#include "ui/application.h"

namespace qv::ui {

Form::Form(Application& app, Form* owner) : Control(ControlKind::Form), owner_(owner) { app_ = &app; }

Form::~Form() = default;

void Form::SetupForm(std::string name, const std::string& caption, int clientWidth, int clientHeight) {
  FormShape shape;
  shape.width = clientWidth;
  shape.height = clientHeight;
  SetupForm(std::move(name), caption, shape);
}

void Form::SetupForm(std::string name, const std::string& caption, const FormShape& shape) {
  shape_ = shape;
  if (shape.position) centre_ = false;
  SetupTopLevel(std::move(name), {0, 0, shape.width, shape.height});
  SetText(caption);
}

void Form::SetAlphaBlendValue(int alpha) {
  alpha_ = alpha;
  Peer()->SetAlpha(alpha);
}

void Form::Show() {
  showing_ = true;
  Peer()->Show();
  centre_ = false;
}

void Form::Hide() {
  showing_ = false;
  Peer()->Hide();
}

void Form::BringToFront() { Peer()->BringToFront(); }

void Form::UserClose() {
  App().Dispatch([this] {
    if (OnCloseQuery && !OnCloseQuery()) return;
    if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
    if (App().MainForm() == this) {
      App().Terminate();
    } else {
      Hide();
    }
  });
}

bool Form::QueryEndSession(unsigned flags) noexcept {
  if (!OnQueryEndSession) return true;
  bool answer = false;  // stays no when an error escapes the handler
  App().Dispatch([&] { answer = OnQueryEndSession(flags); });
  return answer;
}

void Form::EndSession(bool ending, unsigned flags) noexcept {
  if (OnEndSession) App().Dispatch([&] { OnEndSession(ending, flags); });
}

void Form::SettingChanged(const std::string& area) noexcept {
  if (OnSettingChange) App().Dispatch([&] { OnSettingChange(area); });
}

ModalResult Form::ShowModal() {
  modalResult_ = ModalResult::None;
  App().GetBackend().RunModal(*this);
  if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
  return modalResult_;
}

}  // namespace qv::ui
