#include "settings/settings_files.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/headless/memory_file_system.h"
#include "platform/profile_store.h"
#include "settings/ini_file.h"

namespace qv {
namespace {

using Strings = std::vector<std::string>;
constexpr char kIni[] = "C:\\Quorvel\\Settings.ini";
constexpr char kDat[] = "C:\\Quorvel\\RAMDiskDirs.dat";

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() { fs.AddFolder("C:\\Quorvel"); }
  TIniFile Ini() { return TIniFile(store, kIni); }
  MemoryFileSystem fs;
  TextProfileStore store{fs};
};

TEST_F(SettingsFileTest, AMissingOrEmptyFileGivesEveryDefaultAndIsNotCreated) {
  for (bool present : {false, true}) {
    if (present) fs.AddFile(kIni, "");
    TIniFile ini = Ini();
    EXPECT_TRUE(ini.ReadBool(keys::kOptions, keys::kFirst, true));
    EXPECT_FALSE(ini.ReadBool(keys::kOptions, keys::kUseWait, false));
    EXPECT_EQ(ini.ReadString(keys::kOptions, keys::kInterval, "2000"), "2000");
    EXPECT_EQ(fs.Exists(kIni), present) << "a read never creates the file";
  }
  EXPECT_EQ(fs.Content(kIni), "");
}

struct ReadCase {
  std::string name;
  std::string file;
  std::string key;
  std::string fallback;
  std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadTest : public SettingsFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadTest, ReadsTheValueAsStored) {
  fs.AddFile(kIni, GetParam().file);
  EXPECT_EQ(Ini().ReadString(keys::kOptions, GetParam().key, GetParam().fallback), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTest,
    ::testing::Values(ReadCase{"PresentEmptyIsEmpty", "[Options]\r\nInterval=\r\n", "Interval", "2000", ""},
                      ReadCase{"NamesIgnoreCase", "[options]\r\nfirst=0\r\n", "First", "1", "0"},
                      ReadCase{"OtherSectionDoesNotCount", "[Other]\r\nFirst=0\r\n", "First", "1", "1"},
                      ReadCase{"BlanksAroundAreTrimmed", "[Options]\r\n  CopyTo =  D:\\RAM backup  \r\n", "CopyTo",
                               "", "D:\\RAM backup"},
                      ReadCase{"QuotesAreRemoved", "[Options]\r\nCopyTo=\"D:\\a b\"\r\n", "CopyTo", "", "D:\\a b"},
                      ReadCase{"LoneLineEnds", "[Options]\nFirst=0\rInterval=9", "Interval", "", "9"},
                      ReadCase{"ShiftJisValue", "[Options]\r\nCopyTo=D:\\\x95\x5C\r\n", "CopyTo", "", "D:\\表"},
                      ReadCase{"CutAt2047Bytes", "[Options]\r\nCopyTo=" + std::string(3000, 'a') + "\r\n", "CopyTo",
                               "", std::string(2047, 'a')},
                      ReadCase{"NeverInsideACharacter",
                               "[Options]\r\nCopyTo=" + std::string(2046, 'a') + "\x95\x5C" + "\r\n", "CopyTo", "",
                               std::string(2046, 'a')}),
    [](const auto& info) { return info.param.name; });

TEST_F(SettingsFileTest, BooleanKeysFollowTheWholeNumberRule) {
  fs.AddFile(kIni, "[Options]\r\nA=2\r\nB=0x0\r\nC=yes\r\nD=\r\n");
  TIniFile ini = Ini();
  EXPECT_TRUE(ini.ReadBool(keys::kOptions, "A", false));
  EXPECT_FALSE(ini.ReadBool(keys::kOptions, "B", true));
  EXPECT_FALSE(ini.ReadBool(keys::kOptions, "C", false));
  EXPECT_TRUE(ini.ReadBool(keys::kOptions, "C", true));
  EXPECT_FALSE(ini.ReadBool(keys::kOptions, "D", false));
}

TEST_F(SettingsFileTest, SavingIntoAnEmptyFileGivesTheNineLines) {
  fs.AddFile(kIni, "");
  {
    TIniFile ini = Ini();
    ini.WriteBool(keys::kOptions, keys::kFirst, false);
    ini.WriteBool(keys::kOptions, keys::kFormVisible, true);
    ini.WriteBool(keys::kOptions, keys::kUseWait, false);
    ini.WriteBool(keys::kOptions, keys::kUseBackupTimer, true);
    ini.WriteString(keys::kOptions, keys::kDriveLetter, "R:\\");
    ini.WriteString(keys::kOptions, keys::kCopyTo, "D:\\退避");
    ini.WriteString(keys::kOptions, keys::kInterval, "2000");
    ini.WriteString(keys::kOptions, keys::kBackupHours, "");
  }
  EXPECT_EQ(fs.Content(kIni),
            "[Options]\r\nFirst=0\r\nFormVisible=1\r\nuse_wait=0\r\nuse_backup_timer=1\r\nDriveLetter=R:\\\r\n"
            "CopyTo=D:\\\x91\xDE\x94\xF0\r\nInterval=2000\r\nint_backup_timer=\r\n");
}

TEST_F(SettingsFileTest, AWriteReplacesInPlaceAndKeepsEverythingElse) {
  fs.AddFile(kIni, "; mine\r\n[Options]\r\nfirst=1\r\nCopyTo=old\r\n\r\n[Other]\r\nk=v\r\n");
  TIniFile ini = Ini();
  ini.WriteString(keys::kOptions, "CopyTo", "new value");
  ini.WriteString(keys::kOptions, "Interval", "50");
  ini.WriteString("Third", "x", "1");
  EXPECT_EQ(fs.Content(kIni),
            "; mine\r\n[Options]\r\nfirst=1\r\nCopyTo=new value\r\nInterval=50\r\n\r\n[Other]\r\nk=v\r\n[Third]\r\nx=1\r\n");
  EXPECT_EQ(ini.ReadString(keys::kOptions, "COPYTO", ""), "new value");
}

TEST_F(SettingsFileTest, AWriteMakesAMissingFile) {
  Ini().WriteBool(keys::kOptions, keys::kFirst, false);
  EXPECT_EQ(fs.Content(kIni), "[Options]\r\nFirst=0\r\n");
}

TEST_F(SettingsFileTest, AFailedWriteNamesTheFileAndAForeignTextIsRefused) {
  fs.AddFile(kIni, "[Options]\r\nCopyTo=old\r\n");
  fs.Lock(kIni);
  try {
    Ini().WriteString(keys::kOptions, keys::kCopyTo, "D:\\new");
    FAIL() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()), std::string(kIni) + " に書き込めません");
  }
  EXPECT_THROW(TIniFile(store, "C:\\Quorvel\\other.ini").WriteString(keys::kOptions, keys::kCopyTo, "D:\\😀"), AppError);
  EXPECT_FALSE(fs.Exists("C:\\Quorvel\\other.ini")) << "nothing is written in place of the foreign text";
}

