// A shell that only notes what it was asked to start.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace qv {

class RecordingShell : public Shell {
 public:
  std::vector<std::string> started;
  void Execute(void*, const std::string& file) override { started.push_back(file); }
};

}  // namespace qv
