#include "app/main_window.h"

#include <gtest/gtest.h>

#include "about/version_info.h"
#include "res/messages.h"
#include "tests/app/window_fixture.h"
#include "ui/folder_dialog.h"

namespace qv {
namespace {

using User = ui::HeadlessBackend;
using Strings = WindowFixture::Strings;

// A window whose start-up has run, with saved settings and an empty list; the log is
// emptied after the start.
class MainWindowTest : public WindowFixture {
 protected:
  MainWindowTest() {
    fs.AddFolder("D:\\bk");
    Settings("First=0\r\n");
    StartAndWait();
    window->log.SetText("");
  }

  Strings LogMessages() const { return Log(); }

  // The next folder dialog returns `typed`, or is cancelled when it is empty.
  void NextDialogReturns(std::optional<std::string> typed) {
    backend.modalScripts.push_back([typed](ui::Form& f) {
      auto& dialog = static_cast<ui::FolderDialog&>(f);
      if (!typed) return User::Click(dialog.cancelButton);
      User::Type(dialog.nameField, *typed);
      User::Click(dialog.okButton);
    });
  }
};

struct DrivePickCase {
  std::string name;
  std::optional<std::string> picked;  // nothing: cancelled
  bool accepted;
};

void PrintTo(const DrivePickCase& c, std::ostream* os) { *os << c.name; }

class DrivePickerTest : public MainWindowTest, public ::testing::WithParamInterface<DrivePickCase> {};

TEST_P(DrivePickerTest, TakesOnlyA3ByteTextAndMarksARefusalInRed) {
  const DrivePickCase& c = GetParam();
  window->DriveLetter.SetText("Q:\\");
  window->DriveLetter.SetColour(ui::Colour::Red);  // an earlier refusal
  NextDialogReturns(c.picked);
  const std::string logBefore = window->log.Text();
  User::Click(window->btn_opendir);
  if (!c.picked) {
    EXPECT_EQ(window->DriveLetter.Text(), "Q:\\");
    EXPECT_EQ(window->log.Text(), logBefore);
  } else if (c.accepted) {
    EXPECT_EQ(window->DriveLetter.Text(), *c.picked);
    EXPECT_EQ(window->DriveLetter.GetColour(), ui::Colour::Window);
    EXPECT_EQ(window->log.Text(), logBefore);
  } else {
    EXPECT_EQ(window->DriveLetter.Text(), "Q:\\");
    EXPECT_EQ(window->DriveLetter.GetColour(), ui::Colour::Red);
    EXPECT_EQ(LogMessages(), (Strings{msg::kDriveLetterError}));
  }
}

INSTANTIATE_TEST_SUITE_P(Picks, DrivePickerTest,
                         ::testing::Values(DrivePickCase{"DriveRoot", "R:\\", true},
                                           DrivePickCase{"AnyThreeBytes", "abc", true},
                                           DrivePickCase{"DoubleByteAndColon", "あ:", true},
                                           DrivePickCase{"Folder", "R:\\work", false},
                                           DrivePickCase{"TwoBytes", "R:", false},
                                           DrivePickCase{"OutsideTheAnsiCodePage", "\xF0\x9F\x98\x80", false},
                                           DrivePickCase{"Cancelled", std::nullopt, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(MainWindowTest, BackupFolderPickerTakesThePathUnchanged) {
  for (const std::string path : {"D:\\", "D:\\RAM backup", "x"}) {
    NextDialogReturns(path);
    User::Click(window->btn_opendir2);
    EXPECT_EQ(window->CopyTo.Text(), path);
  }
  NextDialogReturns(std::nullopt);
  User::Click(window->btn_opendir2);
  EXPECT_EQ(window->CopyTo.Text(), "x");
  EXPECT_EQ(LogMessages(), (Strings{}));
}

TEST_F(MainWindowTest, AddTakesAnyTextAsItIsAndEmptiesTheField) {
  User::Click(window->btn_add);
  EXPECT_EQ(window->ListBox1.Count(), 0) << "an empty field adds nothing";
  for (const std::string text : {" ", "work", "work"}) {
    User::Type(window->addDir, text);
    User::Click(window->btn_add);
    EXPECT_EQ(window->addDir.Text(), "");
  }
  EXPECT_EQ(window->ListBox1.Items(), (Strings{" ", "work", "work"}));
}

TEST_F(MainWindowTest, RemoveDeletesTheSelectedEntryOnly) {
  for (const char* item : {"a", "b", "c"}) window->ListBox1.Add(item);
  User::Click(window->btn_remove);
  EXPECT_EQ(window->ListBox1.Count(), 3) << "nothing selected";
  User::Select(window->ListBox1, 1);
  User::Click(window->btn_remove);
  EXPECT_EQ(window->ListBox1.Items(), (Strings{"a", "c"}));
  User::Click(window->btn_remove);
  EXPECT_EQ(window->ListBox1.Count(), 2) << "the selection went with the entry";
  User::Click(window->btn_removeall);
  EXPECT_EQ(window->ListBox1.Count(), 0);
  User::Click(window->btn_removeall);
  EXPECT_EQ(window->ListBox1.Count(), 0);
}

TEST_F(MainWindowTest, NumberFieldsFollowTheirCheckBoxesAndKeepTheirText) {
  struct Pair {
    ui::CheckBox& box;
    ui::Edit& field;
  };
  for (Pair p : {Pair{window->cb_use_wait, window->wait_interval}, Pair{window->cb_backup_timer, window->int_backup_timer}}) {
    EXPECT_FALSE(p.field.Enabled());
    User::Click(p.box);
    EXPECT_TRUE(p.field.Enabled());
    p.field.SetText("2500");
    User::Click(p.box);
    EXPECT_FALSE(p.field.Enabled());
    EXPECT_EQ(p.field.Text(), "2500");
    p.box.SetChecked(true);  // as start-up sets it
    EXPECT_TRUE(p.field.Enabled());
  }
}

TEST_F(MainWindowTest, ADisabledGroupIgnoresTheUserButTheOuterPickerStillWorks) {
  window->GroupBox3.SetEnabled(false);
  window->GroupBox2.SetEnabled(false);
  User::Type(window->addDir, "work");
  User::Click(window->btn_add);
  EXPECT_EQ(window->ListBox1.Count(), 0);
  EXPECT_TRUE(window->btn_add.Enabled());
  NextDialogReturns("R:\\");
  User::Click(window->btn_opendir);
  EXPECT_EQ(window->DriveLetter.Text(), "R:\\");
}

TEST_F(MainWindowTest, VersionInfoShowsTheAboutWindowWithoutWaitingForIt) {
  TVersionInfo about(app, shell, "C:\\Quorvel\\");
  VersionInfo = &about;
  User::Click(window->btn_Version);
  User::Click(window->btn_Version);
  EXPECT_TRUE(about.Showing());
  User::Type(window->addDir, "work");
  User::Click(window->btn_add);
  EXPECT_EQ(window->ListBox1.Count(), 1) << "the main window stays usable";
  VersionInfo = nullptr;
}

TEST_F(MainWindowTest, BackupButtonCopiesTheListedFolders) {
  fs.AddFile("R:\\work\\a.txt", "A");
  window->DriveLetter.SetText("R:\\");
  window->CopyTo.SetText("D:\\bk");
  window->ListBox1.Add("work");
  User::Click(window->BTN_manual_backup);
  EXPECT_EQ(fs.Content("D:\\bk\\work\\a.txt"), "A");
  EXPECT_EQ(LogMessages(), (Strings{msg::kBackupStart, msg::kBackupDone}));
}

TEST_F(MainWindowTest, ABackupClickDuringARestoreWalkRunsWholeInsideIt) {
  fs.AddFile("D:\\bk\\work\\a.txt", "A");
  fs.AddFile("R:\\keep\\k.txt", "K");
  window->DriveLetter.SetText("R:\\");
  window->CopyTo.SetText("D:\\bk");
  window->ListBox1.Add("work");
  window->ListBox1.Add("keep");
  bool clicked = false;
  backend.Post([&] {
    clicked = true;
    User::Click(window->BTN_manual_backup);
  });
  window->TransferFolders(tdRestore);
  ASSERT_TRUE(clicked);
  // The restore has not yet made R:\work when the backup runs in its walk.
  EXPECT_EQ(LogMessages(), (Strings{msg::kRestoreStart, msg::kBackupStart, msg::kSkipNoRamFolder,
                                    msg::kBackupDone, msg::kRestoreDone}));
  EXPECT_EQ(fs.Content("R:\\work\\a.txt"), "A");
  EXPECT_EQ(fs.Content("D:\\bk\\keep\\k.txt"), "K");
}

TEST_F(MainWindowTest, ThePassReadsTheListAsTheControlsHoldItNow) {
  window->DriveLetter.SetText("R:\\");
  window->CopyTo.SetText("D:\\bk");
  window->ListBox1.Add("a");
  fs.AddFile("R:\\a\\1.txt", "1");
  backend.Post([&] { User::Click(window->btn_removeall); });
  User::Click(window->BTN_manual_backup);
  ASSERT_EQ(backend.boxes.size(), 0u) << "the count is read again after each item";
  EXPECT_EQ(LogMessages().back(), msg::kBackupDone);
}

}  // namespace
}  // namespace qv
