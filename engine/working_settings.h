// The settings a pass reads, each time it needs them, from wherever the window keeps them.
#pragma once

#include <string>
#include <vector>

#include "platform/errors.h"

namespace qv {

class WorkingSettings {
 public:
  virtual ~WorkingSettings() = default;
  virtual std::string RamDiskRoot() const = 0;
  virtual std::string BackupFolder() const = 0;
  virtual int FolderCount() const = 0;
  // Raises ListIndexError past the end of the list.
  virtual std::string Folder(int index) const = 0;
};

// Settings held as plain values, for tools and tests.
class PlainWorkingSettings : public WorkingSettings {
 public:
  std::string ramDiskRoot;
  std::string backupFolder;
  std::vector<std::string> folders;

  std::string RamDiskRoot() const override { return ramDiskRoot; }
  std::string BackupFolder() const override { return backupFolder; }
  int FolderCount() const override { return static_cast<int>(folders.size()); }
  std::string Folder(int index) const override {
    if (index < 0 || index >= FolderCount()) throw ListIndexError(index);
    return folders[index];
  }
};

}  // namespace qv
