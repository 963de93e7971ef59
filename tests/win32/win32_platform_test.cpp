// The Windows implementations, run under Wine (or Windows) on real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "app/activity_log.h"
#include "engine/folder_tree_copy.h"
#include "platform/code_page.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"

namespace qv {
namespace {

class Win32PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root = Narrow(temp) + "quorvel-test-" + std::to_string(GetCurrentProcessId()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(fs.ForceDirectories(root).ok());
  }
  void TearDown() override { RemoveTree(root); }

  void RemoveTree(const std::string& folder) {
    SearchStart s = fs.FindFirst(folder + "\\*.*");
    DirEntry e;
    while (s.search && s.search->Next(e)) {
      if (e.name == "." || e.name == "..") continue;
      const std::string p = folder + "\\" + e.name;
      fs.ClearAttributes(p);
      if (e.isFolder) RemoveTree(p);
      else fs.RemoveFile(p);
    }
    s.search.reset();
    fs.RemoveFolder(folder);
  }

  void Write(const std::string& path, const std::string& content, DWORD attributes = 0) {
    ASSERT_TRUE(fs.ForceDirectories(ExtractDir(path)).ok()) << path;
    ASSERT_TRUE(fs.WriteWholeFile(path, content).ok()) << path;
    if (attributes) SetFileAttributesW(LongPath(path).c_str(), attributes);
  }
  std::string Read(const std::string& path) {
    std::string bytes;
    return fs.ReadWholeFile(path, bytes).ok() ? bytes : "<missing>";
  }
  static std::string ExtractDir(const std::string& path) { return path.substr(0, path.rfind('\\')); }

  bool Copy(const std::string& source, const std::string& destParent) {
    const CopyEnvironment env{fs, [] {}, [this](const CopyFailure& f) { failures.push_back(f); }};
    return CopyFolderTree(env, source, destParent, true);
  }

  Win32FileSystem fs;
  std::string root;
  std::vector<CopyFailure> failures;
};

TEST_F(Win32PlatformTest, SearchDeliversEveryEntryWithDotEntriesInSubFolders) {
  Write(root + "\\src\\plain.txt", "p");
  Write(root + "\\src\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  Write(root + "\\src\\한국어.txt", "k");
  ASSERT_TRUE(fs.ForceDirectories(root + "\\src\\sub").ok());
  std::set<std::string> names;
  SearchStart s = fs.FindFirst(root + "\\src\\*.*");
  ASSERT_TRUE(s.search);
  DirEntry e;
  while (s.search->Next(e)) names.insert(e.name + (e.isFolder ? "\\" : ""));
  EXPECT_EQ(names, (std::set<std::string>{".\\", "..\\", "plain.txt", "hidden.txt", "한국어.txt", "sub\\"}));
  EXPECT_EQ(fs.FindFirst(root + "\\missing\\*.*").result.error, FileError::NotFound);
}

TEST_F(Win32PlatformTest, ExistenceTestsTellFilesFromFolders) {
  Write(root + "\\f.txt", "x");
  EXPECT_TRUE(fs.DirectoryExists(root));
  EXPECT_TRUE(fs.DirectoryExists(root + "\\"));
  EXPECT_FALSE(fs.DirectoryExists(root + "\\f.txt"));
  EXPECT_TRUE(fs.FileExists(root + "\\F.TXT"));
  EXPECT_FALSE(fs.FileExists(root));
  EXPECT_FALSE(fs.DirectoryExists(""));
  EXPECT_EQ(fs.ForceDirectories(root + "\\f.txt\\sub").error, FileError::FileInTheWay);
  EXPECT_TRUE(fs.ForceDirectories(root + "\\a\\b\\c").ok());
  EXPECT_TRUE(fs.DirectoryExists(root + "\\a\\b\\c"));
}

TEST_F(Win32PlatformTest, CopiesATreeWithForeignNamesLongPathsAndProtectedDestinations) {
  std::string deep = root + "\\src";
  for (int i = 0; i < 12; ++i) deep += "\\a-rather-long-folder-name-" + std::to_string(i);
  ASSERT_GT(deep.size(), 300u);
  Write(deep + "\\深い.txt", "deep");
  Write(root + "\\src\\한국어 😀.txt", "foreign");
  Write(root + "\\src\\ro.txt", "new ro");
  Write(root + "\\src\\hidden.txt", "new hidden");
  Write(root + "\\bk\\src\\ro.txt", "old", FILE_ATTRIBUTE_READONLY);
  Write(root + "\\bk\\src\\hidden.txt", "old", FILE_ATTRIBUTE_HIDDEN);

  EXPECT_TRUE(Copy(root + "\\src", root + "\\bk"));
  EXPECT_TRUE(failures.empty());
  const std::string copied = root + "\\bk\\src" + deep.substr(root.size() + 4);
  EXPECT_EQ(Read(copied + "\\深い.txt"), "deep");
  EXPECT_EQ(Read(root + "\\bk\\src\\한국어 😀.txt"), "foreign");
  EXPECT_EQ(Read(root + "\\bk\\src\\ro.txt"), "new ro");
  EXPECT_EQ(Read(root + "\\bk\\src\\hidden.txt"), "new hidden");
  EXPECT_FALSE(fs.DirectoryExists(root + "\\bk\\" + kStagingFolderName));
}

// Run as an ordinary user, Wine refuses to overwrite a read-only file as Windows does; the
// copy must replace it all the same.
TEST_F(Win32PlatformTest, ReadOnlyBackupIsReplacedThoughThePlainCopyIsRefused) {
  Write(root + "\\src\\doc.txt", "v2");
  Write(root + "\\bk\\src\\doc.txt", "v1", FILE_ATTRIBUTE_READONLY);
  if (std::getenv("QV_EXPECT_READONLY_REFUSAL")) {
    EXPECT_EQ(fs.CopyOver(root + "\\src\\doc.txt", root + "\\bk\\src\\doc.txt").error, FileError::AccessDenied);
  }
  EXPECT_TRUE(Copy(root + "\\src", root + "\\bk"));
  EXPECT_EQ(Read(root + "\\bk\\src\\doc.txt"), "v2");
}

TEST_F(Win32PlatformTest, LockedSourceIsReportedAndTheRestCopied) {
  Write(root + "\\src\\a.txt", "a");
  Write(root + "\\src\\locked.txt", "l");
  Write(root + "\\src\\z.txt", "z");
  HANDLE h = CreateFileW(LongPath(root + "\\src\\locked.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Copy(root + "\\src", root + "\\bk"));
  CloseHandle(h);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].result.error, FileError::SharingViolation);
  EXPECT_EQ(failures[0].path, root + "\\src\\locked.txt");
  EXPECT_EQ(Read(root + "\\bk\\src\\a.txt"), "a");
  EXPECT_EQ(Read(root + "\\bk\\src\\z.txt"), "z");
}

TEST_F(Win32PlatformTest, FolderWhereAFileGoesIsReported) {
  Write(root + "\\src\\clash", "file");
  ASSERT_TRUE(fs.ForceDirectories(root + "\\bk\\src\\clash").ok());
  EXPECT_FALSE(Copy(root + "\\src", root + "\\bk"));
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].result.error, FileError::FolderInTheWay);
  EXPECT_FALSE(fs.DirectoryExists(root + "\\bk\\" + kStagingFolderName));
}

