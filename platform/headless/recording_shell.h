// A shell that only notes what it was asked to start.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/shell.h"

namespace qv {

class RecordingShell : public Shell {
 public:
  std::vector<std::string> started;
  std::vector<std::pair<std::string, std::string>> opened;  // document, working folder
  void Execute(void*, const std::string& file) override { started.push_back(file); }
  void Open(void*, const std::string& document, const std::string& workingFolder) override {
    opened.emplace_back(document, workingFolder);
  }
};

}  // namespace qv
