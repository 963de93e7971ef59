// The program's entry on Windows: the real file system, clock and windows.
#include <windows.h>

#include <string>

#include "about/version_info.h"
#include "app/main_window.h"
#include "platform/path.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"

namespace {

std::string ProgramFile() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return qv::Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Asked late at the session end, so that programs writing to the RAM disk are gone first.
  SetProcessShutdownParameters(0x180, 0);
  qv::ui::Win32Backend backend(instance);
  qv::ui::Application app(backend);
  const std::string programFile = ProgramFile();
  app.SetTitle(qv::ui::TitleFromProgramFile(programFile));
  qv::Win32FileSystem files;
  qv::Win32ProfileStore profiles;
  qv::Win32Registry registry;
  qv::Win32Shell shell;
  qv::Win32Clock clock;
  qv::Win32RegionalSettings regional;
  // Being made first, it is the main window; its creation runs the first stage of start-up.
  qv::TQuorvel window(app, {files, profiles, registry, shell, clock, regional, programFile});
  qv::Quorvel = &window;
  app.SetMainForm(window);
  qv::TVersionInfo about(app, shell, qv::ExtractFilePath(programFile));
  qv::VersionInfo = &about;
  app.Run();
  qv::VersionInfo = nullptr;
  qv::Quorvel = nullptr;
  return 0;
}
