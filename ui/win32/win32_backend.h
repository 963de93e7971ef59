// The toolkit on real windows: W functions, system controls, timers on a message window.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "ui/backend.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/unique_window.h"

namespace qv::ui {

class Win32Backend : public Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  std::unique_ptr<ControlPeer> CreatePeer(Control& control) override;
  std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) override;
  bool HandleMessage() override;
  void ProcessMessages() override;
  void PostQuit() override;
  BoxAnswer ShowBox(Form* owner, BoxKind kind, const std::string& text, const std::string& caption) override;
  void RunModal(Form& form) override;
  bool ConnectNetworkDrive(Form* owner) override;
  void BlockShutdown(Form& form, const std::string& reason) override;
  void UnblockShutdown(Form& form) override;

  HINSTANCE Instance() const { return instance_; }
  HFONT FontFor(const FontStyle& style) { return fonts_.For(style); }
  // A length of the 96-dpi layout at the screen's dpi.
  int Scale(int length) const { return MulDiv(length, dpi_, 96); }
  // Borrowed: the system's brushes and one red brush the backend owns.
  HBRUSH BrushFor(Colour colour) const;
  static COLORREF ColourRef(Colour colour);
  HWND TimerWindow() const { return timerWindow_.get(); }
  UINT_PTR RegisterTimer(Timer& timer);
  void UnregisterTimer(UINT_PTR id);

 private:
  static LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  void Dispatch(MSG& msg);

  HINSTANCE instance_;
  int dpi_;
  FontSet fonts_;
  UniqueBrush red_;
  UniqueWindow timerWindow_;
  std::map<UINT_PTR, Timer*> timers_;
  UINT_PTR nextTimerId_ = 1;
};

// The window of a control, for the backend and for tools that look at it.
HWND WindowOf(const Control& control);

}  // namespace qv::ui
