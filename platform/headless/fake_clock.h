// A clock and regional formats that the test sets.
#pragma once

#include "platform/clock.h"

namespace qv {

class FakeClock : public Clock {
 public:
  LocalTime now;
  LocalTime Now() override { return now; }
};

class FakeRegionalSettings : public RegionalSettings {
 public:
  RegionalFormats formats;
  const RegionalFormats& Formats() override { return formats; }
};

}  // namespace qv
