#include "settings/autostart.h"

#include "platform/errors.h"
#include "res/messages.h"

namespace qv {

std::string RunCommand(const std::string& programFile) { return "\"" + programFile + "\""; }

RegisterOutcome RegisterAutostart(Registry& registry, const std::string& programFile) {
  const auto RunKeyReg = registry.OpenMachineKey(kRunKey);
  if (!RunKeyReg) return RegisterOutcome::KeyNotOpened;
  if (RunKeyReg->ValueExists(kRunValueName)) return RegisterOutcome::AlreadyRegistered;
  if (!RunKeyReg->WriteString(kRunValueName, RunCommand(programFile))) {
    throw AppError(Format(msg::kRegistryWriteFailed, kRunValueName));
  }
  return RegisterOutcome::Registered;
}

UnregisterOutcome UnregisterAutostart(Registry& registry) {
  const auto RunKeyReg = registry.OpenMachineKey(kRunKey);
  if (!RunKeyReg) return UnregisterOutcome::KeyNotOpened;
  if (!RunKeyReg->ValueExists(kRunValueName)) return UnregisterOutcome::NotRegistered;
  return RunKeyReg->DeleteValue(kRunValueName) ? UnregisterOutcome::Removed : UnregisterOutcome::NotRemoved;
}

}  // namespace qv
