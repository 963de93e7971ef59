#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/headless/memory_file_system.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/folder_dialog.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/timer.h"

namespace qv::ui {
namespace {

using User = HeadlessBackend;
using Strings = std::vector<std::string>;

class ToolkitTest : public ::testing::Test {
 protected:
  ToolkitTest() {
    app.SetTitle("Quorvel");
    form.SetupForm("Form1", "Form1", 200, 100);
    app.SetMainForm(form);
    group.Setup(form, "group", {0, 0, 100, 100}, 0);
    box.Setup(group, "box", {8, 8, 80, 17}, 0);
    button.Setup(group, "button", {8, 30, 80, 20}, 1);
    box.OnClick = [this] { ++boxClicks; };
    form.Show();
  }

  HeadlessBackend backend;
  Application app{backend};
  Form form{app};
  GroupBox group;
  CheckBox box;
  Button button;
  int boxClicks = 0;
};

TEST_F(ToolkitTest, CheckBoxHandlerRunsOnEveryChangeAndNeverForTheSameState) {
  box.SetChecked(true);
  EXPECT_EQ(boxClicks, 1) << "a change made by code";
  box.SetChecked(true);
  EXPECT_EQ(boxClicks, 1) << "setting the state it already has";
  User::Click(box);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(boxClicks, 2) << "a user's click runs it exactly once";
  box.SetChecked(false);
  EXPECT_EQ(boxClicks, 2);
}

TEST_F(ToolkitTest, DisabledGroupKeepsItsChildrensOwnStatesAndIgnoresTheUser) {
  int clicks = 0;
  button.OnClick = [&] { ++clicks; };
  button.SetEnabled(false);
  group.SetEnabled(false);
  EXPECT_FALSE(button.Enabled());
  EXPECT_TRUE(box.Enabled());
  User::Click(box);
  EXPECT_EQ(boxClicks, 0);
  group.SetEnabled(true);
  EXPECT_FALSE(button.Enabled()) << "enabling the group does not enable what was disabled inside";
  User::Click(button);
  EXPECT_EQ(clicks, 0);
  User::Click(box);
  EXPECT_EQ(boxClicks, 1);
}

TEST_F(ToolkitTest, ExceptionInAHandlerEndsItShowsTheErrorBoxAndTheProgramRunsOn) {
  int steps = 0;
  button.OnClick = [&] {
    ++steps;
    throw AppError("ファイル D:\\a.dat を作成できません");
    ++steps;
  };
  User::Click(button);
  User::Click(button);
  EXPECT_EQ(steps, 2);
  ASSERT_EQ(backend.boxes.size(), 2u);
  EXPECT_EQ(backend.boxes[0].kind, BoxKind::Error);
  EXPECT_EQ(backend.boxes[0].text, "ファイル D:\\a.dat を作成できません.");
  EXPECT_EQ(backend.boxes[0].caption, "Quorvel");
}

TEST_F(ToolkitTest, ABoxOpenedAfterTheEndWasRequestedGivesNoAnswer) {
  backend.answers = {BoxAnswer::No};
  EXPECT_EQ(app.AskQuestion("q"), BoxAnswer::No);
  app.Terminate();
  EXPECT_EQ(app.AskQuestion("q"), BoxAnswer::None);
  EXPECT_EQ(app.ShowNotice("n"), BoxAnswer::None);
  EXPECT_EQ(backend.boxes.size(), 1u);
  EXPECT_TRUE(backend.QuitPosted());
}

TEST_F(ToolkitTest, AnEndRequestedWhileABoxIsOpenClosesItWithNoAnswer) {
  backend.answers = {BoxAnswer::No};
  backend.whileBoxOpen = [this] { app.Terminate(); };
  EXPECT_EQ(app.AskQuestion("q"), BoxAnswer::None);
}

TEST_F(ToolkitTest, BoxesCarryTheirCaptions) {
  app.AskQuestion("終了しますか");
  app.ShowNotice("さようなら");
  ASSERT_EQ(backend.boxes.size(), 2u);
  EXPECT_EQ(backend.boxes[0].kind, BoxKind::Question);
  EXPECT_EQ(backend.boxes[0].caption, "情報");
  EXPECT_EQ(backend.boxes[1].kind, BoxKind::Notice);
  EXPECT_EQ(backend.boxes[1].caption, "Quorvel");
}

TEST_F(ToolkitTest, ClosingTheMainFormAsksAndThenRequestsTheEnd) {
  bool allow = false;
  form.OnCloseQuery = [&] { return allow; };
  form.UserClose();
  EXPECT_FALSE(app.Terminated());
  allow = true;
  form.UserClose();
  EXPECT_TRUE(app.Terminated());
}

TEST_F(ToolkitTest, QueuedEventsRunAtTheNextProcessingOfMessages) {
  Strings order;
  backend.Post([&] { order.push_back("queued"); });
  order.push_back("before");
  app.ProcessMessages();
  EXPECT_EQ(order, (Strings{"before", "queued"}));
}

TEST_F(ToolkitTest, AnErrorEscapingTheSessionQueryAnswersNo) {
  EXPECT_TRUE(form.QueryEndSession(0)) << "no handler: the session may end";
  form.OnQueryEndSession = [](unsigned) -> bool { throw AppError("x"); };
  EXPECT_FALSE(form.QueryEndSession(0));
  EXPECT_EQ(backend.boxes.size(), 1u);
}

struct TitleCase {
  const char* path;
  const char* title;
};

class TitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleTest, NameUpToTheFirstFullStopWithTheRestInLowerCase) {
  EXPECT_EQ(TitleFromProgramFile(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Paths, TitleTest,
                         ::testing::Values(TitleCase{"C:\\Tools\\Quorvel.exe", "Quorvel"},
                                           TitleCase{"C:\\TOOLS\\QUORVEL.EXE", "Quorvel"},
                                           TitleCase{"C:\\quorvel.exe", "quorvel"},
                                           TitleCase{"C:\\a.b\\My.Tool.exe", "My"},
                                           TitleCase{"C:\\Dir\\NoExt", "Noext"}));

struct FullStopCase {
  const char* message;
  const char* shown;
};

class ErrorBoxTextTest : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(ErrorBoxTextTest, AddsAFullStopAfterACharacterThatSortsAfterIt) {
  EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Endings, ErrorBoxTextTest,
                         ::testing::Values(FullStopCase{"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
                                           FullStopCase{"書き込めません", "書き込めません."},
                                           FullStopCase{"done.", "done."},
                                           FullStopCase{"(3)", "(3)"},
                                           FullStopCase{"a-", "a-"},
                                           FullStopCase{"a/", "a/."},
                                           FullStopCase{"", ""}));

TEST(ProgressBarTest, PositionIsHeldWithinTheRange) {
  HeadlessBackend backend;
  Application app{backend};
  Form form{app};
  form.SetupForm("f", "f", 10, 10);
  ProgressBar bar;
  bar.Setup(form, "bar", {0, 0, 10, 10});
  bar.SetRange(0, 2500);
  bar.SetPosition(3000);
  EXPECT_EQ(bar.Position(), 2500);
  bar.SetRange(0, 100);
  EXPECT_EQ(bar.Position(), 100);
}

class TimerTest : public ::testing::Test {
 protected:
  TimerTest() {
    timer.Setup(app, "timer");
    timer.OnTimer = [this] { ticks.push_back(backend.Now()); };
  }
  HeadlessBackend backend;
  Application app{backend};
  Timer timer;
  std::vector<std::uint64_t> ticks;
};

TEST_F(TimerTest, TicksEveryIntervalWhileEnabled) {
  timer.SetInterval(300);
  timer.SetEnabled(true);
  backend.Advance(1000);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{300, 600, 900}));
  timer.SetEnabled(false);
  backend.Advance(1000);
  EXPECT_EQ(ticks.size(), 3u);
}

TEST_F(TimerTest, TheSameIntervalOrEnabledStateDoesNotRestartTheCount) {
  timer.SetInterval(1000);
  timer.SetEnabled(true);
  backend.Advance(600);
  timer.SetInterval(1000);
  timer.SetEnabled(true);
  backend.Advance(400);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{1000}));
}

