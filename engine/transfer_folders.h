// One backup or restore pass over the folder list.
#pragma once

#include <functional>
#include <string>

#include "engine/working_settings.h"
#include "platform/file_system.h"

namespace qv {

enum TTransferDirection { tdBackup = 0, tdRestore = 1 };

struct PassEnvironment {
  FileSystem& files;
  const WorkingSettings& settings;
  std::function<void(const std::string&)> writeLog;
  std::function<void()> processMessages;
};

// Errors are not caught: a list index past the end ends the pass without its closing line.
void TransferFolders(TTransferDirection Direction, const PassEnvironment& env);

}  // namespace qv
