#include "engine/folder_tree_copy.h"

#include <gtest/gtest.h>

#include "platform/headless/memory_file_system.h"

namespace qv {
namespace {

using Strings = std::vector<std::string>;

class FolderTreeCopyTest : public ::testing::Test {
 protected:
  FolderTreeCopyTest() {
    fs.AddDrive('R');
    fs.AddDrive('D');
    fs.AddFolder("D:\\bk");
  }

  bool Copy(const std::string& source, const std::string& destParent, bool recursive = true) {
    fs.ClearJournal();
    const CopyEnvironment env{fs, [this] { ++pumps; }, [this](const CopyFailure& f) { failures.push_back(f); }};
    return CopyFolderTree(env, source, destParent, recursive);
  }

  // The journal without the staging steps: what a user would see happen.
  Strings Visible() const {
    Strings out;
    for (const auto& line : fs.Journal()) {
      if (line.find(kStagingFolderName) == std::string::npos) {
        out.push_back(line);
      } else if (line.rfind("move ", 0) == 0) {
        out.push_back("put " + line.substr(line.find(" -> ") + 4));
      }
    }
    return out;
  }

  MemoryFileSystem fs;
  std::vector<CopyFailure> failures;
  int pumps = 0;
};

struct Derivation {
  std::string source;
  std::string destParent;
  std::string landsAt;  // where the source's file x.txt ends up
};

void PrintTo(const Derivation& c, std::ostream* os) {
  std::string s = c.source + " into " + c.destParent;
  for (char& ch : s) ch = ch == '\\' ? '/' : ch;  // ctest reads backslashes as escapes
  *os << s;
}

class DerivationTest : public FolderTreeCopyTest, public ::testing::WithParamInterface<Derivation> {};

TEST_P(DerivationTest, FileLandsWhereThePathsSay) {
  const Derivation& d = GetParam();
  fs.AddFile(d.source + (d.source.back() == '\\' ? "" : "\\") + "x.txt", "x");
  EXPECT_TRUE(Copy(d.source, d.destParent));
  EXPECT_EQ(fs.Content(d.landsAt), "x");
  EXPECT_TRUE(failures.empty());
}

INSTANTIATE_TEST_SUITE_P(Paths, DerivationTest,
                         ::testing::Values(Derivation{"R:\\work", "D:\\bk", "D:\\bk\\work\\x.txt"},
                                           Derivation{"D:\\bk\\work", "R:\\", "R:\\work\\x.txt"},
                                           Derivation{"R:\\work\\", "D:\\bk", "D:\\bk\\x.txt"},
                                           Derivation{"R:\\a\\b", "D:\\bk", "D:\\bk\\b\\x.txt"},
                                           Derivation{"R:\\work", "D:\\bk\\", "D:\\bk\\work\\x.txt"},
                                           Derivation{"R:\\ソ", "D:\\bk", "D:\\bk\\ソ\\x.txt"}));

TEST_F(FolderTreeCopyTest, CopiesDepthFirstInSearchOrderCreatingFoldersWhenFirstNeeded) {
  fs.AddFile("R:\\work\\top.txt", "1");
  fs.AddFile("R:\\work\\sub\\inner.txt", "2");
  fs.AddFolder("R:\\work\\sub\\empty");
  fs.AddFile("R:\\work\\last.txt", "3");
  EXPECT_TRUE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(Visible(), (Strings{
                           "mkdir D:\\bk\\work",
                           "put D:\\bk\\work\\top.txt",
                           "mkdir D:\\bk\\work\\sub",
                           "put D:\\bk\\work\\sub\\inner.txt",
                           "mkdir D:\\bk\\work\\sub\\empty",
                           "put D:\\bk\\work\\last.txt",
                       }));
  EXPECT_EQ(fs.Tree("D:\\bk"), (Strings{"D:\\bk\\work\\", "D:\\bk\\work\\top.txt", "D:\\bk\\work\\sub\\",
                                        "D:\\bk\\work\\sub\\inner.txt", "D:\\bk\\work\\sub\\empty\\",
                                        "D:\\bk\\work\\last.txt"}));
}

TEST_F(FolderTreeCopyTest, EmptyOrMissingSourceCreatesNothing) {
  fs.AddFolder("R:\\empty");
  EXPECT_TRUE(Copy("R:\\empty", "D:\\bk"));
  EXPECT_TRUE(Copy("R:\\missing", "D:\\bk"));
  EXPECT_TRUE(fs.Tree("D:\\bk").empty());
  EXPECT_TRUE(fs.Journal().empty());
}

TEST_F(FolderTreeCopyTest, DotFoldersAreSkippedButDotFilesAndHiddenFilesAreCopied) {
  fs.AddFile("R:\\home\\.cache\\blob", "c");
  fs.AddFile("R:\\home\\.profile", "p");
  fs.AddFile("R:\\home\\secret.sys", "s", {false, true, true});
  fs.AddFile("R:\\home\\Hidden\\h.txt", "h");
  fs.SetAttributes("R:\\home\\Hidden", {false, true, false});
  EXPECT_TRUE(Copy("R:\\home", "D:\\bk"));
  EXPECT_EQ(fs.Tree("D:\\bk\\home"), (Strings{"D:\\bk\\home\\.profile", "D:\\bk\\home\\secret.sys",
                                              "D:\\bk\\home\\Hidden\\", "D:\\bk\\home\\Hidden\\h.txt"}));
  EXPECT_TRUE(fs.AttributesOf("D:\\bk\\home\\secret.sys")->hidden);
}

TEST_F(FolderTreeCopyTest, MergesIntoTheDestinationWithoutDeleting) {
  fs.AddFile("R:\\work\\a.txt", "new");
  fs.AddFile("D:\\bk\\work\\a.txt", "old");
  fs.AddFile("D:\\bk\\work\\only-here.txt", "keep");
  EXPECT_TRUE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(fs.Content("D:\\bk\\work\\a.txt"), "new");
  EXPECT_EQ(fs.Content("D:\\bk\\work\\only-here.txt"), "keep");
}

TEST_F(FolderTreeCopyTest, ReadOnlyAndHiddenDestinationsAreReplaced) {
  fs.AddFile("R:\\work\\ro.txt", "new ro");
  fs.AddFile("R:\\work\\hidden.txt", "new hidden");
  fs.AddFile("D:\\bk\\work\\ro.txt", "old", {true, false, false});
  fs.AddFile("D:\\bk\\work\\hidden.txt", "old", {false, true, false});
  EXPECT_TRUE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(fs.Content("D:\\bk\\work\\ro.txt"), "new ro");
  EXPECT_EQ(fs.Content("D:\\bk\\work\\hidden.txt"), "new hidden");
  EXPECT_TRUE(failures.empty());
}

TEST_F(FolderTreeCopyTest, ReadOnlySourceStaysReadOnlyAndCanBeBackedUpAgain) {
  fs.AddFile("R:\\work\\ro.txt", "v1", {true, false, false});
  EXPECT_TRUE(Copy("R:\\work", "D:\\bk"));
  fs.AddFile("R:\\work\\ro.txt", "v2", {true, false, false});
  EXPECT_TRUE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(fs.Content("D:\\bk\\work\\ro.txt"), "v2");
  EXPECT_TRUE(fs.AttributesOf("D:\\bk\\work\\ro.txt")->readOnly);
}

TEST_F(FolderTreeCopyTest, CopyIntoItsOwnParentCopiesNothing) {
  fs.AddFile("R:\\work\\a.txt", "a");
  EXPECT_TRUE(Copy("R:\\WORK", "r:\\"));
  EXPECT_EQ(Visible(), Strings{});
  EXPECT_EQ(fs.Tree("R:\\"), (Strings{"R:\\work\\", "R:\\work\\a.txt"}));
}

TEST_F(FolderTreeCopyTest, NonRecursiveCopiesOnlyTheTopFiles) {
  fs.AddFile("R:\\work\\a.txt", "a");
  fs.AddFile("R:\\work\\sub\\b.txt", "b");
  EXPECT_TRUE(Copy("R:\\work", "D:\\bk", false));
  EXPECT_EQ(fs.Tree("D:\\bk"), (Strings{"D:\\bk\\work\\", "D:\\bk\\work\\a.txt"}));
}

TEST_F(FolderTreeCopyTest, NamesOutsideTheCodePageAndLongPathsAreCopied) {
  std::string deep = "R:\\work";
  for (int i = 0; i < 30; ++i) deep += "\\folder-with-a-long-name-" + std::to_string(i);
  fs.AddFile(deep + "\\한국어 😀.txt", "u");
  EXPECT_TRUE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(fs.Content("D:\\bk" + deep.substr(2) + "\\한국어 😀.txt"), "u");
}

TEST_F(FolderTreeCopyTest, PumpsAfterEveryDirectoryEntry) {
  fs.AddFile("R:\\work\\a.txt", "a");       // . .. a.txt sub .skip  -> 5
  fs.AddFile("R:\\work\\sub\\b.txt", "b");  // . .. b.txt            -> 3
  fs.AddFolder("R:\\work\\.skip");
  EXPECT_TRUE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(pumps, 8);
}

// A failed pair is told and the rest is still copied; the result is false.
struct PairFailure {
  std::string name;
  std::function<void(MemoryFileSystem&)> arrange;
  CopyFailure::Stage stage;
  std::string path;
  FileError error;
};

void PrintTo(const PairFailure& c, std::ostream* os) { *os << c.name; }

class PairFailureTest : public FolderTreeCopyTest, public ::testing::WithParamInterface<PairFailure> {};

TEST_P(PairFailureTest, IsReportedAndTheRestIsCopied) {
  fs.AddFile("R:\\work\\1.txt", "1");
  fs.AddFile("R:\\work\\bad", "b");
  fs.AddFile("R:\\work\\3.txt", "3");
  GetParam().arrange(fs);
  EXPECT_FALSE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(fs.Content("D:\\bk\\work\\1.txt"), "1");
  EXPECT_EQ(fs.Content("D:\\bk\\work\\3.txt"), "3");
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].stage, GetParam().stage);
  EXPECT_EQ(failures[0].path, GetParam().path);
  EXPECT_EQ(failures[0].result.error, GetParam().error);
  EXPECT_FALSE(fs.Exists(std::string("D:\\bk\\") + kStagingFolderName));
}

