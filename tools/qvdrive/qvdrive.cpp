// Drives a running Quorvel from outside with window messages, for scripts and for a person:
//   qvdrive COMMAND [ARGS...]; controls are named as the program names them.
// Only the session end waits on the program without a limit, as Windows does; everything
// else gives up in time, so that a modal loop never blocks the driver.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "ui/win32/control_names.h"

namespace {

using qv::Narrow;
using qv::Widen;

constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr UINT kSendTimeoutMs = 5000;

void Print(const std::string& utf8) {
  DWORD written = 0;
  const std::string line = utf8 + "\n";
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

[[noreturn]] void Fail(const std::string& why) {
  const std::string line = "qvdrive: " + why + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  ExitProcess(1);
}

std::string NameOf(HWND hwnd) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(hwnd, qv::ui::kNameProperty)));
  if (!atom) return {};
  wchar_t name[256];
  const UINT n = GlobalGetAtomNameW(atom, name, 256);
  return Narrow(name, static_cast<int>(n));
}

// The window enumerations, with a test of each window in place of a callback per use.
using WindowTest = std::function<bool(HWND)>;

struct Search {
  const WindowTest& test;
  HWND found = nullptr;
};

BOOL CALLBACK TestWindow(HWND hwnd, LPARAM p) {
  auto* search = reinterpret_cast<Search*>(p);
  if (!search->test(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

HWND FirstTopLevel(const WindowTest& test) {
  Search search{test};
  EnumWindows(TestWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FirstChild(HWND top, const WindowTest& test) {
  Search search{test};
  EnumChildWindows(top, TestWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopLevel(const std::string& name) {
  return FirstTopLevel([&](HWND hwnd) { return NameOf(hwnd) == name; });
}

HWND FindChild(HWND top, const std::string& name) {
  return FirstChild(top, [&](HWND hwnd) { return NameOf(hwnd) == name; });
}

// Polls until `ready` gives a window, or fails after the timeout.
HWND WaitFor(const std::function<HWND()>& ready, const std::string& what, DWORD timeoutMs = kDefaultTimeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (HWND h = ready()) return h;
    if (GetTickCount64() > end) Fail("timed out waiting for " + what);
    Sleep(20);
  }
}

HWND Form(const std::string& name) {
  return WaitFor([&] { return FindTopLevel(name); }, name == "Quorvel" ? "the main window" : name);
}

HWND MainWindow() { return Form("Quorvel"); }

// "Form.control" names a control of another form; a bare name is on the main window.
HWND Control(const std::string& name) {
  const auto dot = name.find('.');
  HWND top = dot == std::string::npos ? MainWindow() : Form(name.substr(0, dot));
  const std::string child = dot == std::string::npos ? name : name.substr(dot + 1);
  HWND h = FindChild(top, child);
  if (!h) Fail("no control named " + name);
  return h;
}

// False when the program did not answer in time, as while a pass copies files.
bool TrySend(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer)) return false;
  result = static_cast<LRESULT>(answer);
  return true;
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!TrySend(hwnd, message, wParam, lParam, result)) Fail("the program does not answer");
  return result;
}

std::optional<std::string> TryTextOf(HWND hwnd) {
  LRESULT length = 0, got = 0;
  if (!TrySend(hwnd, WM_GETTEXTLENGTH, 0, 0, length)) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  if (!TrySend(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), got)) return std::nullopt;
  text.resize(static_cast<std::size_t>(got));
  return Narrow(text);
}

std::string TextOf(HWND hwnd) {
  const auto text = TryTextOf(hwnd);
  if (!text) Fail("the program does not answer");
  return *text;
}

// Unix line ends, for the scripts that read the output.
std::string UnixLines(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
  return text;
}

std::vector<std::string> ItemsOf(HWND list) {
  std::vector<std::string> items;
  const LRESULT count = Send(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(Send(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(Narrow(text));
  }
  return items;
}

// The message box or system dialog that the program has open, with or without an owner.
HWND OpenBox() {
  return WaitFor(
      [] {
        HWND main = FindTopLevel("Quorvel");
        if (!main) return HWND{};
        DWORD program = 0;
        GetWindowThreadProcessId(main, &program);
        return FirstTopLevel([program](HWND hwnd) {
          wchar_t cls[32];
          GetClassNameW(hwnd, cls, 32);
          DWORD pid = 0;
          GetWindowThreadProcessId(hwnd, &pid);
          return lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd) && pid == program;
        });
      },
      "an open box");
}

int ButtonId(const std::string& which) {
  if (which == "yes") return IDYES;
  if (which == "no") return IDNO;
  if (which == "ok") return IDOK;
  if (which == "cancel") return IDCANCEL;
  return std::atoi(which.c_str());
}

void WaitUntil(const std::function<bool()>& done, const std::string& what, DWORD timeoutMs = kDefaultTimeoutMs) {
  static const HWND kDone = reinterpret_cast<HWND>(1);  // any non-null handle
  WaitFor([&] { return done() ? kDone : nullptr; }, what, timeoutMs);
}

bool Checked(HWND box) { return Send(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Waits a moment for the handler, so that the next command sees its effect; a handler that
// opens a box or runs a long pass goes on after the wait.
void Click(HWND button) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 1000, &ignored);
}

void Rect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  HWND parent = GetParent(hwnd);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  std::string parentName = NameOf(parent);
  Print(parentName + " " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
        std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top));
}

// Where a window is on the screen, left top width height: a form with its frame, a
// control's client area.
void ScreenRect(HWND hwnd, bool withFrame) {
  RECT r;
  if (withFrame) {
    GetWindowRect(hwnd, &r);
  } else {
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  }
  Print(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
        std::to_string(r.bottom - r.top));
}

void EndSession(unsigned flags, bool callOff) {
  HWND main = MainWindow();
  // As Windows does: the query first, waiting for the answer however long the pass takes.
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, flags, SMTO_NORMAL, INFINITE, &answer)) {
    Fail("no answer to the session query");
  }
  Print(answer ? "query: 1" : "query: 0");
  const BOOL ending = answer && !callOff;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(main, WM_ENDSESSION, ending, flags, SMTO_NORMAL, INFINITE, &ignored);
}

