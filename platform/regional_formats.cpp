#include <cstdio>

#include "platform/clock.h"

namespace qv {
namespace {

std::string Number(int value, int minDigits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", minDigits, value);
  return buf;
}

std::string NameOr(const std::string& name, int value) { return name.empty() ? Number(value, 1) : name; }

std::size_t RunLength(const std::string& s, std::size_t i) {
  std::size_t n = 1;
  while (i + n < s.size() && s[i + n] == s[i]) ++n;
  return n;
}

}  // namespace

std::string FormatShortDate(const LocalTime& t, const RegionalFormats& f) {
  const std::string& p = f.shortDate;
  std::string out;
  for (std::size_t i = 0; i < p.size();) {
    const char c = p[i];
    if (c == '\'') {  // quoted literal; '' is a quote
      std::size_t j = i + 1;
      for (; j < p.size(); ++j) {
        if (p[j] != '\'') { out += p[j]; continue; }
        if (j + 1 < p.size() && p[j + 1] == '\'') { out += '\''; ++j; continue; }
        break;
      }
      i = j + 1;
      continue;
    }
    const std::size_t n = (c == 'd' || c == 'M' || c == 'y' || c == 'g') ? RunLength(p, i) : 1;
    switch (c) {
      case 'd':
        if (n <= 2) out += Number(t.day, static_cast<int>(n));
        else out += NameOr(n == 3 ? f.shortDayNames[t.dayOfWeek] : f.dayNames[t.dayOfWeek], t.dayOfWeek);
        break;
      case 'M':
        if (n <= 2) out += Number(t.month, static_cast<int>(n));
        else out += NameOr(n == 3 ? f.shortMonthNames[t.month - 1] : f.monthNames[t.month - 1], t.month);
        break;
      case 'y':
        out += n <= 2 ? Number(t.year % 100, static_cast<int>(n)) : Number(t.year, static_cast<int>(n));
        break;
      case 'g': break;  // era names are not used with the Gregorian calendar
      case '/': out += f.dateSeparator; break;
      default: out += c;
    }
    i += n;
  }
  return out;
}

std::string FormatLongTime(const LocalTime& t, const RegionalFormats& f) {
  int hour = t.hour;
  if (f.twelveHour) {
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  std::string time = Number(hour, f.hourLeadingZero ? 2 : 1) + f.timeSeparator + Number(t.minute, 2) +
                     f.timeSeparator + Number(t.second, 2);
  if (!f.twelveHour) return time;
  const std::string& designator = t.hour < 12 ? f.amDesignator : f.pmDesignator;
  if (designator.empty()) return time;
  return f.designatorFirst ? designator + " " + time : time + " " + designator;
}

}  // namespace qv
