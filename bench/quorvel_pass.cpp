// Runs one backup or restore pass over the real file system and prints its log, newest
// last, with the time the pass took. For the benchmark, the end-to-end tests and by hand:
//   quorvel-pass backup|restore RAMDISK_ROOT BACKUP_FOLDER FOLDER...
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/activity_log.h"
#include "engine/transfer_folders.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"

namespace {

void Print(const std::string& line) {
  const std::string out = line + "\n";
  DWORD wrote = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &wrote, nullptr);
}

// Prints each entry as it is written, instead of keeping the text.
class PrintedLog : public qv::LogText {
 public:
  std::string Text() const override { return {}; }
  void SetText(const std::string& text) override { Print(text.substr(0, text.size() - 2)); }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    Print("usage: quorvel-pass backup|restore RAMDISK_ROOT BACKUP_FOLDER FOLDER...");
    return 2;
  }
  const std::string direction = qv::Narrow(argv[1]);
  qv::PlainWorkingSettings settings;
  settings.ramDiskRoot = qv::Narrow(argv[2]);
  settings.backupFolder = qv::Narrow(argv[3]);
  for (int i = 4; i < argc; ++i) settings.folders.push_back(qv::Narrow(argv[i]));

  qv::Win32FileSystem files;
  qv::Win32Clock clock;
  qv::Win32RegionalSettings regional;
  PrintedLog printed;
  qv::ActivityLog log(clock, regional, printed);
  const qv::PassEnvironment env{files, settings, [&](const std::string& m) { log.WriteLog(m); },
                                [] {
                                  MSG msg;
                                  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
                                }};
  LARGE_INTEGER freq, start, end;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&start);
  try {
    qv::TransferFolders(direction == "restore" ? qv::tdRestore : qv::tdBackup, env);
  } catch (const std::exception& e) {
    Print(std::string("error: ") + e.what());
    return 1;
  }
  QueryPerformanceCounter(&end);
  char elapsed[64];
  std::snprintf(elapsed, sizeof elapsed, "elapsed_ms %.1f",
                static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart));
  Print(elapsed);
  return 0;
}