// The version record of a program file: the fixed versions, then each string of its first
// translation as NAME=VALUE.
void PrintVersion(const std::string& file) {
  const std::wstring path = Widen(file);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  std::vector<BYTE> data(size);
  if (!size || !GetFileVersionInfoW(path.c_str(), 0, size, data.data())) Fail("no version record in " + file);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) Fail("no fixed part");
  auto dotted = [](DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." + std::to_string(HIWORD(low)) +
           "." + std::to_string(LOWORD(low));
  };
  Print("fixed file " + dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS));
  Print("fixed product " + dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS));
  WORD* translation = nullptr;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
      length < 4) {
    Fail("no translation");
  }
  wchar_t block[32];
  _snwprintf(block, 32, L"%04x%04x", translation[0], translation[1]);
  Print("translation " + Narrow(block));
  for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"FileVersion", L"InternalName", L"LegalCopyright",
                              L"OriginalFilename", L"ProductName", L"ProductVersion"}) {
    wchar_t* value = nullptr;
    const std::wstring query = L"\\StringFileInfo\\" + std::wstring(block) + L"\\" + name;
    const bool found = VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length);
    Print(Narrow(name) + "=" + (found && value ? Narrow(value) : std::string()));
  }
}

int Usage() {
  Print(
      "usage: qvdrive COMMAND [ARGS]\n"
      "  wait-window                 wait until the main window exists\n"
      "  get NAME | set NAME TEXT    a control's text\n"
      "  click NAME                  press a button\n"
      "  tick NAME on|off            set a check box as a user would\n"
      "  checked NAME | enabled NAME print 1 or 0\n"
      "  select NAME INDEX           select a list entry\n"
      "  items NAME                  the entries of a list, one a line\n"
      "  progress NAME               a progress bar's position and maximum\n"
      "  log                         the log, as UTF-8\n"
      "  wait-log TEXT [MS]          wait until a log line ends with TEXT\n"
      "  box                         the open box's caption and text\n"
      "  press yes|no|ok|cancel|ID   press a button of the open box or dialog\n"
      "  press-dialog CAPTION ID     press a button of any program's dialog of that caption\n"
      "  folder PATH | folder-cancel fill and confirm, or cancel, the folder dialog\n"
      "  end-session [FLAGS] [off]   WM_QUERYENDSESSION then WM_ENDSESSION; off calls it off\n"
      "  rect NAME                   parent, left, top, width, height\n"
      "  screen-rect NAME            on the screen: a form with its frame, a control's client area\n"
      "  alpha FORM | visible FORM   a form's opacity, or 1 or 0\n"
      "  version FILE                the version record of a program file\n"
      "  close                       the main window's close box\n"
      "  windows                     the top-level windows, with their names\n"
      "NAME is a control of the main window, or FORM.NAME, such as FolderDialog.nameField.");
  return 2;
}

