// The application object: the message loop, the end request, the title and the boxes.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "ui/backend.h"

namespace qv::ui {

class Form;

// The program file's name up to its first full stop, every character after the first in
// lower case.
std::string TitleFromProgramFile(const std::string& path);
// An error message as its box shows it: a full stop is added when the last character sorts
// after the full stop.
std::string ErrorBoxText(const std::string& message);

class Application {
 public:
  explicit Application(Backend& backend) : backend_(backend) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Backend& GetBackend() const { return backend_; }
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }
  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form& form) { mainForm_ = &form; }

  // Shows the main form unless told not to, then handles events until the end is requested.
  void Run();
  void ProcessMessages();
  // A request: the running handler, and any pass in it, go on to their ends first.
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Runs a handler; an exception that leaves it shows the error box and the program runs on.
  void Dispatch(const std::function<void()>& handler) noexcept;
  void ShowException(const std::exception& error) noexcept;

  // Once the end was requested, a box returns at once with no answer.
  BoxAnswer AskQuestion(const std::string& text);
  BoxAnswer ShowNotice(const std::string& text);

 private:
  BoxAnswer ShowBox(BoxKind kind, const std::string& text, const std::string& caption);

  Backend& backend_;
  std::string title_;
  bool showMainForm_ = true;
  bool terminated_ = false;
  Form* mainForm_ = nullptr;
};

}  // namespace qv::ui
