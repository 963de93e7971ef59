// The machine-wide part of the registry (HKEY_LOCAL_MACHINE), one open key at a time.
#pragma once

#include <memory>
#include <string>

namespace qv {

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;  // closes the key
  // A value of that name, of any type.
  virtual bool ValueExists(const std::string& name) = 0;
  // A REG_SZ value; false when it cannot be written.
  virtual bool WriteString(const std::string& name, const std::string& data) = 0;
  virtual bool DeleteValue(const std::string& name) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens the key under HKEY_LOCAL_MACHINE with full access, making it when missing; null
  // when that is refused.
  virtual std::unique_ptr<RegistryKey> OpenMachineKey(const std::string& path) = 0;
};

}  // namespace qv
