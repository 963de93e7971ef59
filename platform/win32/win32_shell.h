#pragma once

#include "platform/shell.h"

namespace qv {

class Win32Shell : public Shell {
 public:
  void Execute(void* ownerWindow, const std::string& file) override;
  void Open(void* ownerWindow, const std::string& document, const std::string& workingFolder) override;
};

}  // namespace qv
