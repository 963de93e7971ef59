// The local wall clock and the user's regional date and time formats.
#pragma once

#include <array>
#include <string>

namespace qv {

struct LocalTime {
  int year = 2000, month = 1, day = 1;  // month 1..12
  int dayOfWeek = 6;                    // 0 = Sunday
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

struct RegionalFormats {
  // A short date pattern of d, M, y tokens, quoted literals and "/" for the date separator.
  std::string shortDate = "yyyy/MM/dd";
  std::string dateSeparator = "/";
  std::string timeSeparator = ":";
  bool hourLeadingZero = false;
  bool twelveHour = false;
  bool designatorFirst = false;  // "午後 3:05:07" instead of "3:05:07 午後"
  std::string amDesignator = "午前";
  std::string pmDesignator = "午後";
  std::array<std::string, 12> monthNames{}, shortMonthNames{};
  std::array<std::string, 7> dayNames{}, shortDayNames{};  // from Sunday
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
};

// The formats held now; the Windows one reads them again when told they changed.
class RegionalSettings {
 public:
  virtual ~RegionalSettings() = default;
  virtual const RegionalFormats& Formats() = 0;
  // The system announced changed settings of `area`, as WM_SETTINGCHANGE names it.
  virtual void OnSettingChange(const std::string& area) { static_cast<void>(area); }
};

std::string FormatShortDate(const LocalTime& t, const RegionalFormats& f);
// Hours, two-digit minutes and seconds, with the designator on a 12-hour clock.
std::string FormatLongTime(const LocalTime& t, const RegionalFormats& f);

}  // namespace qv
