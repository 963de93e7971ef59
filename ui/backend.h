// What a backend provides for the toolkit: a peer per control, timers, the message loop,
// modal boxes and modal forms.
#pragma once

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace qv::ui {

class Control;
class Form;
class Timer;

enum class Colour { Default, ButtonFace, Window, Red, WindowText, Blue };

enum class ControlKind { Form, GroupBox, Label, Edit, Memo, CheckBox, Button, ListBox, ProgressBar, Image };

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
};

// "ＭＳ Ｐゴシック", "ＭＳ ゴシック" (both Shift-JIS) and "Times New Roman" (Western).
enum class FontFace { Proportional, FixedPitch, Serif };

struct FontStyle {
  FontFace face = FontFace::Proportional;
  int height = 12;  // the character height in pixels at 96 dpi
  bool bold = false;
  bool underline = false;

  bool operator<(const FontStyle& o) const {
    return std::tie(face, height, bold, underline) < std::tie(o.face, o.height, o.bold, o.underline);
  }
};

// The state the user can change lives in the peer; what only code sets is pushed to it.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetBounds(const Bounds& bounds) = 0;
  virtual void SetColour(Colour colour) = 0;
  virtual void SetFont(const FontStyle& font) = 0;
  virtual void SetTextColour(Colour colour) { static_cast<void>(colour); }
  // Puts this control after `previous` among its siblings (null: first), for the tab order.
  virtual void PlaceAfter(ControlPeer* previous) = 0;

  // The platform's window, for calls that want an owner; null where there is none.
  virtual void* NativeHandle() const { return nullptr; }

  // Check boxes.
  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool) {}
  // List boxes.
  virtual int Count() const { return 0; }
  virtual std::string Item(int) const { return {}; }
  virtual void AddItem(const std::string&) {}
  virtual void DeleteItem(int) {}
  virtual void ClearItems() {}
  virtual int ItemIndex() const { return -1; }
  virtual void SetItemIndex(int) {}
  // Progress bars.
  virtual void SetRange(int, int) {}
  virtual void SetPosition(int) {}
  // Images: an icon of the program's resources.
  virtual void SetIcon(const std::string& resource, int size) {
    static_cast<void>(resource);
    static_cast<void>(size);
  }
  // Forms.
  virtual void Show() {}
  virtual void Hide() {}
  virtual void BringToFront() {}
  virtual void SetAlpha(int) {}
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  // Starts counting the interval afresh.
  virtual void Start(unsigned milliseconds) = 0;
  virtual void Stop() = 0;
};

enum class BoxKind { Question, Notice, Error };
enum class BoxAnswer { None, Yes, No, Ok };

class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::unique_ptr<ControlPeer> CreatePeer(Control& control) = 0;
  virtual std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) = 0;

  // Waits for the next event and handles it; false once the end was requested.
  virtual bool HandleMessage() = 0;
  // Handles every pending event and returns.
  virtual void ProcessMessages() = 0;
  virtual void PostQuit() = 0;

  virtual BoxAnswer ShowBox(Form* owner, BoxKind kind, const std::string& text, const std::string& caption) = 0;
  // Runs the form modally until it sets a modal result or the end is requested.
  virtual void RunModal(Form& form) = 0;
  // The system's dialog to connect a network drive; false when none was connected.
  virtual bool ConnectNetworkDrive(Form* owner) = 0;
  // What Windows shows while the session waits for this form; failing is harmless.
  virtual void BlockShutdown(Form& form, const std::string& reason) = 0;
  virtual void UnblockShutdown(Form& form) = 0;
};

}  // namespace qv::ui
