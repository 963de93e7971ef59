// The real windows behind the toolkit's controls.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/control.h"
#include "ui/win32/control_names.h"
#include "ui/win32/unique_window.h"

namespace qv::ui {

class Win32Backend;

class Win32Peer : public ControlPeer {
 public:
  Win32Peer(Win32Backend& backend, Control& control) : backend_(backend), control_(control) {}
  ~Win32Peer() override;
  HWND Hwnd() const { return window_.get(); }
  void* NativeHandle() const override { return Hwnd(); }

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void SetEnabled(bool enabled) override;
  void SetVisible(bool visible) override;
  void SetColour(Colour colour) override;
  void SetFont(const FontStyle& font) override;
  void SetTextColour(Colour colour) override;
  void PlaceAfter(ControlPeer* previous) override;

  // A notification the parent received for this window.
  virtual void OnCommand(int) {}
  HBRUSH OnControlColour(HDC dc) const;

  static Win32Peer* FromWindow(HWND hwnd);

 protected:
  // Makes the window and marks it with this peer and the control's name.
  void Attach(HWND hwnd);

  Win32Backend& backend_;
  Control& control_;
  Colour colour_ = Colour::Default;
  Colour textColour_ = Colour::WindowText;

 private:
  UniqueWindow window_;
  ATOM nameAtom_ = 0;
};

std::unique_ptr<ControlPeer> MakeWin32Peer(Win32Backend& backend, Control& control);

// Hands WM_COMMAND and WM_CTLCOLOR* on to the child they concern; false for others.
bool RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace qv::ui
