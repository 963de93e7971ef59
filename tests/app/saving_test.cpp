#include <gtest/gtest.h>

#include "platform/path.h"
#include "res/messages.h"
#include "settings/autostart.h"
#include "tests/app/window_fixture.h"

namespace qv {
namespace {

using User = ui::HeadlessBackend;
using Strings = WindowFixture::Strings;

class SavingTest : public WindowFixture {
 protected:
  // A first run beside `programFile`, with the fields filled in as the user would.
  TQuorvel& FirstRunFilledIn() {
    const std::string folder = ExtractFilePath(programFile);
    fs.AddFolder(folder);
    fs.AddFile(folder + "RAMDiskDirs.dat", "");
    fs.AddFile(folder + "Settings.ini", "");
    TQuorvel& w = StartAndWait();
    w.log.SetText("");
    w.DriveLetter.SetText("R:\\");
    w.CopyTo.SetText("D:\\退避");
    w.ListBox1.Add("work");
    w.ListBox1.Add(" cache ");
    return w;
  }
  const std::string* RunValue() const { return registry.Value(kRunKey, kRunValueName); }
  void Save() { User::Click(window->btn_save); }
};

TEST_F(SavingTest, AFirstSaveRegistersWritesBothFilesAndEndsTheFirstRun) {
  programFile = "C:\\Program Files\\Quorvel\\quorvel.exe";
  TQuorvel& w = FirstRunFilledIn();
  Save();
  ASSERT_NE(RunValue(), nullptr);
  EXPECT_EQ(*RunValue(), "\"C:\\Program Files\\Quorvel\\quorvel.exe\"") << "quoted, against a path with blanks";
  EXPECT_EQ(fs.Content("C:\\Program Files\\Quorvel\\RAMDiskDirs.dat"), "work\r\n cache \r\n");
  EXPECT_EQ(fs.Content("C:\\Program Files\\Quorvel\\Settings.ini"),
            "[Options]\r\nFirst=0\r\nFormVisible=1\r\nuse_wait=0\r\nuse_backup_timer=0\r\nDriveLetter=R:\\\r\n"
            "CopyTo=D:\\\x91\xDE\x94\xF0\r\nInterval=2000\r\nint_backup_timer=1\r\n");
  EXPECT_EQ(Log(), (Strings{msg::kRegistered, msg::kSettingsSaved}));
  EXPECT_FALSE(FirstRun);
  EXPECT_TRUE(w.BTN_manual_backup.Enabled());
  EXPECT_FALSE(w.BTN_UnInst.Enabled()) << "uninstall waits for the next start";
  EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(SavingTest, ASecondSaveFindsTheRegistrationAndLeavesIt) {
  FirstRunFilledIn();
  registry.Set(kRunKey, kRunValueName, "\"D:\\elsewhere\\quorvel.exe\"");
  Save();
  Save();
  EXPECT_EQ(*RunValue(), "\"D:\\elsewhere\\quorvel.exe\"");
  EXPECT_EQ(Log(), (Strings{msg::kAlreadyRegistered, msg::kSettingsSaved, msg::kAlreadyRegistered, msg::kSettingsSaved}));
}

TEST_F(SavingTest, AWrongDriveLetterStopsEverythingAndStaysRed) {
  TQuorvel& w = FirstRunFilledIn();
  w.DriveLetter.SetText("R:");
  Save();
  EXPECT_EQ(w.DriveLetter.GetColour(), ui::Colour::Red);
  EXPECT_EQ(Log(), Strings{msg::kDriveLetterError});
  EXPECT_EQ(RunValue(), nullptr);
  EXPECT_EQ(fs.Content(Ini()), "");
  EXPECT_EQ(fs.Content(Dat()), "");
  EXPECT_TRUE(FirstRun);
  EXPECT_FALSE(w.BTN_manual_backup.Enabled());
  w.DriveLetter.SetText("abc");  // 3 bytes, though no drive root
  Save();
  EXPECT_EQ(Log().back(), msg::kSettingsSaved);
  EXPECT_EQ(w.DriveLetter.GetColour(), ui::Colour::Red) << "only an accepted pick clears it";
}

struct FailureCase {
  std::string name;
  std::function<void(MemoryRegistry&, MemoryFileSystem&, TQuorvel&)> arrange;
  Strings log;
  std::string error;  // as the box shows it; empty: none
  bool registered;
  bool listWritten;
  bool firstRunAfter;
  bool backupEnabled;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class SavingFailureTest : public SavingTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SavingFailureTest, EachFailureLeavesDoneWhatCameBefore) {
  const FailureCase& c = GetParam();
  c.arrange(registry, fs, FirstRunFilledIn());
  Save();
  EXPECT_EQ(Log(), c.log);
  EXPECT_EQ(ErrorTexts(), c.error.empty() ? Strings{} : Strings{c.error});
  EXPECT_EQ(RunValue() != nullptr, c.registered);
  EXPECT_EQ(fs.Content(Dat()) == "work\r\n cache \r\n", c.listWritten);
  EXPECT_EQ(FirstRun, c.firstRunAfter);
  EXPECT_EQ(window->BTN_manual_backup.Enabled(), c.backupEnabled);
  EXPECT_EQ(registry.openKeys, 0) << "the key is closed in every case";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SavingFailureTest,
    ::testing::Values(
        FailureCase{"KeyNotOpened", [](MemoryRegistry& r, MemoryFileSystem&, TQuorvel&) { r.refuseOpen = true; },
                    {msg::kRegistryKeyNotOpened, msg::kSettingsSaved}, "", false, true, false, true},
        FailureCase{"ValueNotWritten", [](MemoryRegistry& r, MemoryFileSystem&, TQuorvel&) { r.refuseWrite = true; },
                    {}, "'Quorvel' の設定に失敗しました.", false, false, true, false},
        FailureCase{"FolderListNotCreated",
                    [](MemoryRegistry&, MemoryFileSystem& fs, TQuorvel&) { fs.Lock(WindowFixture::Dat()); },
                    {msg::kRegistered}, "ファイル C:\\Quorvel\\RAMDiskDirs.dat を作成できません.", true, false, true,
                    false},
        FailureCase{"SettingsNotWritten",
                    [](MemoryRegistry&, MemoryFileSystem& fs, TQuorvel&) { fs.Lock(WindowFixture::Ini()); },
                    {msg::kRegistered}, "C:\\Quorvel\\Settings.ini に書き込めません.", true, true, false, false},
        FailureCase{"PeriodNotANumber",
                    [](MemoryRegistry&, MemoryFileSystem&, TQuorvel& w) {
                      w.cb_backup_timer.SetChecked(true);
                      w.int_backup_timer.SetText("x");
                    },
                    {msg::kRegistered, msg::kSettingsSaved}, "'x' is not a valid integer value.", true, true, false,
                    false},
        FailureCase{"NonNumbersWithThePeriodicBackupOff",
                    [](MemoryRegistry&, MemoryFileSystem&, TQuorvel& w) {
                      w.wait_interval.SetText("abc");
                      w.int_backup_timer.SetText("x");
                    },
                    {msg::kRegistered, msg::kSettingsSaved}, "", true, true, false, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(SavingTest, TheSettingsFileKeepsTheKeysWrittenBeforeAFailure) {
  FirstRunFilledIn();
  window->CopyTo.SetText("D:\\😀");
  Save();
  EXPECT_EQ(ErrorTexts().size(), 1u);
  EXPECT_EQ(fs.Content(Ini()),
            "[Options]\r\nFirst=0\r\nFormVisible=1\r\nuse_wait=0\r\nuse_backup_timer=0\r\nDriveLetter=R:\\\r\n");
}

TEST_F(SavingTest, AnUnchangedPeriodKeepsTheCountdown) {
  Settings("First=0\r\nuse_backup_timer=1\r\nint_backup_timer=1\r\nDriveLetter=R:\\\r\nCopyTo=D:\\bk\r\n");
  fs.AddFolder("D:\\bk");
  TQuorvel& w = StartAndWait();
  backend.Advance(1800000);
  Save();
  backend.Advance(1800000);
  EXPECT_EQ(Log().back(), msg::kBackupDone) << "the hour since start-up was not postponed";
  w.int_backup_timer.SetText("2");
  Save();
  w.log.SetText("");
  backend.Advance(7200000 - 1);
  EXPECT_TRUE(Log().empty()) << "a changed period counts from the save";
  backend.Advance(1);
  EXPECT_EQ(Log().back(), msg::kBackupDone);
}

struct RearmCase {
  std::string name;
  bool on;
  std::string hours;
  bool armed;
  unsigned interval;
};

void PrintTo(const RearmCase& c, std::ostream* os) { *os << c.name; }

class RearmTest : public SavingTest, public ::testing::WithParamInterface<RearmCase> {};

TEST_P(RearmTest, SavingArmsThePeriodicBackupFromTheFields) {
  Settings("First=0\r\nuse_backup_timer=1\r\nint_backup_timer=3\r\n");
  TQuorvel& w = StartAndWait();
  w.DriveLetter.SetText("R:\\");
  w.cb_backup_timer.SetChecked(GetParam().on);
  w.int_backup_timer.SetText(GetParam().hours);
  Save();
  EXPECT_EQ(w.backup_timer.Enabled(), GetParam().armed);
  if (GetParam().armed) {
    EXPECT_EQ(w.backup_timer.Interval(), GetParam().interval);
  }
  EXPECT_TRUE(w.BTN_manual_backup.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Periods, RearmTest,
                         ::testing::Values(RearmCase{"OnZero", true, "0", true, 0}, RearmCase{"Off", false, "1", false, 0},
                                           RearmCase{"OffAndNoNumber", false, "x", false, 0},
                                           RearmCase{"OnTwo", true, "2", true, 7200000},
                                           RearmCase{"OnTooLarge", true, "597", false, 0}),
                         [](const auto& info) { return info.param.name; });

class UninstallTest : public WindowFixture {
 protected:
  TQuorvel& Saved() {
    Settings("First=0\r\n");
    fs.AddFile(Dat(), "work\r\n");
    TQuorvel& w = StartAndWait();
    w.log.SetText("");
    return w;
  }
  void Uninstall() { User::Click(window->BTN_UnInst); }
};

TEST_F(UninstallTest, NoChangesNothing) {
  Saved();
  registry.Set(kRunKey, kRunValueName, "x");
  backend.answers = {ui::BoxAnswer::No};
  Uninstall();
  ASSERT_EQ(backend.boxes.size(), 1u);
  EXPECT_EQ(backend.boxes[0].text, "本当にアンインストールしますか？\r\n(ここで削除されるのは常駐設定のみです)");
  EXPECT_EQ(backend.boxes[0].caption, "情報");
  EXPECT_TRUE(Log().empty());
  EXPECT_NE(registry.Value(kRunKey, kRunValueName), nullptr);
  EXPECT_FALSE(app.Terminated());
}

struct UninstallCase {
  std::string name;
  std::function<void(MemoryRegistry&)> arrange;
  std::string line;
  bool valueLeft;
};

void PrintTo(const UninstallCase& c, std::ostream* os) { *os << c.name; }

class UninstallOutcomeTest : public UninstallTest, public ::testing::WithParamInterface<UninstallCase> {};

TEST_P(UninstallOutcomeTest, EachOutcomeIsLoggedThenThanksAndEnds) {
  Saved();
  const std::string settingsBefore = *fs.Content(Ini()), listBefore = *fs.Content(Dat());
  GetParam().arrange(registry);
  Uninstall();
  EXPECT_EQ(Log(), Strings{GetParam().line});
  EXPECT_EQ(registry.Value(kRunKey, kRunValueName) != nullptr, GetParam().valueLeft);
  ASSERT_EQ(backend.boxes.size(), 2u);
  EXPECT_EQ(backend.boxes[1].kind, ui::BoxKind::Notice);
  EXPECT_EQ(backend.boxes[1].text, msg::kFarewell);
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(fs.Content(Ini()), settingsBefore);
  EXPECT_EQ(fs.Content(Dat()), listBefore);
  EXPECT_EQ(registry.openKeys, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, UninstallOutcomeTest,
    ::testing::Values(
        UninstallCase{"Removed", [](MemoryRegistry& r) { r.Set(kRunKey, kRunValueName, "\"D:\\other\\q.exe\""); },
                      msg::kUnregistered, false},
        UninstallCase{"NotRegistered", [](MemoryRegistry&) {}, msg::kNotRegistered, false},
        UninstallCase{"KeyNotOpened",
                      [](MemoryRegistry& r) {
                        r.Set(kRunKey, kRunValueName, "x");
                        r.refuseOpen = true;
                      },
                      msg::kRegistryKeyNotOpened, true},
        UninstallCase{"NotRemoved",
                      [](MemoryRegistry& r) {
                        r.Set(kRunKey, kRunValueName, "x");
                        r.refuseWrite = true;
                      },
                      msg::kNotUnregistered, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(UninstallTest, DuringAPassThePassStillRunsToItsEnd) {
  Settings("First=0\r\nDriveLetter=R:\\\r\nCopyTo=D:\\bk\r\n");
  fs.AddFile(Dat(), "work\r\n");
  fs.AddFile("R:\\work\\a.txt", "A");
  fs.AddFolder("D:\\bk");
  TQuorvel& w = StartAndWait();
  w.log.SetText("");
  backend.Post([&] { User::Click(w.BTN_UnInst); });
  User::Click(w.BTN_manual_backup);
  EXPECT_EQ(Log(), (Strings{msg::kBackupStart, msg::kNotRegistered, msg::kBackupDone}));
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(fs.Content("D:\\bk\\work\\a.txt"), "A");
}

}  // namespace
}  // namespace qv
