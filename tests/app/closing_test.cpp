#include <gtest/gtest.h>

#include <algorithm>

#include "res/messages.h"
#include "tests/app/window_fixture.h"

namespace qv {
namespace {

using User = ui::HeadlessBackend;
using Strings = WindowFixture::Strings;
constexpr unsigned kCloseApp = 0x1, kLogoff = 0x80000000, kCritical = 0x40000000;

class ClosingTest : public WindowFixture {
 protected:
  // Started with saved settings (or a first run), one listed folder with a file, the log
  // emptied after start-up.
  TQuorvel& Running(bool firstRun = false) {
    Settings(std::string(firstRun ? "First=1" : "First=0") + "\r\nDriveLetter=R:\\\r\nCopyTo=D:\\bk\r\n");
    fs.AddFile(Dat(), "work\r\n");
    fs.AddFile("R:\\work\\a.txt", "A");
    fs.AddFolder("D:\\bk");
    if (!firstRun) fs.AddFile("D:\\bk\\work\\a.txt", "A");
    TQuorvel& w = StartAndWait();
    w.log.SetText("");
    if (firstRun) {  // the user fills in the window and does not save
      w.DriveLetter.SetText("R:\\");
      w.CopyTo.SetText("D:\\bk");
      w.ListBox1.Add("work");
    }
    fs.AddFile("R:\\work\\a.txt", "A2");
    return w;
  }
  bool QueryEndSession(unsigned flags = 0) { return window->QueryEndSession(flags); }
  int Passes() const {
    const Strings log = Log();
    return static_cast<int>(std::count(log.begin(), log.end(), msg::kBackupDone));
  }
  std::size_t Questions() const {
    return std::count_if(backend.boxes.begin(), backend.boxes.end(),
                         [](const auto& b) { return b.kind == ui::BoxKind::Question; });
  }
};

TEST_F(ClosingTest, AUserCloseAnsweredNoChangesNothing) {
  TQuorvel& w = Running();
  backend.answers = {ui::BoxAnswer::No};
  w.UserClose();
  ASSERT_EQ(backend.boxes.size(), 1u);
  EXPECT_EQ(backend.boxes[0].text, "本当に終了してよろしいですか？\r\n設定の再読み込みなどはWindowsの再起動のほうが無難です");
  EXPECT_EQ(backend.boxes[0].caption, "情報");
  EXPECT_FALSE(app.Terminated());
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(QueryEndSession()) << "a later session end still backs up";
  EXPECT_EQ(Passes(), 1);
}

TEST_F(ClosingTest, AUserCloseAnsweredYesEndsWithoutABackup) {
  TQuorvel& w = Running();
  backend.answers = {ui::BoxAnswer::Yes};
  w.UserClose();
  EXPECT_TRUE(app.Terminated());
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(fs.Content("D:\\bk\\work\\a.txt"), "A");
}

TEST_F(ClosingTest, OnAFirstRunAUserCloseEndsAtOnce) {
  TQuorvel& w = Running(true);
  w.UserClose();
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(Questions(), 0u) << "the question gives no answer once the end is requested";
  EXPECT_TRUE(Log().empty());
}

struct SessionCase {
  std::string name;
  unsigned flags;
};

void PrintTo(const SessionCase& c, std::ostream* os) { *os << c.name; }

class SessionEndTest : public ClosingTest, public ::testing::WithParamInterface<SessionCase> {};

TEST_P(SessionEndTest, EveryKindOfEndRunsOnePassBeforeTheAnswer) {
  TQuorvel& w = Running();
  std::optional<std::string> reasonDuringPass;
  backend.Post([&] { reasonDuringPass = backend.shutdownBlockReason; });
  EXPECT_TRUE(w.QueryEndSession(GetParam().flags));
  EXPECT_EQ(fs.Content("D:\\bk\\work\\a.txt"), "A2") << "the backup is complete before the answer";
  EXPECT_EQ(Log(), (Strings{msg::kBackupStart, msg::kBackupDone}));
  EXPECT_EQ(Questions(), 0u);
  EXPECT_EQ(reasonDuringPass, msg::kShutdownBlockReason);
  EXPECT_EQ(backend.shutdownBlockReason, std::nullopt);
  EXPECT_FALSE(app.Terminated());
  w.EndSession(true, GetParam().flags);
  EXPECT_TRUE(app.Terminated());
}

INSTANTIATE_TEST_SUITE_P(Flags, SessionEndTest,
                         ::testing::Values(SessionCase{"Shutdown", 0}, SessionCase{"CloseApp", kCloseApp},
                                           SessionCase{"Logoff", kLogoff},
                                           SessionCase{"LogoffCritical", kLogoff | kCritical | kCloseApp}),
                         [](const auto& info) { return info.param.name; });

TEST_F(ClosingTest, ACalledOffEndRunsOnAndTheNextRequestBacksUpAgain) {
  TQuorvel& w = Running();
  w.backup_timer.SetInterval(3600000);
  w.backup_timer.SetEnabled(true);
  EXPECT_TRUE(QueryEndSession());
  w.EndSession(false, 0);
  EXPECT_FALSE(app.Terminated());
  EXPECT_TRUE(w.backup_timer.Enabled());
  EXPECT_TRUE(QueryEndSession());
  EXPECT_EQ(Passes(), 2);
}

TEST_F(ClosingTest, OnAFirstRunTheSessionEndBacksUpAndEndsEvenWhenCalledOff) {
  TQuorvel& w = Running(true);
  EXPECT_TRUE(QueryEndSession());
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(Passes(), 1) << "the end requested before the pass does not stop it";
  EXPECT_EQ(fs.Content("D:\\bk\\work\\a.txt"), "A2");
  w.EndSession(false, 0);
  EXPECT_TRUE(app.Terminated());
}

TEST_F(ClosingTest, AnEmptyListLogsOnlyTheTwoLines) {
  TQuorvel& w = Running();
  w.ListBox1.Clear();
  EXPECT_TRUE(QueryEndSession());
  EXPECT_EQ(Log(), (Strings{msg::kBackupStart, msg::kBackupDone}));
}

TEST_F(ClosingTest, AnErrorEscapingThePassAnswersNo) {
  TQuorvel& w = Running();
  w.ListBox1.Add("two");
  w.ListBox1.Add("three");
  fs.AddFile("R:\\two\\b.txt", "b");
  backend.Post([&] { w.ListBox1.Delete(0); });  // shortens the list under the pass
  EXPECT_FALSE(QueryEndSession());
  EXPECT_EQ(ErrorTexts(), Strings{"リストのインデックスが範囲を超えています (2)"});
  EXPECT_EQ(backend.shutdownBlockReason, std::nullopt) << "the reason goes with the pass";
}

TEST_F(ClosingTest, ASessionEndWhileTheCloseQuestionIsOpen) {
  TQuorvel& w = Running();
  bool answer = false;
  backend.whileBoxOpen = [&] {
    answer = w.QueryEndSession(0);
    w.EndSession(true, 0);
  };
  backend.answers = {ui::BoxAnswer::No};  // what the user would have said
  w.UserClose();
  EXPECT_TRUE(answer);
  EXPECT_EQ(Passes(), 1);
  EXPECT_TRUE(app.Terminated()) << "the box closed with no answer, so the window closed";
}

TEST_F(ClosingTest, ASessionEndInsideARestoreRunsWholeThenTheRestoreResumes) {
  Settings("First=0\r\nDriveLetter=R:\\\r\nCopyTo=D:\\bk\r\n");
  fs.AddFile(Dat(), "work\r\nkeep\r\n");
  fs.AddFile("D:\\bk\\work\\a.txt", "A");
  fs.AddFile("D:\\bk\\keep\\k.txt", "K");
  fs.AddFile("R:\\keep\\k.txt", "K2");
  TQuorvel& w = Start();
  bool answer = false;
  backend.Post([&] { answer = w.QueryEndSession(0); });
  backend.Advance(5);
  EXPECT_TRUE(answer);
  EXPECT_EQ(Log(), (Strings{msg::kStarted, msg::kRestoreStart, msg::kBackupStart, msg::kSkipNoRamFolder,
                            msg::kBackupDone, msg::kRestoreDone}));
  EXPECT_EQ(fs.Content("D:\\bk\\keep\\k.txt"), "K2") << "the shutdown pass backed up what the RAM disk held";
  EXPECT_EQ(fs.Content("R:\\work\\a.txt"), "A") << "and the restore went on";
}

TEST_F(ClosingTest, AUserCloseAnsweredYesDuringAPassEndsAfterThePass) {
  TQuorvel& w = Running();
  backend.answers = {ui::BoxAnswer::Yes};
  backend.Post([&] { w.UserClose(); });
  User::Click(w.BTN_manual_backup);
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(Log(), (Strings{msg::kBackupStart, msg::kBackupDone}));
}

}  // namespace
}  // namespace qv
