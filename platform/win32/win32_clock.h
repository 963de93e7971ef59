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
  void Reload();
  // Reads the formats again when the regional settings changed.
  void OnSettingChange(const std::string& area) override;

 private:
  RegionalFormats formats_;
};

}  // namespace qv
