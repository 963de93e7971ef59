// The start with Windows: the value Quorvel in the machine-wide Run key.
#pragma once

#include <string>

#include "platform/registry.h"

namespace qv {

inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Quorvel";

// The command the Run key holds: the program's path in double quotes, so that a path with
// blanks cannot start another program.
std::string RunCommand(const std::string& programFile);

enum class RegisterOutcome { KeyNotOpened, AlreadyRegistered, Registered };
// An existing value of that name is left alone, whatever it holds. Raises
// "'%s' の設定に失敗しました" when the value cannot be written; the key is closed in every case.
RegisterOutcome RegisterAutostart(Registry& registry, const std::string& programFile);

enum class UnregisterOutcome { KeyNotOpened, Removed, NotRegistered, NotRemoved };
UnregisterOutcome UnregisterAutostart(Registry& registry);

}  // namespace qv
