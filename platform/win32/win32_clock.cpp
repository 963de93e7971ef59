#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace qv {
namespace {

std::string LocaleText(LCTYPE type, const std::string& fallback) {
  wchar_t buf[128];
  const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buf, 128);
  return n > 1 ? Narrow(buf, n - 1) : fallback;
}

bool LocaleFlag(LCTYPE type) { return LocaleText(type, "0") == "1"; }

}  // namespace

LocalTime Win32Clock::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  LocalTime t;
  t.year = st.wYear, t.month = st.wMonth, t.day = st.wDay, t.dayOfWeek = st.wDayOfWeek;
  t.hour = st.wHour, t.minute = st.wMinute, t.second = st.wSecond, t.millisecond = st.wMilliseconds;
  return t;
}

void Win32RegionalSettings::OnSettingChange(const std::string& area) {
  if (lstrcmpiW(Widen(area).c_str(), L"intl") == 0) Reload();
}

void Win32RegionalSettings::Reload() {
  RegionalFormats f;
  f.shortDate = LocaleText(LOCALE_SSHORTDATE, f.shortDate);
  f.dateSeparator = LocaleText(LOCALE_SDATE, f.dateSeparator);
  f.timeSeparator = LocaleText(LOCALE_STIME, f.timeSeparator);
  f.hourLeadingZero = LocaleFlag(LOCALE_ITLZERO);
  f.twelveHour = !LocaleFlag(LOCALE_ITIME);
  f.designatorFirst = LocaleFlag(LOCALE_ITIMEMARKPOSN);
  f.amDesignator = LocaleText(LOCALE_S1159, "");
  f.pmDesignator = LocaleText(LOCALE_S2359, "");
  for (int m = 0; m < 12; ++m) {
    f.monthNames[m] = LocaleText(LOCALE_SMONTHNAME1 + m, "");
    f.shortMonthNames[m] = LocaleText(LOCALE_SABBREVMONTHNAME1 + m, "");
  }
  for (int d = 0; d < 7; ++d) {  // Windows counts from Monday, the formats from Sunday
    f.dayNames[(d + 1) % 7] = LocaleText(LOCALE_SDAYNAME1 + d, "");
    f.shortDayNames[(d + 1) % 7] = LocaleText(LOCALE_SABBREVDAYNAME1 + d, "");
  }
  formats_ = f;
}

}  // namespace qv
