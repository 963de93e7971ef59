#include <gtest/gtest.h>

#include <algorithm>

#include "res/messages.h"
#include "tests/app/window_fixture.h"

namespace qv {
namespace {

using User = ui::HeadlessBackend;
const std::string kIni = WindowFixture::Ini();
const std::string kDat = WindowFixture::Dat();
constexpr const char* kFolder = WindowFixture::kFolder;

class StartupTest : public WindowFixture {
 protected:
  bool Locked() const {
    return !window->GroupBox1.Enabled() && !window->GroupBox2.Enabled() && !window->GroupBox3.Enabled() &&
           !window->btn_save.Enabled() && !window->BTN_UnInst.Enabled() && !window->BTN_manual_backup.Enabled();
  }
};

TEST_F(StartupTest, AnEmptySettingsFileIsAFirstRun) {
  fs.AddFile(kIni, "");
  TQuorvel& w = Start();
  EXPECT_TRUE(Locked());
  EXPECT_EQ(w.log.Text(), "") << "the designed placeholder never shows";
  backend.Advance(4);
  EXPECT_TRUE(Locked());
  backend.Advance(1);
  EXPECT_EQ(Log(), (Strings{msg::kStarted, msg::kFirstStart}));
  EXPECT_TRUE(FirstRun);
  EXPECT_TRUE(app.ShowMainForm());
  EXPECT_TRUE(w.GroupBox2.Enabled());
  EXPECT_TRUE(w.btn_save.Enabled());
  EXPECT_FALSE(w.BTN_UnInst.Enabled());
  EXPECT_FALSE(w.BTN_manual_backup.Enabled());
  EXPECT_EQ(w.DriveLetter.Text(), "");
  EXPECT_EQ(w.CopyTo.Text(), "");
  EXPECT_EQ(w.wait_interval.Text(), "2000");
  EXPECT_FALSE(w.wait_interval.Enabled());
  EXPECT_EQ(w.int_backup_timer.Text(), "1");
  EXPECT_FALSE(w.int_backup_timer.Enabled());
  EXPECT_EQ(w.ProgressBar1.Position(), 0);
  EXPECT_EQ(w.ProgressBar1.Max(), 100);
  EXPECT_FALSE(w.backup_timer.Enabled());
  EXPECT_TRUE(ErrorTexts().empty());
}

struct VisibleCase {
  std::string name;
  std::string settings;
  bool shown;
  bool restored;
};

void PrintTo(const VisibleCase& c, std::ostream* os) { *os << c.name; }

class VisibleTest : public StartupTest, public ::testing::WithParamInterface<VisibleCase> {};

TEST_P(VisibleTest, AFirstRunAlwaysShowsTheWindow) {
  Settings(GetParam().settings);
  Start();
  backend.Advance(5);
  EXPECT_EQ(app.ShowMainForm(), GetParam().shown);
  EXPECT_EQ(Log().back(), GetParam().restored ? msg::kRestoreDone : msg::kFirstStart);
}

INSTANTIATE_TEST_SUITE_P(Settings, VisibleTest,
                         ::testing::Values(VisibleCase{"FirstAndHidden", "First=1\r\nFormVisible=0\r\n", true, false},
                                           VisibleCase{"FirstAbsentAndHidden", "FormVisible=0\r\n", true, false},
                                           VisibleCase{"SavedAndHidden", "First=0\r\nFormVisible=0\r\n", false, true},
                                           VisibleCase{"SavedOnly", "First=0\r\n", true, true}),
                         [](const auto& info) { return info.param.name; });

TEST_F(StartupTest, TheWaitFillsTheBarAndRunsTheSecondStageWhenItEnds) {
  Settings("First=0\r\nuse_wait=1\r\nInterval=2500\r\n");
  TQuorvel& w = Start();
  EXPECT_EQ(Log(), (Strings{msg::kWaiting}));
  EXPECT_FALSE(w.wait_interval.Enabled()) << "shown disabled during the wait";
  EXPECT_EQ(w.ProgressBar1.Max(), 2500);
  std::vector<int> positions;
  for (int tick = 1; tick <= 4; ++tick) {
    backend.Advance(1000);
    positions.push_back(w.ProgressBar1.Position());
    if (tick == 2) {
      EXPECT_TRUE(Locked()) << "the second stage waits 2500 ms";
    }
  }
  EXPECT_EQ(positions, (std::vector<int>{1000, 2000, 2500, 2500}));
  EXPECT_FALSE(w.progress.Enabled()) << "stopped on its fourth tick";
  EXPECT_EQ(Log(), (Strings{msg::kWaiting, msg::kStarted, msg::kRestoreStart, msg::kRestoreDone}));
  EXPECT_TRUE(w.wait_interval.Enabled());
  EXPECT_FALSE(Locked());
}

struct WaitFailureCase {
  std::string name;
  std::string interval;
  std::string error;
};

void PrintTo(const WaitFailureCase& c, std::ostream* os) { *os << c.name; }

class WaitFailureTest : public StartupTest, public ::testing::WithParamInterface<WaitFailureCase> {};

TEST_P(WaitFailureTest, ABadWaitLeavesTheWindowLockedAndNothingRestored) {
  Settings("First=0\r\nuse_wait=1\r\nInterval=" + GetParam().interval + "\r\nDriveLetter=R:\\\r\n");
  Start();
  backend.Advance(60000);
  EXPECT_EQ(ErrorTexts(), Strings{GetParam().error});
  EXPECT_TRUE(Locked());
  EXPECT_EQ(Log(), (Strings{msg::kWaiting}));
  EXPECT_EQ(window->DriveLetter.Text(), "");
}

INSTANTIATE_TEST_SUITE_P(Waits, WaitFailureTest,
                         ::testing::Values(WaitFailureCase{"NotANumber", "abc", "'abc' is not a valid integer value."},
                                           WaitFailureCase{"Negative", "-1", "プログレスバーの最大値が範囲外です (-1)"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(StartupTest, AWaitOfZeroActsAsTheShortWait) {
  Settings("First=1\r\nuse_wait=1\r\nInterval=0\r\n");
  Start();
  backend.Advance(5);
  EXPECT_EQ(Log(), (Strings{msg::kWaiting, msg::kStarted, msg::kFirstStart}));
}

TEST_F(StartupTest, WithTheWaitOffTheIntervalShowsDisabledAndTheBarStays) {
  Settings("First=1\r\nuse_wait=0\r\nInterval=777\r\n");
  TQuorvel& w = Start();
  backend.Advance(10000);
  EXPECT_EQ(w.wait_interval.Text(), "777");
  EXPECT_FALSE(w.wait_interval.Enabled());
  EXPECT_EQ(w.ProgressBar1.Position(), 0);
}

TEST_F(StartupTest, APeriodThatIsNoNumberStopsTheSecondStage) {
  Settings("First=0\r\nuse_backup_timer=0\r\nint_backup_timer=x\r\nDriveLetter=R:\\\r\n");
  fs.AddFile(kDat, "work\r\n");
  TQuorvel& w = Start();
  backend.Advance(5);
  EXPECT_EQ(ErrorTexts(), Strings{"'x' is not a valid integer value."});
  EXPECT_FALSE(Locked()) << "unlocked before the failure";
  EXPECT_EQ(w.DriveLetter.Text(), "");
  EXPECT_EQ(w.ListBox1.Count(), 0);
  EXPECT_TRUE(Log().empty());
  backend.Advance(10000);
  EXPECT_EQ(ErrorTexts().size(), 1u) << "the stage is not tried again";
}

TEST_F(StartupTest, ThePeriodicBackupRunsAtEachTick) {
  Settings("First=0\r\nuse_backup_timer=1\r\nint_backup_timer=1\r\nDriveLetter=R:\\\r\nCopyTo=D:\\bk\r\n");
  fs.AddFolder("D:\\bk");
  fs.AddFile(kDat, "work\r\n");
  fs.AddFile("R:\\work\\a.txt", "A");
  TQuorvel& w = Start();
  backend.Advance(5);
  EXPECT_TRUE(w.int_backup_timer.Enabled());
  EXPECT_TRUE(w.backup_timer.Enabled());
  fs.AddFile("R:\\work\\a.txt", "A2");
  backend.Advance(3600000 - 1);
  EXPECT_NE(fs.Content("D:\\bk\\work\\a.txt"), "A2");
  backend.Advance(1);
  EXPECT_EQ(fs.Content("D:\\bk\\work\\a.txt"), "A2");
  backend.Advance(3600000);
  int passes = 0;
  for (const auto& line : Log()) passes += line == msg::kBackupDone;
  EXPECT_EQ(passes, 2);
}

struct PeriodCase {
  std::string name;
  std::string settings;
  bool armed;
  unsigned interval;
  bool outOfRangeLine;
};

void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.name; }

class PeriodTest : public StartupTest, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(PeriodTest, ThePeriodIsArmedOnlyWhenOnAndInRange) {
  Settings("First=0\r\n" + GetParam().settings);
  TQuorvel& w = Start();
  backend.Advance(5);
  EXPECT_EQ(w.backup_timer.Enabled(), GetParam().armed);
  if (GetParam().armed) {
    EXPECT_EQ(w.backup_timer.Interval(), GetParam().interval);
  }
  const Strings log = Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), msg::kBackupPeriodOutOfRange), GetParam().outOfRangeLine ? 1 : 0);
  EXPECT_EQ(log.back(), msg::kRestoreDone) << "start-up goes on";
  if (GetParam().interval == 0) {
    backend.Advance(100000000);
    const Strings later = Log();
    EXPECT_EQ(std::count(later.begin(), later.end(), msg::kBackupStart), 0) << "a period of 0 never fires";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Periods, PeriodTest,
    ::testing::Values(PeriodCase{"ZeroNeverFires", "use_backup_timer=1\r\nint_backup_timer=0\r\n", true, 0, false},
                      PeriodCase{"Off", "use_backup_timer=0\r\nint_backup_timer=1\r\n", false, 0, false},
                      PeriodCase{"LargestThatFits", "use_backup_timer=1\r\nint_backup_timer=596\r\n", true,
                                 596u * 3600000u, false},
                      PeriodCase{"TooLarge", "use_backup_timer=1\r\nint_backup_timer=597\r\n", false, 0, true},
                      PeriodCase{"Negative", "use_backup_timer=1\r\nint_backup_timer=-1\r\n", false, 0, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(StartupTest, AMissingFolderListIsCreatedEmptyBeforeTheRestore) {
  Settings("First=0\r\n");
  fs.RemoveFile(kDat);
  TQuorvel& w = Start();
  backend.Advance(5);
  EXPECT_EQ(fs.Content(kDat), "");
  EXPECT_EQ(w.ListBox1.Count(), 0);
  EXPECT_EQ(Log(), (Strings{msg::kFolderListCreated, msg::kStarted, msg::kRestoreStart, msg::kRestoreDone}));
}

TEST_F(StartupTest, AFolderListThatCannotBeMadeStopsTheFirstStageBeforeTheLock) {
  Settings("First=0\r\n");
  fs.RemoveFile(kDat);
  fs.AddFolder(kDat);  // a folder of that name is no file
  Start();
  backend.Advance(10000);
  EXPECT_EQ(ErrorTexts(), Strings{"ファイル " + kDat + " を作成できません."});
  EXPECT_TRUE(window->GroupBox2.Enabled());
  EXPECT_EQ(Log(), (Strings{msg::kFolderListCreated}));
}

TEST_F(StartupTest, AnUnreadableFolderListStopsTheSecondStage) {
  Settings("First=0\r\n");
  fs.Lock(kDat);
  Start();
  backend.Advance(5);
  EXPECT_EQ(ErrorTexts(), Strings{"ファイル " + kDat + " は開けません."});
  EXPECT_TRUE(Log().empty());
}

TEST_F(StartupTest, TheUpdateToolIsStartedOnlyWhenItIsAFileBesideTheProgram) {
  Settings("First=1\r\n");
  fs.AddFolder(std::string(kFolder) + "lumsett.exe");
  Start();
  EXPECT_TRUE(shell.started.empty());
  window.reset();
  fs.RemoveFolder(std::string(kFolder) + "lumsett.exe");
  fs.AddFile(std::string(kFolder) + "lumsett.exe", "MZ");
  backend.boxes.clear();
  Start();
  EXPECT_EQ(shell.started, Strings{std::string(kFolder) + "lumsett.exe"});
  EXPECT_EQ(Log(), Strings{msg::kUpdateCheck});
}

TEST_F(StartupTest, WithoutSettingsTheNoticeShowsAndTheProgramEndsWithoutARestore) {
  fs.RemoveFile(kDat);
  fs.AddFile(std::string(kFolder) + "lumsett.exe", "MZ");
  Start();
  ASSERT_EQ(backend.boxes.size(), 1u);
  EXPECT_EQ(backend.boxes[0].kind, ui::BoxKind::Notice);
  EXPECT_EQ(backend.boxes[0].text, msg::kSettingsMissing);
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(fs.Content(kDat), "") << "the folder list is still made";
  EXPECT_EQ(shell.started.size(), 1u) << "and the update tool still started";
  app.Run();
  EXPECT_EQ(Log(), (Strings{msg::kFolderListCreated, msg::kUpdateCheck}));
  EXPECT_FALSE(fs.Exists(kIni)) << "the program never makes Settings.ini";
}

TEST_F(StartupTest, SavedSettingsRestoreTheListedFolders) {
  Settings("First=0\r\nDriveLetter=R:\\\r\nCopyTo=D:\\bk\r\n");
  fs.AddFile(kDat, "work\r\n");
  fs.AddFile("D:\\bk\\work\\sub\\a.txt", "A");
  TQuorvel& w = Start();
  backend.Advance(5);
  EXPECT_EQ(w.DriveLetter.Text(), "R:\\");
  EXPECT_EQ(w.CopyTo.Text(), "D:\\bk");
  EXPECT_EQ(w.ListBox1.Items(), Strings{"work"});
  EXPECT_EQ(fs.Content("R:\\work\\sub\\a.txt"), "A");
  EXPECT_EQ(Log(), (Strings{msg::kStarted, msg::kRestoreStart, msg::kRestoreDone}));
  EXPECT_FALSE(FirstRun);
  EXPECT_TRUE(w.BTN_manual_backup.Enabled());
}

TEST_F(StartupTest, TheUserCanActDuringTheRestoreWalk) {
  Settings("First=0\r\nDriveLetter=R:\\\r\nCopyTo=D:\\bk\r\n");
  fs.AddFile(kDat, "work\r\n");
  fs.AddFile("D:\\bk\\work\\a.txt", "A");
  TQuorvel& w = Start();
  backend.Post([&] {
    User::Type(w.addDir, "more");
    User::Click(w.btn_add);
  });
  backend.Advance(5);
  EXPECT_EQ(w.ListBox1.Items(), (Strings{"work", "more"}));
}

}  // namespace
}  // namespace qv