TEST(Win32CodePageTest, ConvertsWithTheSystemCodePage) {
  ASSERT_EQ(GetACP(), 932u) << "run with LANG=ja_JP.UTF-8";
  EXPECT_EQ(Utf8ToAnsi("表示ソ"), "\x95\x5C\x8E\xA6\x83\x5C");
  EXPECT_EQ(AnsiToUtf8("\x95\x5C\x8E\xA6\x83\x5C"), "表示ソ");
  EXPECT_FALSE(Utf8ToAnsi("한국"));
  EXPECT_FALSE(Utf8ToAnsi("\xC3\xA9"));  // é has no exact place in 932, only a look-alike
  EXPECT_EQ(AnsiByteLength("R:\\"), 3u);
  EXPECT_EQ(AnsiByteLength("Ｒ:\\"), 4u);
}

TEST(Win32CompareTest, SamePathIgnoresCase) {
  EXPECT_TRUE(SamePathText("R:\\WORK\\a.txt", "r:\\work\\A.TXT"));
  EXPECT_FALSE(SamePathText("R:\\work\\a.txt", "R:\\work\\b.txt"));
  EXPECT_FALSE(SamePathText("R:\\work", "R:\\work\\"));
}

TEST(Win32RegionalTest, StampAgreesWithTheSystemFormatting) {
  Win32RegionalSettings regional;
  SYSTEMTIME st{};
  st.wYear = 2009, st.wMonth = 3, st.wDay = 15, st.wDayOfWeek = 0, st.wHour = 9, st.wMinute = 5, st.wSecond = 7;
  wchar_t date[64], time[64];
  ASSERT_GT(GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 64), 0);
  ASSERT_GT(GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, 64), 0);
  LocalTime t;
  t.year = 2009, t.month = 3, t.day = 15, t.dayOfWeek = 0, t.hour = 9, t.minute = 5, t.second = 7;
  EXPECT_EQ(FormatTimeStamp(t, regional.Formats()), Narrow(date) + " " + Narrow(time));
  EXPECT_GE(Win32Clock().Now().year, 2024);
}

}  // namespace
}  // namespace qv
