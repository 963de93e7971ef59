// A main window on the headless backend, made when the test has put its files in place.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "platform/headless/fake_clock.h"
#include "platform/headless/memory_file_system.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/recording_shell.h"
#include "platform/profile_store.h"
#include "tests/app/log_messages.h"
#include "ui/headless/headless_backend.h"

namespace qv {

class WindowFixture : public ::testing::Test {
 public:
  using Strings = std::vector<std::string>;
  static constexpr char kFolder[] = "C:\\Quorvel\\";
  static std::string Ini() { return std::string(kFolder) + "Settings.ini"; }
  static std::string Dat() { return std::string(kFolder) + "RAMDiskDirs.dat"; }

 protected:
  WindowFixture() {
    fs.AddDrive('R');
    fs.AddDrive('D');
    fs.AddFolder("C:\\Quorvel");
    fs.AddFile(Dat(), "");
  }

  void Settings(const std::string& lines) { fs.AddFile(Ini(), "[Options]\r\n" + lines); }

  // Makes the window, which runs the first stage of start-up.
  TQuorvel& Start() {
    window.emplace(app, MainWindowServices{fs, profiles, registry, shell, clock, regional, programFile});
    app.SetMainForm(*window);
    return *window;
  }
  // Makes the window and lets start-up run to its end.
  TQuorvel& StartAndWait() {
    Start();
    backend.Advance(5);
    return *window;
  }

  Strings Log() const { return LogMessages(window->log.Text()); }

  Strings ErrorTexts() const {
    Strings texts;
    for (const auto& box : backend.boxes) {
      if (box.kind == ui::BoxKind::Error) texts.push_back(box.text);
    }
    return texts;
  }

  MemoryFileSystem fs;
  TextProfileStore profiles{fs};
  MemoryRegistry registry;
  RecordingShell shell;
  FakeClock clock;
  FakeRegionalSettings regional;
  ui::HeadlessBackend backend;
  ui::Application app{backend};
  std::string programFile = std::string(kFolder) + "quorvel.exe";
  std::optional<TQuorvel> window;
};

}  // namespace qv
