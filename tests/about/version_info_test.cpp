#include "about/version_info.h"

#include <gtest/gtest.h>

#include "about/build_info.h"
#include "platform/headless/recording_shell.h"
#include "ui/headless/headless_backend.h"

namespace qv {
namespace {

using User = ui::HeadlessBackend;

class VersionInfoTest : public ::testing::Test {
 protected:
  VersionInfoTest() { about.Show(); }

  // The opacity after each of `ticks` fade ticks, -1 once the window is hidden.
  std::vector<int> Ticks(int ticks) {
    std::vector<int> seen;
    for (int i = 0; i < ticks; ++i) {
      backend.Advance(100);
      seen.push_back(about.Showing() ? about.AlphaBlendValue() : -1);
    }
    return seen;
  }

  ui::HeadlessBackend backend;
  ui::Application app{backend};
  RecordingShell shell;
  TVersionInfo about{app, shell, "C:\\Quorvel\\"};
};

TEST_F(VersionInfoTest, OkFadesInStepsOfTenAndHidesAtTheTwentySeventhTick) {
  EXPECT_EQ(about.AlphaBlendValue(), 255);
  User::Click(about.btn_feedout);
  const std::vector<int> seen = Ticks(27);
  EXPECT_EQ(seen[0], 245);
  EXPECT_EQ(seen[1], 235);
  EXPECT_EQ(seen[24], 5);
  EXPECT_EQ(seen[25], 0);
  EXPECT_EQ(seen[26], -1);
  EXPECT_EQ(about.AlphaBlendValue(), 255) << "opaque again for the next showing";
  EXPECT_FALSE(about.Timer1.Enabled());
}

TEST_F(VersionInfoTest, OkTwiceGivesOneFade) {
  User::Click(about.btn_feedout);
  backend.Advance(1000);
  User::Click(about.btn_feedout);
  EXPECT_EQ(Ticks(17).back(), -1) << "27 ticks from the first OK";
}

TEST_F(VersionInfoTest, TheCloseBoxHidesAtOnceAndTheFadeRunsOnUnseen) {
  about.UserClose();
  EXPECT_FALSE(about.Showing());
  EXPECT_EQ(about.AlphaBlendValue(), 255) << "closed opaque, it opens opaque";
  about.Show();
  User::Click(about.btn_feedout);
  backend.Advance(500);
  about.UserClose();
  EXPECT_FALSE(about.Showing());
  EXPECT_EQ(about.AlphaBlendValue(), 205);
  EXPECT_TRUE(about.Timer1.Enabled());
  backend.Advance(2200);
  EXPECT_EQ(about.AlphaBlendValue(), 255);
  EXPECT_FALSE(about.Timer1.Enabled());
}

TEST_F(VersionInfoTest, ShowingAgainDuringAFadeShowsItAtTheCurrentOpacity) {
  User::Click(about.btn_feedout);
  backend.Advance(500);
  about.UserClose();
  backend.Advance(300);
  about.Show();
  EXPECT_EQ(about.AlphaBlendValue(), 175);
  backend.Advance(1900);
  EXPECT_FALSE(about.Showing()) << "the fade goes on to its end and hides it";
}

TEST_F(VersionInfoTest, TheLinkOpensTheHomePageAndTheMailDoesNothing) {
  User::Click(about.Label5);
  EXPECT_TRUE(shell.opened.empty());
  User::Click(about.Label3);
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].first, build::kHomePage);
  EXPECT_EQ(shell.opened[0].second, "C:\\Quorvel\\");
  EXPECT_EQ(about.Quorvel.Text(), "Quorvel");
  EXPECT_EQ(about.VersionNum.Text(), "v1.3.5");
}

}  // namespace
}  // namespace qv
