#pragma once

#include "platform/registry.h"

namespace qv {

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenMachineKey(const std::string& path) override;
};

}  // namespace qv
