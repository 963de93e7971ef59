#include "app/activity_log.h"

namespace qv {
namespace {

constexpr char kIdeographicSpace[] = "\xE3\x80\x80";  // U+3000

}  // namespace

std::string FormatTimeStamp(const LocalTime& t, const RegionalFormats& f) {
  std::string stamp = FormatShortDate(t, f);
  if (t.hour != 0 || t.minute != 0 || t.second != 0) stamp += " " + FormatLongTime(t, f);
  return stamp;
}

void ActivityLog::WriteLog(const std::string& message) {
  const std::string stamp = FormatTimeStamp(clock_.Now(), regional_.Formats());
  text_.SetText(stamp + kIdeographicSpace + message + "\r\n" + text_.Text());
}

}  // namespace qv
