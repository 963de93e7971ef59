// The toolkit's rules on real windows, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/wide.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/win32_backend.h"

namespace qv::ui {
namespace {

class Win32UiTest : public ::testing::Test {
 protected:
  Win32UiTest() {
    app.SetTitle("Quorvel");
    form.SetupForm("TestForm", "TestForm", 300, 200);
    app.SetMainForm(form);
    group.Setup(form, "group", {8, 8, 200, 150}, 0);
    box.Setup(group, "box", {8, 16, 120, 17}, 0);
    memo.Setup(group, "memo", {8, 40, 180, 60}, 1);
    box.SetText("box");
    box.OnClick = [this] { ++boxClicks; };
    form.Show();
  }

  // Runs the message loop until `done` or a second has passed.
  void PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + 1000;
    while (!done() && GetTickCount64() < end) {
      app.ProcessMessages();
      Sleep(5);
    }
  }

  Win32Backend backend{GetModuleHandleW(nullptr)};
  Application app{backend};
  Form form{app};
  GroupBox group;
  CheckBox box;
  Memo memo;
  int boxClicks = 0;
};

TEST_F(Win32UiTest, CheckBoxHandlerRunsOnceForAClickAndOnceForCode) {
  // Sent as a user's click is: the button notifies its parent, the group box.
  SendMessageW(WindowOf(box), BM_CLICK, 0, 0);
  EXPECT_EQ(boxClicks, 1);
  EXPECT_TRUE(box.Checked());
  box.SetChecked(false);
  box.SetChecked(false);
  EXPECT_EQ(boxClicks, 2);
  EXPECT_EQ(SendMessageW(WindowOf(box), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Win32UiTest, DisablingTheGroupKeepsTheChildsOwnState) {
  group.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(WindowOf(group)));
  EXPECT_TRUE(IsWindowEnabled(WindowOf(box)));
  EXPECT_TRUE(box.Enabled());
}

TEST_F(Win32UiTest, TheMemoTakesMoreThanTheDefaultTextLimit) {
  std::string text;
  for (int i = 0; i < 4000; ++i) text += "2026/12/11 10:00:00　ログの行です\r\n";
  memo.SetText(text);
  EXPECT_EQ(memo.Text(), text);
  EXPECT_EQ(SendMessageW(WindowOf(memo), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "the beginning stays in view";
}

struct SeenBox {
  std::wstring yes, no, caption;
};
SeenBox seenBox;

BOOL CALLBACK NoteMessageBox(HWND hwnd, LPARAM found) {
  wchar_t cls[16];
  GetClassNameW(hwnd, cls, 16);
  if (lstrcmpW(cls, L"#32770") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

// Reads the open box and presses No, from a timer of the box's own modal loop.
void CALLBACK AnswerNo(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), NoteMessageBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  KillTimer(nullptr, id);
  wchar_t text[64];
  GetDlgItemTextW(box, IDYES, text, 64);
  seenBox.yes = text;
  GetDlgItemTextW(box, IDNO, text, 64);
  seenBox.no = text;
  GetWindowTextW(box, text, 64);
  seenBox.caption = text;
  PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
}

TEST_F(Win32UiTest, QuestionBoxHasTheProgramsButtonsAndReturnsTheAnswer) {
  SetTimer(nullptr, 0, 50, AnswerNo);
  EXPECT_EQ(app.AskQuestion("終了しますか"), BoxAnswer::No);
  const SeenBox& seen = seenBox;
  EXPECT_EQ(seen.yes, L"はい(&Y)");
  EXPECT_EQ(seen.no, L"いいえ(&N)");
  EXPECT_EQ(seen.caption, L"情報");
}

TEST_F(Win32UiTest, TheCloseBoxOfTheMainFormEndsTheLoop) {
  PostMessageW(WindowOf(form), WM_CLOSE, 0, 0);
  PumpUntil([this] { return app.Terminated(); });
  EXPECT_TRUE(app.Terminated());
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop that ends the program sees it";
}

TEST(Win32FontsTest, TheWindowsGetAJapaneseFaceThatIsInstalled) {
  for (FontFace face : {FontFace::Proportional, FontFace::FixedPitch}) {
    const std::wstring chosen = FontSet::ChooseFace(face);
    EXPECT_TRUE(FontSet::Installed(chosen)) << Narrow(chosen);
  }
}

}  // namespace
}  // namespace qv::ui
