#include "platform/headless/memory_registry.h"

#include "platform/headless/case_fold.h"

namespace qv {
namespace {

class MemoryKey : public RegistryKey {
 public:
  MemoryKey(MemoryRegistry& registry, std::map<std::string, std::string>& values)
      : registry_(registry), values_(values) {
    ++registry_.openKeys;
  }
  ~MemoryKey() override { --registry_.openKeys; }

  bool ValueExists(const std::string& name) override { return values_.count(FoldCase(name)) > 0; }
  bool WriteString(const std::string& name, const std::string& data) override {
    if (registry_.refuseWrite) return false;
    values_[FoldCase(name)] = data;
    return true;
  }
  bool DeleteValue(const std::string& name) override {
    return !registry_.refuseWrite && values_.erase(FoldCase(name)) > 0;
  }

 private:
  MemoryRegistry& registry_;
  std::map<std::string, std::string>& values_;
};

}  // namespace

std::unique_ptr<RegistryKey> MemoryRegistry::OpenMachineKey(const std::string& path) {
  if (refuseOpen) return nullptr;
  return std::make_unique<MemoryKey>(*this, keys[FoldCase(path)]);
}

const std::string* MemoryRegistry::Value(const std::string& path, const std::string& name) const {
  const auto key = keys.find(FoldCase(path));
  if (key == keys.end()) return nullptr;
  const auto value = key->second.find(FoldCase(name));
  return value == key->second.end() ? nullptr : &value->second;
}

void MemoryRegistry::Set(const std::string& path, const std::string& name, const std::string& data) {
  keys[FoldCase(path)][FoldCase(name)] = data;
}

}  // namespace qv
