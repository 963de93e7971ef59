// The file operations the program needs, over UTF-8 paths with the backslash as separator.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qv {

enum class FileError {
  None,
  NotFound,
  AccessDenied,
  SharingViolation,
  DiskFull,
  FileInTheWay,    // a file stands where a folder must be
  FolderInTheWay,  // a folder stands where a file must be
  PathTooLong,
  Other,
};

struct FileResult {
  FileError error = FileError::None;
  std::uint32_t systemCode = 0;  // the platform's own code, for FileError::Other

  bool ok() const { return error == FileError::None; }
  static FileResult Ok() { return {}; }
  static FileResult Fail(FileError e, std::uint32_t code = 0) { return {e, code}; }
};

struct DirEntry {
  std::string name;
  bool isFolder = false;
};

// One open folder search; destroying it closes the search.
class FolderSearch {
 public:
  virtual ~FolderSearch() = default;
  // The next entry in the order the platform delivers them; false when there is none.
  virtual bool Next(DirEntry& entry) = 0;
};

struct SearchStart {
  std::unique_ptr<FolderSearch> search;  // null when the search could not start
  FileResult result;                     // why not; NotFound also for a folder with no entries
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Every entry of a folder, hidden and system ones included. `pattern` is the folder with a
  // trailing backslash followed by "*.*".
  virtual SearchStart FindFirst(const std::string& pattern) = 0;

  virtual bool DirectoryExists(const std::string& path) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // The folder and every missing folder above it.
  virtual FileResult ForceDirectories(const std::string& path) = 0;
  virtual FileResult CreateEmptyFile(const std::string& path) = 0;
  // Copies contents, attributes and times, replacing an existing destination file. Like the
  // system's copy, it refuses a read-only or hidden destination.
  virtual FileResult CopyOver(const std::string& source, const std::string& dest) = 0;
  // Renames a file over another on the same volume in one step; refuses a read-only target.
  virtual FileResult MoveReplace(const std::string& from, const std::string& to) = 0;
  // Copies source to `staged` (a new file on the destination's volume), then puts it in place
  // of dest in one step. Dest stays as it was unless the whole copy is in place; `staged` is
  // gone on every return.
  virtual FileResult CopyViaStaging(const std::string& source, const std::string& staged, const std::string& dest);
  virtual FileResult ClearAttributes(const std::string& path) = 0;
  virtual FileResult RemoveFile(const std::string& path) = 0;
  virtual FileResult RemoveFolder(const std::string& path) = 0;
  virtual FileResult ReadWholeFile(const std::string& path, std::string& bytes) = 0;
  virtual FileResult WriteWholeFile(const std::string& path, const std::string& bytes) = 0;

  // The roots of the drives there are, such as "R:\\", in drive order.
  virtual std::vector<std::string> Drives() = 0;
  // The process's current folder: a drive root with its backslash, any other without.
  virtual std::string CurrentDirectory() = 0;
};

// Two paths name the same text ignoring case, by the user's locale.
bool SamePathText(const std::string& a, const std::string& b);

}  // namespace qv