const PairFailure kPairFailures[] = {
    {"LockedSource", [](MemoryFileSystem& fs) { fs.Lock("R:\\work\\bad"); }, CopyFailure::Stage::CopyFile,
     "R:\\work\\bad", FileError::SharingViolation},
    {"FolderWhereTheFileGoes", [](MemoryFileSystem& fs) { fs.AddFolder("D:\\bk\\work\\bad"); },
     CopyFailure::Stage::CopyFile, "R:\\work\\bad", FileError::FolderInTheWay},
    {"LockedDestination",
     [](MemoryFileSystem& fs) {
       fs.AddFile("D:\\bk\\work\\bad", "old");
       fs.Lock("D:\\bk\\work\\bad");
     },
     CopyFailure::Stage::CopyFile, "R:\\work\\bad", FileError::SharingViolation},
    {"FileWhereTheFolderGoes",
     [](MemoryFileSystem& fs) {
       fs.AddFile("R:\\work\\bad", "");
       fs.RemoveFile("R:\\work\\bad");
       fs.AddFile("R:\\work\\bad\\inner.txt", "i");
       fs.AddFile("D:\\bk\\work\\bad", "a file");
     },
     CopyFailure::Stage::CreateFolder, "D:\\bk\\work\\bad", FileError::FileInTheWay},
};

