// The log the program keeps for its user: time-stamped entries, newest first.
#pragma once

#include <string>

#include "platform/clock.h"

namespace qv {

// The text the log is kept in (the log memo).
class LogText {
 public:
  virtual ~LogText() = default;
  virtual std::string Text() const = 0;
  // Replaces the whole text and shows its beginning.
  virtual void SetText(const std::string& text) = 0;
};

// The date alone in the first second after midnight, else the date, a blank and the time.
std::string FormatTimeStamp(const LocalTime& t, const RegionalFormats& f);

class ActivityLog {
 public:
  ActivityLog(Clock& clock, RegionalSettings& regional, LogText& text)
      : clock_(clock), regional_(regional), text_(text) {}

  void WriteLog(const std::string& message);

 private:
  Clock& clock_;
  RegionalSettings& regional_;
  LogText& text_;
};

}  // namespace qv
