// A registry in memory, which can refuse to open a key or to write and delete values.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/registry.h"

namespace qv {

class MemoryRegistry : public Registry {
 public:
  // Key path and value name, both matched without regard to case.
  std::map<std::string, std::map<std::string, std::string>> keys;
  bool refuseOpen = false;
  bool refuseWrite = false;
  int openKeys = 0;  // keys open now

  std::unique_ptr<RegistryKey> OpenMachineKey(const std::string& path) override;
  const std::string* Value(const std::string& path, const std::string& name) const;
  void Set(const std::string& path, const std::string& name, const std::string& data);
};

}  // namespace qv