INSTANTIATE_TEST_SUITE_P(Failures, PairFailureTest, ::testing::ValuesIn(kPairFailures),
                         [](const auto& info) { return info.param.name; });

TEST_F(FolderTreeCopyTest, FullDiskKeepsThePreviousBackupWhole) {
  fs.AddFile("R:\\work\\big.bin", std::string(100, 'n'));
  fs.AddFile("R:\\work\\small.txt", "s");
  fs.AddFile("D:\\bk\\work\\big.bin", std::string(60, 'o'));
  fs.SetCapacity('D', 120);
  EXPECT_FALSE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(fs.Content("D:\\bk\\work\\big.bin"), std::string(60, 'o'));
  EXPECT_EQ(fs.Content("D:\\bk\\work\\small.txt"), "s");
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].result.error, FileError::DiskFull);
}

TEST_F(FolderTreeCopyTest, InterruptedCopyLeavesThePreviousBackupWhole) {
  fs.AddFile("R:\\work\\doc.txt", "new content");
  fs.AddFile("D:\\bk\\work\\doc.txt", "old content");
  fs.duringCopy = [](const std::string&, const std::string&) { throw std::runtime_error("killed"); };
  EXPECT_THROW(Copy("R:\\work", "D:\\bk"), std::runtime_error);
  EXPECT_EQ(fs.Content("D:\\bk\\work\\doc.txt"), "old content");

  // The next copy finishes the job and takes away what the killed one left.
  fs.duringCopy = nullptr;
  EXPECT_TRUE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(fs.Content("D:\\bk\\work\\doc.txt"), "new content");
  EXPECT_EQ(fs.Tree("D:\\bk"), (Strings{"D:\\bk\\work\\", "D:\\bk\\work\\doc.txt"}));
}

TEST_F(FolderTreeCopyTest, UnreadableSubFolderIsCreatedEmptyAndReported) {
  fs.AddFile("R:\\work\\a.txt", "a");
  fs.AddFile("R:\\work\\locked\\secret.txt", "s");
  fs.SetUnreadable("R:\\work\\locked");
  EXPECT_FALSE(Copy("R:\\work", "D:\\bk"));
  EXPECT_EQ(fs.Tree("D:\\bk"), (Strings{"D:\\bk\\work\\", "D:\\bk\\work\\a.txt", "D:\\bk\\work\\locked\\"}));
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].stage, CopyFailure::Stage::ReadFolder);
  EXPECT_EQ(failures[0].path, "R:\\work\\locked");
}

TEST_F(FolderTreeCopyTest, ErrorDuringTheWalkCopiesNothing) {
  fs.AddFile("R:\\work\\a.txt", "a");
  fs.AddFile("R:\\work\\sub\\b.txt", "b");
  fs.AddFile("R:\\work\\z.txt", "z");
  int entries = 0;
  const CopyEnvironment env{fs,
                            [&] {
                              ++pumps;
                              if (++entries == 5) throw std::bad_alloc();  // inside sub
                            },
                            [this](const CopyFailure& f) { failures.push_back(f); }};
  EXPECT_FALSE(CopyFolderTree(env, "R:\\work", "D:\\bk", true));
  EXPECT_TRUE(fs.Tree("D:\\bk").empty());
  EXPECT_EQ(pumps, 5);  // no pump after the nested call that failed
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].stage, CopyFailure::Stage::ListFolders);
  EXPECT_EQ(failures[0].path, "R:\\work");
  EXPECT_EQ(failures[0].detail, std::bad_alloc().what());
}

}  // namespace
}  // namespace qv