struct ListCase {
  std::string name;
  std::string bytes;
  Strings entries;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class FolderListParseTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(FolderListParseTest, CutsLinesAtAnyLineEnd) { EXPECT_EQ(ParseFolderList(GetParam().bytes, kDat), GetParam().entries); }

INSTANTIATE_TEST_SUITE_P(Files, FolderListParseTest,
                         ::testing::Values(ListCase{"Empty", "", {}}, ListCase{"CrLf", "work\r\ncache\r\n", {"work", "cache"}},
                                           ListCase{"EmptyLineBetween", "a\r\n\r\nb", {"a", "", "b"}},
                                           ListCase{"LfCr", "a\n\rb", {"a", "", "b"}},
                                           ListCase{"LoneCrNoFinalEnd", "a\rb", {"a", "b"}},
                                           ListCase{"BlanksKept", " work \r\n", {" work "}},
                                           ListCase{"ZeroByteEnds", std::string("a\r\nb\0c\r\n", 8), {"a", "b"}},
                                           ListCase{"ShiftJis", "\x95\x5C\r\n", {"表"}}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SettingsFileTest, FolderListRoundTripIsByteExact) {
  SaveFolderList(fs, kDat, {"work", "cache"});
  EXPECT_EQ(fs.Content(kDat), "work\r\ncache\r\n");
  SaveFolderList(fs, kDat, {});
  EXPECT_EQ(fs.Content(kDat), "");
  EXPECT_EQ(LoadFolderList(fs, kDat), Strings{});
  SaveFolderList(fs, kDat, {" a ", "", "表"});
  EXPECT_EQ(LoadFolderList(fs, kDat), (Strings{" a ", "", "表"}));
}

TEST_F(SettingsFileTest, FolderListErrorsNameTheFile) {
  try {
    LoadFolderList(fs, kDat);
    FAIL() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()), std::string("ファイル ") + kDat + " は開けません");
  }
  fs.AddFile(kDat, "keep\r\n");
  EXPECT_THROW(SaveFolderList(fs, kDat, {"ok", "😀"}), AppError);
  EXPECT_EQ(fs.Content(kDat), "keep\r\n") << "a foreign entry leaves the file as it was";
  fs.Lock(kDat);
  try {
    SaveFolderList(fs, kDat, {"a"});
    FAIL() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(std::string(e.what()), std::string("ファイル ") + kDat + " を作成できません");
  }
}

}  // namespace
}  // namespace qv