int Run(const std::vector<std::string>& a) {
  if (a.empty()) return Usage();
  const std::string& cmd = a[0];
  auto arg = [&](std::size_t i) -> const std::string& {
    if (i >= a.size()) ExitProcess(static_cast<UINT>(Usage()));
    return a[i];
  };
  if (cmd == "wait-window") {
    HWND main = MainWindow();
    WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, "the main window to show");
  } else if (cmd == "get") {
    Print(TextOf(Control(arg(1))));
  } else if (cmd == "set") {
    Send(Control(arg(1)), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(arg(2)).c_str()));
  } else if (cmd == "click") {
    Click(Control(arg(1)));
  } else if (cmd == "tick") {
    HWND box = Control(arg(1));
    const bool wanted = arg(2) == "on";
    if (Checked(box) != wanted) PostMessageW(box, BM_CLICK, 0, 0);
    WaitUntil([&] { return Checked(box) == wanted; }, arg(1) + " to change");
  } else if (cmd == "checked") {
    Print(Checked(Control(arg(1))) ? "1" : "0");
  } else if (cmd == "enabled") {
    Print(IsWindowEnabled(Control(arg(1))) ? "1" : "0");
  } else if (cmd == "select") {
    HWND list = Control(arg(1));
    Send(list, LB_SETCURSEL, std::atoi(arg(2).c_str()), 0);
    PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  } else if (cmd == "progress") {
    HWND bar = Control(arg(1));
    Print(std::to_string(Send(bar, PBM_GETPOS, 0, 0)) + " " + std::to_string(Send(bar, PBM_GETRANGE, FALSE, 0)));
  } else if (cmd == "items") {
    for (const std::string& item : ItemsOf(Control(arg(1)))) Print(item);
  } else if (cmd == "log") {
    Print(UnixLines(TextOf(Control("log"))));
  } else if (cmd == "wait-log") {
    const std::string wanted = arg(1);
    const DWORD timeout = a.size() > 2 ? static_cast<DWORD>(std::atoi(a[2].c_str())) : kDefaultTimeoutMs;
    HWND log = Control("log");
    WaitUntil(
        [&] {
          const auto text = TryTextOf(log);  // a busy program is asked again
          return text && ("\r\n" + *text + "\r\n").find(wanted + "\r\n") != std::string::npos;
        },
        "the log line " + wanted, timeout);
  } else if (cmd == "box") {
    HWND box = OpenBox();
    Print(TextOf(box));
    Print(UnixLines(TextOf(WaitFor([&] { return GetDlgItem(box, 0xFFFF); }, "the box's text"))));
  } else if (cmd == "press") {
    HWND box = OpenBox();
    const int id = ButtonId(arg(1));
    PostMessageW(WaitFor([&] { return GetDlgItem(box, id); }, "the button " + arg(1)), BM_CLICK, 0, 0);
  } else if (cmd == "press-dialog") {
    // A dialog of another program, such as the one Wine shows when the session end waits.
    const std::wstring caption = Widen(arg(1));
    const int id = ButtonId(arg(2));
    HWND dialog = WaitFor(
        [&] {
          return FirstTopLevel([&](HWND hwnd) {
            wchar_t cls[32], text[256];
            GetClassNameW(hwnd, cls, 32);
            GetWindowTextW(hwnd, text, 256);
            return lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd) && caption == text;
          });
        },
        "the dialog " + arg(1), 60000);
    PostMessageW(WaitFor([&] { return GetDlgItem(dialog, id); }, "the button " + arg(2)), BM_CLICK, 0, 0);
  } else if (cmd == "folder") {
    HWND field = Control("FolderDialog.nameField");
    Send(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(arg(1)).c_str()));
    PostMessageW(Control("FolderDialog.okButton"), BM_CLICK, 0, 0);
  } else if (cmd == "folder-cancel") {
    PostMessageW(Control("FolderDialog.cancelButton"), BM_CLICK, 0, 0);
  } else if (cmd == "end-session") {
    const unsigned flags = a.size() > 1 ? static_cast<unsigned>(std::strtoul(a[1].c_str(), nullptr, 0)) : 0;
    EndSession(flags, a.size() > 2 && a[2] == "off");
  } else if (cmd == "rect") {
    Rect(Control(arg(1)));
  } else if (cmd == "screen-rect") {
    const std::string& name = arg(1);
    if (name == "Quorvel") {
      ScreenRect(MainWindow(), true);
    } else if (HWND form = FindTopLevel(name)) {
      ScreenRect(form, true);
    } else {
      ScreenRect(Control(name), false);
    }
  } else if (cmd == "alpha") {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(Form(arg(1)), nullptr, &alpha, &flags) ||
        !(flags & LWA_ALPHA)) {
      Fail("no opacity set on " + arg(1));
    }
    Print(std::to_string(alpha));
  } else if (cmd == "visible") {
    Print(IsWindowVisible(Form(arg(1))) ? "1" : "0");
  } else if (cmd == "version") {
    PrintVersion(arg(1));
  } else if (cmd == "close") {
    PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
  } else if (cmd == "windows") {
    FirstTopLevel([](HWND hwnd) {
      wchar_t cls[64];
      GetClassNameW(hwnd, cls, 64);
      DWORD pid = 0;
      GetWindowThreadProcessId(hwnd, &pid);
      wchar_t caption[256];
      GetWindowTextW(hwnd, caption, 256);
      Print(Narrow(cls) + " name=" + NameOf(hwnd) + " visible=" + (IsWindowVisible(hwnd) ? "1" : "0") +
            " pid=" + std::to_string(pid) + " caption=" + Narrow(caption));
      return false;
    });
  } else {
    return Usage();
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
  return Run(args);
}
