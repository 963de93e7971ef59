// The in-memory file system stands in for Windows in every engine test, so the behaviour
// those tests lean on is pinned here.
#include "platform/headless/memory_file_system.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::vector<std::string> List(MemoryFileSystem& fs, const std::string& folder) {
  std::vector<std::string> names;
  SearchStart s = fs.FindFirst(folder + "*.*");
  DirEntry e;
  while (s.search && s.search->Next(e)) names.push_back(e.name + (e.isFolder ? "\\" : ""));
  return names;
}

TEST(MemoryFileSystemTest, ListsInDirectoryOrderWithDotEntriesOnlyBelowTheRoot) {
  MemoryFileSystem fs;
  fs.AddDrive('R');
  fs.AddFile("R:\\work\\b.txt", "b");
  fs.AddFolder("R:\\work\\a");
  EXPECT_EQ(List(fs, "R:\\"), (std::vector<std::string>{"work\\"}));
  EXPECT_EQ(List(fs, "R:\\work\\"), (std::vector<std::string>{".\\", "..\\", "b.txt", "a\\"}));
}

TEST(MemoryFileSystemTest, SearchFailuresSayWhy) {
  MemoryFileSystem fs;
  fs.AddDrive('R');
  fs.AddFolder("R:\\locked");
  fs.SetUnreadable("R:\\locked");
  EXPECT_EQ(fs.FindFirst("R:\\missing\\*.*").result.error, FileError::NotFound);
  EXPECT_EQ(fs.FindFirst("R:\\*.*").result.error, FileError::None);
  EXPECT_EQ(fs.FindFirst("R:\\locked\\*.*").result.error, FileError::AccessDenied);
  EXPECT_EQ(fs.FindFirst("Q:\\*.*").result.error, FileError::NotFound);
}

TEST(MemoryFileSystemTest, NamesIgnoreCaseAndRelativePathsResolve) {
  MemoryFileSystem fs;
  fs.AddDrive('R');
  fs.AddFile("R:\\Work\\Ａ.txt", "x");
  EXPECT_TRUE(fs.FileExists("r:\\WORK\\ａ.TXT"));
  EXPECT_TRUE(fs.DirectoryExists("R:work"));
  EXPECT_TRUE(fs.DirectoryExists("R:\\Work\\..\\work."));
  EXPECT_FALSE(fs.DirectoryExists("work"));  // relative to C:\ .
  EXPECT_FALSE(fs.DirectoryExists("R:\\Work\\Ａ.txt"));
  EXPECT_FALSE(fs.DirectoryExists(""));
}

TEST(MemoryFileSystemTest, CopyRefusesWhatWindowsRefuses) {
  MemoryFileSystem fs;
  fs.AddDrive('D');
  fs.AddFile("D:\\src.txt", "new");
  fs.AddFile("D:\\ro.txt", "old", {true, false, false});
  fs.AddFile("D:\\hidden.txt", "old", {false, true, false});
  fs.AddFolder("D:\\folder");
  EXPECT_EQ(fs.CopyOver("D:\\src.txt", "D:\\ro.txt").error, FileError::AccessDenied);
  EXPECT_EQ(fs.CopyOver("D:\\src.txt", "D:\\hidden.txt").error, FileError::AccessDenied);
  EXPECT_EQ(fs.CopyOver("D:\\src.txt", "D:\\folder").error, FileError::FolderInTheWay);
  EXPECT_EQ(fs.CopyOver("D:\\src.txt", "D:\\nowhere\\x.txt").error, FileError::NotFound);
  EXPECT_EQ(fs.MoveReplace("D:\\src.txt", "D:\\ro.txt").error, FileError::AccessDenied);
  EXPECT_TRUE(fs.MoveReplace("D:\\src.txt", "D:\\hidden.txt").ok());
  EXPECT_EQ(fs.Content("D:\\hidden.txt"), "new");
}

TEST(MemoryFileSystemTest, FullDiskLosesTheDestinationOfAPlainCopy) {
  MemoryFileSystem fs;
  fs.AddDrive('D');
  fs.AddFile("C:\\big.bin", std::string(100, 'n'));
  fs.AddFile("D:\\big.bin", std::string(60, 'o'));
  fs.SetCapacity('D', 99);
  EXPECT_EQ(fs.CopyOver("C:\\big.bin", "D:\\big.bin").error, FileError::DiskFull);
  EXPECT_FALSE(fs.Exists("D:\\big.bin"));
}

TEST(MemoryFileSystemTest, ForceDirectoriesStopsAtAFileInTheWay) {
  MemoryFileSystem fs;
  fs.AddDrive('D');
  fs.AddFile("D:\\bk\\work", "a file");
  EXPECT_EQ(fs.ForceDirectories("D:\\bk\\work\\sub").error, FileError::FileInTheWay);
  EXPECT_EQ(fs.ForceDirectories("Q:\\bk").error, FileError::NotFound);
  EXPECT_TRUE(fs.ForceDirectories("D:\\a\\b\\c").ok());
  EXPECT_EQ(fs.Journal(), (std::vector<std::string>{"mkdir D:\\a", "mkdir D:\\a\\b", "mkdir D:\\a\\b\\c"}));
}

}  // namespace
}  // namespace qv
