// The program's own profile format against the system's profile functions, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/profile_store.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_store.h"

namespace qv {
namespace {

std::string TempFolder() {
  wchar_t buffer[MAX_PATH];
  GetTempPathW(MAX_PATH, buffer);
  std::string folder = Narrow(buffer) + "qv-profile-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryW(Widen(folder).c_str(), nullptr);
  return folder + "\\";
}

struct Step {
  std::string section, key, value;  // a write
};

TEST(ProfileAgreementTest, BothImplementationsReadWhatEitherWrote) {
  const std::string folder = TempFolder();
  const std::string bySystem = folder + "system.ini", byOwn = folder + "own.ini";
  const std::string start = "[Options]\r\nfirst=1\r\n  CopyTo =  \"D:\\\x91\xDE\x94\xF0\"  \r\n[Other]\r\nk=v\r\n";
  Win32FileSystem files;
  ASSERT_TRUE(files.WriteWholeFile(bySystem, start).ok());
  ASSERT_TRUE(files.WriteWholeFile(byOwn, start).ok());
  Win32ProfileStore system;
  TextProfileStore own(files);

  const std::vector<Step> steps = {
      {"Options", "First", "0"},          {"Options", "FormVisible", "1"},
      {"Options", "DriveLetter", "R:\\"}, {"Options", "CopyTo", "D:\\RAM backup\\表"},
      {"Options", "Interval", ""},        {"options", "INTERVAL", "2500"},
      {"New", "x", "1"},                  {"Options", "int_backup_timer", std::string(2100, '9')},
  };
  const std::vector<std::pair<std::string, std::string>> keys = {
      {"Options", "First"},       {"Options", "FormVisible"}, {"Options", "DriveLetter"},
      {"Options", "CopyTo"},      {"Options", "Interval"},    {"OPTIONS", "interval"},
      {"Options", "int_backup_timer"}, {"Other", "k"},        {"New", "x"},
      {"Options", "missing"},     {"Missing", "First"},
  };
  auto compare = [&](const std::string& when) {
    for (const auto& [section, key] : keys) {
      const std::string a = system.ReadString(bySystem, section, key, "<default>");
      const std::string b = own.ReadString(byOwn, section, key, "<default>");
      EXPECT_EQ(a, b) << when << ": " << section << "/" << key;
      EXPECT_EQ(own.ReadString(bySystem, section, key, "<default>"), a) << when << ": own reading the system's file";
      EXPECT_EQ(system.ReadString(byOwn, section, key, "<default>"), b) << when << ": system reading our file";
    }
  };
  compare("before any write");
  for (const Step& s : steps) {
    ASSERT_TRUE(system.WriteString(bySystem, s.section, s.key, s.value));
    system.Flush(bySystem);
    ASSERT_TRUE(own.WriteString(byOwn, s.section, s.key, s.value));
    compare("after writing " + s.key);
  }
  EXPECT_EQ(own.ReadString(byOwn, "Options", "int_backup_timer", "").size(), kProfileValueLimit);
  DeleteFileW(Widen(bySystem).c_str());
  DeleteFileW(Widen(byOwn).c_str());
  RemoveDirectoryW(Widen(folder).c_str());
}

TEST(ProfileAgreementTest, AnEmptyFileGetsTheSameFirstLines) {
  const std::string folder = TempFolder();
  Win32FileSystem files;
  Win32ProfileStore system;
  TextProfileStore own(files);
  for (ProfileStore* store : {static_cast<ProfileStore*>(&system), static_cast<ProfileStore*>(&own)}) {
    const std::string path = folder + "empty.ini";
    ASSERT_TRUE(files.WriteWholeFile(path, "").ok());
    ASSERT_TRUE(store->WriteString(path, "Options", "First", "0"));
    store->Flush(path);
    std::string bytes;
    ASSERT_TRUE(files.ReadWholeFile(path, bytes).ok());
    EXPECT_EQ(bytes, "[Options]\r\nFirst=0\r\n");
    DeleteFileW(Widen(path).c_str());
  }
  RemoveDirectoryW(Widen(folder).c_str());
}

}  // namespace
}  // namespace qv