TEST_F(TimerTest, ANewIntervalStartsTheCountAfresh) {
  timer.SetEnabled(true);
  backend.Advance(600);
  timer.SetInterval(500);
  backend.Advance(600);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{1100}));
}

TEST_F(TimerTest, AnIntervalOfZeroNeverTicks) {
  timer.SetInterval(0);
  timer.SetEnabled(true);
  backend.Advance(100000);
  EXPECT_TRUE(ticks.empty());
}

TEST_F(TimerTest, AnExceptionInATickShowsTheErrorBoxAndTheTimerRunsOn) {
  timer.OnTimer = [this] {
    ticks.push_back(backend.Now());
    throw AppError("tick");
  };
  timer.SetEnabled(true);
  backend.Advance(2000);
  EXPECT_EQ(ticks.size(), 2u);
  EXPECT_EQ(backend.boxes.size(), 2u);
}

class FolderDialogTest : public ::testing::Test {
 protected:
  FolderDialogTest() {
    fs.AddDrive('R');
    fs.AddDrive('D');
    fs.AddFolder("R:\\work\\sub");
    fs.AddFolder("R:\\Alpha");
    fs.AddFile("R:\\notes.txt", "");
    fs.AddFolder("C:\\Program");
    fs.SetCurrentDirectory("C:\\Program");
    owner.SetupForm("owner", "owner", 10, 10);
  }

