// The file system of Windows, through the W functions.
#pragma once

#include "platform/file_system.h"

namespace qv {

class Win32FileSystem : public FileSystem {
 public:
  SearchStart FindFirst(const std::string& pattern) override;
  bool DirectoryExists(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  FileResult ForceDirectories(const std::string& path) override;
  FileResult CreateEmptyFile(const std::string& path) override;
  FileResult CopyOver(const std::string& source, const std::string& dest) override;
  FileResult MoveReplace(const std::string& from, const std::string& to) override;
  FileResult ClearAttributes(const std::string& path) override;
  FileResult RemoveFile(const std::string& path) override;
  FileResult RemoveFolder(const std::string& path) override;
  FileResult ReadWholeFile(const std::string& path, std::string& bytes) override;
  FileResult WriteWholeFile(const std::string& path, const std::string& bytes) override;
  std::vector<std::string> Drives() override;
  std::string CurrentDirectory() override;
};

// The program's meaning of a Win32 error code.
FileResult FromWin32Error(unsigned long code);

}  // namespace qv
