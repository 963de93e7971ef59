#include "engine/transfer_folders.h"

#include <gtest/gtest.h>

#include "platform/headless/memory_file_system.h"
#include "res/messages.h"

namespace qv {
namespace {

using Strings = std::vector<std::string>;

class TransferFoldersTest : public ::testing::Test {
 protected:
  TransferFoldersTest() {
    fs.AddDrive('R');
    fs.AddDrive('D');
    fs.AddFolder("D:\\bk");
    settings.ramDiskRoot = "R:\\";
    settings.backupFolder = "D:\\bk";
  }

  PassEnvironment Env() {
    return {fs, settings, [this](const std::string& line) { log.push_back(line); },
            [this] {
              if (duringWalk) duringWalk();
            }};
  }
  void Run(TTransferDirection direction) { TransferFolders(direction, Env()); }

  MemoryFileSystem fs;
  PlainWorkingSettings settings;
  Strings log;
  std::function<void()> duringWalk;
};

struct PassCase {
  std::string name;
  TTransferDirection direction;
  std::string ramDiskRoot;
  std::string backupFolder;
  Strings folders;
  Strings files;  // present before the pass
  Strings skips;  // the lines between the opening and the closing line
  Strings after;  // files present after the pass
  Strings absent; // paths that must not exist after the pass
};

void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class PassCaseTest : public TransferFoldersTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(PassCaseTest, LogsAndCopiesAsListed) {
  const PassCase& c = GetParam();
  settings.ramDiskRoot = c.ramDiskRoot;
  settings.backupFolder = c.backupFolder;
  settings.folders = c.folders;
  for (const auto& f : c.files) fs.AddFile(f, f);
  Run(c.direction);

  Strings expected{c.direction == tdBackup ? msg::kBackupStart : msg::kRestoreStart};
  expected.insert(expected.end(), c.skips.begin(), c.skips.end());
  expected.push_back(c.direction == tdBackup ? msg::kBackupDone : msg::kRestoreDone);
  EXPECT_EQ(log, expected);
  for (const auto& f : c.after) EXPECT_TRUE(fs.FileExists(f)) << f;
  for (const auto& f : c.absent) EXPECT_FALSE(fs.Exists(f)) << f;
}

const PassCase kPassCases[] = {
    {"EmptyList", tdBackup, "R:\\", "D:\\bk", {}, {}, {}, {}, {}},
    {"OnlySecondFolderOnRamDisk", tdBackup, "R:\\", "D:\\bk", {"gone", "work"}, {"R:\\work\\a.txt"},
     {msg::kSkipNoRamFolder}, {"D:\\bk\\work\\a.txt"}, {"D:\\bk\\gone"}},
    {"NoBackupFolder", tdBackup, "R:\\", "D:\\none", {"work", "gone", "work"}, {"R:\\work\\a.txt"},
     {msg::kSkipNoDisk, msg::kSkipNoRamFolder, msg::kSkipNoDisk}, {}, {"D:\\none"}},
    {"NoRamDisk", tdRestore, "Q:\\", "D:\\bk", {"work", "gone"}, {"D:\\bk\\work\\a.txt"},
     {msg::kSkipNoRamDisk, msg::kSkipNoHddFolder}, {}, {}},
    {"RestoreIntoRoot", tdRestore, "R:\\", "D:\\bk", {"work"}, {"D:\\bk\\work\\sub\\a.txt"}, {},
     {"R:\\work\\sub\\a.txt"}, {}},
    {"ItemWithBackslashBackup", tdBackup, "R:\\", "D:\\bk", {"a\\b"}, {"R:\\a\\b\\x.txt"}, {},
     {"D:\\bk\\b\\x.txt"}, {"D:\\bk\\a"}},
    {"ItemWithBackslashRestore", tdRestore, "R:\\", "D:\\bk", {"a\\b"}, {"D:\\bk\\b\\x.txt"},
     {msg::kSkipNoHddFolder}, {}, {"R:\\b"}},
    {"ItemEndingInBackslashBackup", tdBackup, "R:\\", "D:\\bk", {"work\\"}, {"R:\\work\\a.txt"}, {},
     {"D:\\bk\\a.txt"}, {"D:\\bk\\work"}},
    {"ItemEndingInBackslashRestore", tdRestore, "R:\\", "D:\\bk", {"work\\"}, {"D:\\bk\\work\\a.txt"}, {},
     {"R:\\a.txt"}, {"R:\\work"}},
    {"EmptyItemBackupCopiesTheWholeRamDisk", tdBackup, "R:\\", "D:\\bk", {""},
     {"R:\\a.txt", "R:\\w\\b.txt", "R:\\.hide\\c.txt"}, {}, {"D:\\bk\\a.txt", "D:\\bk\\w\\b.txt"},
     {"D:\\bk\\.hide"}},
    {"EmptyItemRestoreCopiesTheWholeBackup", tdRestore, "R:\\", "D:\\bk", {""}, {"D:\\bk\\w\\b.txt"}, {},
     {"R:\\w\\b.txt"}, {}},
    {"EmptyRamDiskRootBackup", tdBackup, "", "D:\\bk", {"work"}, {"R:\\work\\a.txt"}, {msg::kSkipNoRamFolder},
     {}, {}},
    {"EmptyRamDiskRootRestore", tdRestore, "", "D:\\bk", {"work"}, {"D:\\bk\\work\\a.txt"},
     {msg::kSkipNoRamDisk}, {}, {}},
    {"EmptyBackupFolderBackup", tdBackup, "R:\\", "", {"work"}, {"R:\\work\\a.txt"}, {msg::kSkipNoDisk}, {},
     {}},
    {"EmptyBackupFolderRestore", tdRestore, "R:\\", "", {"work"}, {"D:\\work\\a.txt"}, {msg::kSkipNoHddFolder},
     {}, {}},
    {"RootWithoutBackslashBackup", tdBackup, "R:", "D:\\bk", {"work"}, {"R:\\work\\a.txt"}, {},
     {"D:\\bk\\work\\a.txt"}, {}},
    {"RootWithoutBackslashRestore", tdRestore, "R:", "D:\\bk", {"work"}, {"D:\\bk\\work\\a.txt"}, {},
     {"R:\\work\\a.txt"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Passes, PassCaseTest, ::testing::ValuesIn(kPassCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(TransferFoldersTest, FailedFileIsLoggedAndTheNextFolderIsStillCopied) {
  settings.folders = {"one", "two"};
  fs.AddFile("R:\\one\\locked.txt", "l");
  fs.AddFile("R:\\one\\fine.txt", "f");
  fs.AddFile("R:\\two\\b.txt", "b");
  fs.Lock("R:\\one\\locked.txt");
  Run(tdBackup);
  EXPECT_EQ(log, (Strings{msg::kBackupStart, "コピー失敗(使用中) R:\\one\\locked.txt", msg::kBackupDone}));
  EXPECT_TRUE(fs.FileExists("D:\\bk\\one\\fine.txt"));
  EXPECT_TRUE(fs.FileExists("D:\\bk\\two\\b.txt"));
}

TEST_F(TransferFoldersTest, RepeatedFailuresOfOneCauseAreToldCompactly) {
  settings.folders = {"one", "two"};
  for (int i = 0; i < 6; ++i) {
    fs.AddFile("R:\\one\\" + std::to_string(i) + ".txt", "x");
    fs.Lock("R:\\one\\" + std::to_string(i) + ".txt");
  }
  fs.AddFile("R:\\two\\big.bin", std::string(1000, 'b'));
  fs.AddFile("R:\\two\\late.txt", "x");
  fs.Lock("R:\\two\\late.txt");
  fs.SetCapacity('D', 500);
  Run(tdBackup);
  EXPECT_EQ(log, (Strings{
                     msg::kBackupStart,
                     "コピー失敗(使用中) R:\\one\\0.txt",
                     "コピー失敗(使用中) R:\\one\\1.txt",
                     "コピー失敗(使用中) R:\\one\\2.txt",
                     "コピー失敗(ディスク容量不足) R:\\two\\big.bin",
                     "コピー失敗(使用中) 他4件",
                     msg::kBackupDone,
                 }));
}

TEST_F(TransferFoldersTest, BackupDuringARestoreWalkRunsWholeInside) {
  settings.folders = {"work"};
  fs.AddFile("D:\\bk\\work\\a.txt", "a");
  fs.AddFile("R:\\work\\r.txt", "r");
  int walks = 0;
  duringWalk = [&] {
    if (walks++ == 0) Run(tdBackup);  // a click on the backup button
  };
  Run(tdRestore);
  EXPECT_EQ(log, (Strings{msg::kRestoreStart, msg::kBackupStart, msg::kBackupDone, msg::kRestoreDone}));
  EXPECT_TRUE(fs.FileExists("D:\\bk\\work\\r.txt"));
  EXPECT_TRUE(fs.FileExists("R:\\work\\a.txt"));
}

TEST_F(TransferFoldersTest, PathsAreReadAgainForEveryItem) {
  settings.folders = {"one", "two"};
  fs.AddFile("R:\\one\\a.txt", "a");
  fs.AddFile("R:\\two\\b.txt", "b");
  fs.AddFolder("D:\\other");
  duringWalk = [&] { settings.backupFolder = "D:\\other"; };
  Run(tdBackup);
  EXPECT_TRUE(fs.FileExists("D:\\bk\\one\\a.txt"));
  EXPECT_TRUE(fs.FileExists("D:\\other\\two\\b.txt"));
}

TEST_F(TransferFoldersTest, ItemsAddedDuringAPassAreNotVisited) {
  settings.folders = {"one"};
  fs.AddFile("R:\\one\\a.txt", "a");
  fs.AddFile("R:\\late\\b.txt", "b");
  duringWalk = [&] { settings.folders.push_back("late"); };
  Run(tdBackup);
  EXPECT_EQ(log.back(), msg::kBackupDone);
  EXPECT_FALSE(fs.Exists("D:\\bk\\late"));
}

TEST_F(TransferFoldersTest, ShortenedListEndsThePassWithTheIndexError) {
  settings.folders = {"one", "two", "three"};
  fs.AddFile("R:\\one\\a.txt", "a");
  fs.AddFile("R:\\two\\b.txt", "b");
  fs.AddFile("R:\\three\\c.txt", "c");
  duringWalk = [&] {
    if (settings.folders.size() == 3) settings.folders.erase(settings.folders.begin());
  };
  EXPECT_THROW(
      {
        try {
          Run(tdBackup);
        } catch (const ListIndexError& e) {
          EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています (2)");
          throw;
        }
      },
      ListIndexError);
  // "two" moved up to index 0 and was missed; "three" was copied at index 1.
  EXPECT_EQ(log, (Strings{msg::kBackupStart}));
  EXPECT_FALSE(fs.Exists("D:\\bk\\two"));
  EXPECT_TRUE(fs.FileExists("D:\\bk\\three\\c.txt"));
}

}  // namespace
}  // namespace qv