  // Runs the dialog with what the user does in it.
  std::optional<std::string> Pick(std::function<void(FolderDialog&)> user) {
    backend.modalScripts.push_back([user](Form& f) { user(static_cast<FolderDialog&>(f)); });
    FolderDialog dialog(app, fs, &owner);
    return dialog.Execute();
  }

  static int IndexOf(const ListBox& list, const std::string& item) {
    const Strings items = list.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == item) return static_cast<int>(i);
    }
    return -1;
  }

  MemoryFileSystem fs;
  HeadlessBackend backend;
  Application app{backend};
  Form owner{app};
};

TEST_F(FolderDialogTest, StartsAtTheCurrentFolderAndReturnsItOnOk) {
  EXPECT_EQ(Pick([](FolderDialog& d) { User::Click(d.okButton); }), "C:\\Program");
}

TEST_F(FolderDialogTest, WalkingReplacesTheNameFieldWithTheCurrentFolder) {
  Strings seen;
  const auto picked = Pick([&](FolderDialog& d) {
    User::Select(d.driveList, IndexOf(d.driveList, "R:\\"));
    seen.push_back(d.nameField.Text());
    EXPECT_EQ(d.folderList.Items(), (Strings{"Alpha", "work"}));
    EXPECT_EQ(d.fileList.Items(), (Strings{"notes.txt"}));
    User::DoubleClick(d.folderList, IndexOf(d.folderList, "work"));
    seen.push_back(d.nameField.Text());
    User::DoubleClick(d.folderList, IndexOf(d.folderList, "sub"));
    seen.push_back(d.nameField.Text());
    User::Click(d.upButton);
    seen.push_back(d.nameField.Text());
    User::Click(d.upButton);
    User::Click(d.upButton);
    seen.push_back(d.nameField.Text());
    User::Click(d.okButton);
  });
  EXPECT_EQ(seen, (Strings{"R:\\", "R:\\work", "R:\\work\\sub", "R:\\work", "R:\\"}));
  EXPECT_EQ(picked, "R:\\");
}

TEST_F(FolderDialogTest, TypedTextIsReturnedExactlyAsTyped) {
  for (const std::string typed : {"R:", "R:\\new folder\\", " x ", ""}) {
    EXPECT_EQ(Pick([&](FolderDialog& d) {
                User::Type(d.nameField, typed);
                User::Click(d.okButton);
              }),
              typed);
  }
  EXPECT_FALSE(fs.Exists("R:\\new folder")) << "the dialog creates nothing";
}

TEST_F(FolderDialogTest, CancelOrCloseReturnsNothing) {
  EXPECT_EQ(Pick([](FolderDialog& d) {
              User::Type(d.nameField, "R:\\");
              User::Click(d.cancelButton);
            }),
            std::nullopt);
  EXPECT_EQ(Pick([](FolderDialog& d) { d.UserClose(); }), std::nullopt);
}

TEST_F(FolderDialogTest, ConnectingANetworkDriveListsIt) {
  backend.connectNetworkDrive = [this] {
    fs.AddDrive('N');
    return true;
  };
  Pick([](FolderDialog& d) {
    EXPECT_EQ(IndexOf(d.driveList, "N:\\"), -1);
    User::Click(d.networkButton);
    EXPECT_NE(IndexOf(d.driveList, "N:\\"), -1);
  });
}

}  // namespace
}  // namespace qv::ui
