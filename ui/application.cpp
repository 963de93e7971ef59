#include "ui/application.h"

#include <stdexcept>

#include "platform/path.h"
#include "res/messages.h"
#include "ui/form.h"

namespace qv::ui {
namespace {

// The code point that ends a UTF-8 text.
char32_t LastCharacter(const std::string& s) {
  std::size_t start = s.size() - 1;
  while (start > 0 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) --start;
  char32_t c = static_cast<unsigned char>(s[start]);
  if (c >= 0x80) {
    const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    c &= 0x3F >> extra;
    for (std::size_t i = start + 1; i < s.size(); ++i) c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
  }
  return c;
}

}  // namespace

std::string TitleFromProgramFile(const std::string& path) {
  std::string name = ExtractFileName(path);
  name = name.substr(0, name.find('.'));
  for (std::size_t i = 1; i < name.size(); ++i) {
    if (name[i] >= 'A' && name[i] <= 'Z') name[i] = static_cast<char>(name[i] - 'A' + 'a');
  }
  return name;
}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && LastCharacter(message) > U'.') return message + ".";
  return message;
}

void Application::Run() {
  if (mainForm_ && showMainForm_) mainForm_->Show();
  while (!terminated_) {
    if (!backend_.HandleMessage()) terminated_ = true;
  }
}

void Application::ProcessMessages() { backend_.ProcessMessages(); }

void Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  backend_.PostQuit();
}

void Application::Dispatch(const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(std::runtime_error(msg::kReasonUnknown));
  }
}

void Application::ShowException(const std::exception& error) noexcept {
  try {
    ShowBox(BoxKind::Error, ErrorBoxText(error.what()), title_);
  } catch (...) {
    // Nothing is left to tell the user with.
  }
}

BoxAnswer Application::AskQuestion(const std::string& text) {
  return ShowBox(BoxKind::Question, text, msg::kQuestionCaption);
}

BoxAnswer Application::ShowNotice(const std::string& text) { return ShowBox(BoxKind::Notice, text, title_); }

BoxAnswer Application::ShowBox(BoxKind kind, const std::string& text, const std::string& caption) {
  if (terminated_) return BoxAnswer::None;
  const BoxAnswer answer = backend_.ShowBox(mainForm_, kind, text, caption);
  // An end requested while the box was open closes it with no answer.
  return terminated_ ? BoxAnswer::None : answer;
}

}  // namespace qv::ui
