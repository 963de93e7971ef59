#include "ui/win32/win32_backend.h"

#include <commctrl.h>
#include <winnetwk.h>

#include "platform/win32/wide.h"
#include "res/messages.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "ui/win32/win32_peers.h"

namespace qv::ui {
namespace {

constexpr wchar_t kTimerClass[] = L"QuorvelTimers";

class Win32TimerPeer : public TimerPeer {
 public:
  Win32TimerPeer(Win32Backend& backend, Timer& timer) : backend_(backend), id_(backend.RegisterTimer(timer)) {}
  ~Win32TimerPeer() override {
    Stop();
    backend_.UnregisterTimer(id_);
  }
  void Start(unsigned milliseconds) override { SetTimer(backend_.TimerWindow(), id_, milliseconds, nullptr); }
  void Stop() override { KillTimer(backend_.TimerWindow(), id_); }

 private:
  Win32Backend& backend_;
  UINT_PTR id_;
};

// Gives the next message box of this thread the program's own button captions.
class BoxCaptions {
 public:
  BoxCaptions() { hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId()); }
  ~BoxCaptions() { Unhook(); }
  BoxCaptions(const BoxCaptions&) = delete;
  BoxCaptions& operator=(const BoxCaptions&) = delete;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HCBT_ACTIVATE) {
      HWND box = reinterpret_cast<HWND>(wParam);
      SetDlgItemTextW(box, IDYES, Widen(msg::kButtonYes).c_str());
      SetDlgItemTextW(box, IDNO, Widen(msg::kButtonNo).c_str());
      SetDlgItemTextW(box, IDOK, Widen(msg::kButtonOk).c_str());
      Unhook();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static void Unhook() {
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
  }
  static inline HHOOK hook_ = nullptr;
};

HWND FormWindow(const Form* form) { return form ? WindowOf(*form) : nullptr; }

}  // namespace

HWND WindowOf(const Control& control) {
  return control.Peer() ? static_cast<const Win32Peer*>(control.Peer())->Hwnd() : nullptr;
}

namespace {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

// The manifest makes the program dpi-aware, so the layout is scaled here rather than stretched.
Win32Backend::Win32Backend(HINSTANCE instance)
    : instance_(instance), dpi_(ScreenDpi()), fonts_(dpi_), red_(CreateSolidBrush(RGB(255, 0, 0))) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = TimerWindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kTimerClass;
  RegisterClassExW(&wc);
  timerWindow_ = UniqueWindow(
      CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
  SetWindowLongPtrW(timerWindow_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Backend::~Win32Backend() = default;

HBRUSH Win32Backend::BrushFor(Colour colour) const {
  switch (colour) {
    case Colour::Red:
      return red_.get();
    case Colour::Window:
      return GetSysColorBrush(COLOR_WINDOW);
    default:
      return GetSysColorBrush(COLOR_BTNFACE);
  }
}

COLORREF Win32Backend::ColourRef(Colour colour) {
  switch (colour) {
    case Colour::Red:
      return RGB(255, 0, 0);
    case Colour::Window:
      return GetSysColor(COLOR_WINDOW);
    case Colour::Blue:
      return RGB(0, 0, 255);
    case Colour::WindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    default:
      return GetSysColor(COLOR_BTNFACE);
  }
}

std::unique_ptr<ControlPeer> Win32Backend::CreatePeer(Control& control) { return MakeWin32Peer(*this, control); }

std::unique_ptr<TimerPeer> Win32Backend::CreateTimerPeer(Timer& timer) {
  return std::make_unique<Win32TimerPeer>(*this, timer);
}

UINT_PTR Win32Backend::RegisterTimer(Timer& timer) {
  const UINT_PTR id = nextTimerId_++;
  timers_[id] = &timer;
  return id;
}

void Win32Backend::UnregisterTimer(UINT_PTR id) { timers_.erase(id); }

LRESULT CALLBACK Win32Backend::TimerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_TIMER) {
    auto* backend = reinterpret_cast<Win32Backend*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (backend) {
      if (auto it = backend->timers_.find(wParam); it != backend->timers_.end()) it->second->Tick();
    }
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Backend::Dispatch(MSG& msg) {
  // Tab and the arrow keys move between controls as in a dialog.
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && Win32Peer::FromWindow(root) && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

bool Win32Backend::HandleMessage() {
  MSG msg;
  const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) return false;
  Dispatch(msg);
  return true;
}

void Win32Backend::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that ends the program
      return;
    }
    Dispatch(msg);
  }
}

void Win32Backend::PostQuit() { PostQuitMessage(0); }

BoxAnswer Win32Backend::ShowBox(Form* owner, BoxKind kind, const std::string& text, const std::string& caption) {
  UINT type = MB_OK;
  if (kind == BoxKind::Question) type = MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON1;
  if (kind == BoxKind::Error) type = MB_OK | MB_ICONERROR;
  BoxCaptions captions;
  switch (MessageBoxW(FormWindow(owner), Widen(text).c_str(), Widen(caption).c_str(), type)) {
    case IDYES:
      return BoxAnswer::Yes;
    case IDNO:
      return BoxAnswer::No;
    case IDOK:
      return BoxAnswer::Ok;
    default:
      return BoxAnswer::None;
  }
}

void Win32Backend::RunModal(Form& form) {
  HWND owner = FormWindow(form.Owner());
  HWND window = WindowOf(form);
  if (owner) EnableWindow(owner, FALSE);
  form.Show();
  SetForegroundWindow(window);
  while (form.GetModalResult() == ModalResult::None && IsWindowVisible(window)) {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    Dispatch(msg);
  }
  // The owner comes back before the dialog goes, so that it takes the activation.
  if (owner) EnableWindow(owner, TRUE);
  form.Hide();
}

// Both are stubs under Wine that fail; Windows only shows the reason.
void Win32Backend::BlockShutdown(Form& form, const std::string& reason) {
  ShutdownBlockReasonCreate(WindowOf(form), Widen(reason).c_str());
}

void Win32Backend::UnblockShutdown(Form& form) { ShutdownBlockReasonDestroy(WindowOf(form)); }

bool Win32Backend::ConnectNetworkDrive(Form* owner) {
  return WNetConnectionDialog(FormWindow(owner), RESOURCETYPE_DISK) == NO_ERROR;
}

}  // namespace qv::ui
