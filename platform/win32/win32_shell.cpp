#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace qv {

void Win32Shell::Execute(void* ownerWindow, const std::string& file) {
  ShellExecuteW(static_cast<HWND>(ownerWindow), nullptr, Widen(file).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::Open(void* ownerWindow, const std::string& document, const std::string& workingFolder) {
  ShellExecuteW(static_cast<HWND>(ownerWindow), L"open", Widen(document).c_str(), L"", Widen(workingFolder).c_str(),
                SW_SHOW);
}

}  // namespace qv
