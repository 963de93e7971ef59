// The local clock, and the user's regional formats as Windows holds them.
#pragma once

#include "platform/clock.h"

namespace qv {

class Win32Clock : public Clock {
 public:
  LocalTime Now() override;
};

class Win32RegionalSettings : public RegionalSettings {
 public:
  Win32RegionalSettings() { Reload(); }
  const RegionalFormats& Formats() override { return formats_; }
  // Call when Windows announces a change of the regional settings (WM_SETTINGCHANGE "intl").
  void Reload();

 private:
  RegionalFormats formats_;
};

}  // namespace qv
