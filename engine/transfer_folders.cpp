#include "engine/transfer_folders.h"

#include "engine/failure_report.h"
#include "engine/folder_tree_copy.h"
#include "res/messages.h"

namespace qv {
namespace {

struct PassTexts {
  const char* opening;
  const char* noSource;
  const char* noDestination;
  const char* closing;
};

constexpr PassTexts kBackupTexts{msg::kBackupStart, msg::kSkipNoRamFolder, msg::kSkipNoDisk, msg::kBackupDone};
constexpr PassTexts kRestoreTexts{msg::kRestoreStart, msg::kSkipNoHddFolder, msg::kSkipNoRamDisk,
                                  msg::kRestoreDone};

}  // namespace

void TransferFolders(TTransferDirection Direction, const PassEnvironment& env) {
  const PassTexts& texts = Direction == tdBackup ? kBackupTexts : kRestoreTexts;
  const WorkingSettings& settings = env.settings;
  FailureReport failures(env.writeLog);
  const CopyEnvironment copyEnv{env.files, env.processMessages,
                                [&failures](const CopyFailure& f) { failures.Add(f); }};

  env.writeLog(texts.opening);
  const int count = settings.FolderCount();
  try {
    for (int i = 0; i < count; ++i) {
    // Both texts are read again for every item: a change made meanwhile counts from here on.
    const std::string source = Direction == tdBackup ? settings.RamDiskRoot() + settings.Folder(i)
                                                     : settings.BackupFolder() + "\\" + settings.Folder(i);
    if (!env.files.DirectoryExists(source)) {
      env.writeLog(texts.noSource);
      continue;
    }
    const std::string destParent = Direction == tdBackup ? settings.BackupFolder() : settings.RamDiskRoot();
    if (!env.files.DirectoryExists(destParent)) {
      env.writeLog(texts.noDestination);
      continue;
    }
    CopyFolderTree(copyEnv, source, destParent, true);
    }
  } catch (...) {
    failures.Finish();  // what went wrong before the error is still told
    throw;
  }
  failures.Finish();
  env.writeLog(texts.closing);
}

}  // namespace qv
