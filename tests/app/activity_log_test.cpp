#include "app/activity_log.h"

#include <gtest/gtest.h>

#include "platform/headless/fake_clock.h"

namespace qv {
namespace {

class StringLogText : public LogText {
 public:
  std::string text = "log";  // the memo's placeholder until start-up empties it
  std::string Text() const override { return text; }
  void SetText(const std::string& t) override { text = t; }
};

class ActivityLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    logText.text.clear();
    clock.now = At(9, 5, 7, 0);
  }
  static LocalTime At(int h, int m, int s, int ms) {
    LocalTime t;
    t.year = 2009, t.month = 3, t.day = 15;
    t.hour = h, t.minute = m, t.second = s, t.millisecond = ms;
    return t;
  }

  FakeClock clock;
  FakeRegionalSettings regional;
  StringLogText logText;
  ActivityLog log{clock, regional, logText};
};

TEST_F(ActivityLogTest, FirstEntryIsTheWholeText) {
  log.WriteLog("Quorvel起動");
  EXPECT_EQ(logText.text, "2009/03/15 9:05:07\u3000Quorvel起動\r\n");
}

TEST_F(ActivityLogTest, NewestEntryComesFirst) {
  log.WriteLog("A");
  clock.now = At(9, 5, 8, 0);
  log.WriteLog("B");
  EXPECT_EQ(logText.text, "2009/03/15 9:05:08\u3000B\r\n2009/03/15 9:05:07\u3000A\r\n");
}

TEST_F(ActivityLogTest, MessagesAreKeptAsGiven) {
  log.WriteLog("");
  log.WriteLog("DAT消失 新規作成");
  EXPECT_EQ(logText.text, "2009/03/15 9:05:07\u3000DAT消失 新規作成\r\n2009/03/15 9:05:07\u3000\r\n");
}

TEST_F(ActivityLogTest, FirstSecondAfterMidnightShowsTheDateAlone) {
  const struct {
    LocalTime time;
    std::string stamp;
  } cases[] = {
      {At(0, 0, 0, 0), "2009/03/15"},
      {At(0, 0, 0, 999), "2009/03/15"},
      {At(0, 0, 1, 0), "2009/03/15 0:00:01"},
      {At(0, 1, 0, 0), "2009/03/15 0:01:00"},
  };
  for (const auto& c : cases) {
    logText.text.clear();
    clock.now = c.time;
    log.WriteLog("x");
    EXPECT_EQ(logText.text, c.stamp + "\u3000x\r\n");
  }
}

TEST_F(ActivityLogTest, EachEntryUsesTheFormatsHeldAtItsCall) {
  log.WriteLog("A");
  regional.formats.shortDate = "dd.MM.yyyy";
  regional.formats.twelveHour = true;
  regional.formats.amDesignator = "AM";
  log.WriteLog("B");
  EXPECT_EQ(logText.text, "15.03.2009 9:05:07 AM\u3000B\r\n2009/03/15 9:05:07\u3000A\r\n");
}

TEST_F(ActivityLogTest, HasNoLimit) {
  for (int i = 0; i < 3000; ++i) log.WriteLog("RAMDiskのバックアップ完了");
  const std::string entry = "2009/03/15 9:05:07\u3000RAMDiskのバックアップ完了\r\n";
  EXPECT_EQ(logText.text.size(), entry.size() * 3000);
}

}  // namespace
}  // namespace qv
