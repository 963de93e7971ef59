#include <gtest/gtest.h>

#include "platform/clock.h"

namespace qv {
namespace {

LocalTime At(int y, int mo, int d, int h, int mi, int s, int dow = 0) {
  LocalTime t;
  t.year = y, t.month = mo, t.day = d, t.hour = h, t.minute = mi, t.second = s, t.dayOfWeek = dow;
  return t;
}

struct DateCase {
  std::string pattern;
  std::string separator;
  std::string expected;
};

TEST(RegionalFormatsTest, ShortDatePatterns) {
  RegionalFormats f;
  f.shortDayNames[0] = "日";
  f.monthNames[2] = "March";
  const DateCase cases[] = {
      {"yyyy/MM/dd", "/", "2009/03/05"},
      {"yyyy/MM/dd", "-", "2009-03-05"},
      {"d/M/yy", ".", "5.3.09"},
      {"dd-MM-yyyy", "/", "05-03-2009"},
      {"yyyy'年'M'月'd'日'(ddd)", "/", "2009年3月5日(日)"},
      {"MMMM d, yyyy", "/", "March 5, 2009"},
      {"'o''clock' yy", "/", "o'clock 09"},
  };
  for (const auto& c : cases) {
    f.shortDate = c.pattern;
    f.dateSeparator = c.separator;
    EXPECT_EQ(FormatShortDate(At(2009, 3, 5, 0, 0, 0), f), c.expected) << c.pattern;
  }
}

struct TimeCase {
  bool twelveHour;
  bool leadingZero;
  bool designatorFirst;
  LocalTime time;
  std::string expected;
};

TEST(RegionalFormatsTest, LongTimeStyles) {
  const TimeCase cases[] = {
      {false, false, false, At(2009, 3, 15, 9, 5, 7), "9.05.07"},
      {false, true, false, At(2009, 3, 15, 9, 5, 7), "09.05.07"},
      {false, false, false, At(2009, 3, 15, 23, 59, 59), "23.59.59"},
      {true, false, false, At(2009, 3, 15, 0, 0, 1), "12.00.01 AM"},
      {true, false, false, At(2009, 3, 15, 12, 30, 0), "12.30.00 PM"},
      {true, true, true, At(2009, 3, 15, 13, 5, 7), "PM 01.05.07"},
  };
  for (const auto& c : cases) {
    RegionalFormats f;
    f.timeSeparator = ".";
    f.twelveHour = c.twelveHour;
    f.hourLeadingZero = c.leadingZero;
    f.designatorFirst = c.designatorFirst;
    f.amDesignator = "AM";
    f.pmDesignator = "PM";
    EXPECT_EQ(FormatLongTime(c.time, f), c.expected);
  }
}

}  // namespace
}  // namespace qv
