// An in-memory file system with the Windows behaviour the program meets: drive letters,
// names that ignore case, read-only and hidden files, and faults a test can inject.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace qv {

struct MemoryFileAttributes {
  bool readOnly = false;
  bool hidden = false;
  bool system = false;
};

class MemoryFileSystem : public FileSystem {
 public:
  using Attributes = MemoryFileAttributes;

  MemoryFileSystem();
  ~MemoryFileSystem() override;

  // Set-up. Paths are absolute; missing parents are created.
  void AddDrive(char letter);
  void RemoveDrive(char letter);
  void AddFolder(const std::string& path);
  void AddFile(const std::string& path, const std::string& content, Attributes attributes = {});
  void SetAttributes(const std::string& path, Attributes attributes);
  void SetCurrentDirectory(const std::string& path);

  // Faults.
  void Lock(const std::string& path);           // opening the file fails: in use
  void SetUnreadable(const std::string& path);  // searching the folder fails: access denied
  void SetCapacity(char drive, std::uint64_t bytes);  // writes beyond it fail: disk full
  // Runs in the middle of each copy, once half of the destination is written; a throw
  // leaves it that way, as a process killed mid-copy would.
  std::function<void(const std::string& source, const std::string& dest)> duringCopy;

  // Inspection.
  std::optional<std::string> Content(const std::string& path) const;
  std::optional<Attributes> AttributesOf(const std::string& path) const;
  bool Exists(const std::string& path) const;
  // Every path below a folder, depth first in directory order; folders end in a backslash.
  std::vector<std::string> Tree(const std::string& folder) const;
  // "mkdir P", "copy S -> D", "move A -> B", "delete P", "rmdir P", in the order they ran.
  const std::vector<std::string>& Journal() const { return journal_; }
  void ClearJournal() { journal_.clear(); }

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

 private:
  struct Node;
  struct Location {
    char drive = 0;
    std::vector<std::string> parts;
  };
  struct Drive;

  std::optional<Location> Resolve(const std::string& path) const;
  Node* Find(const Location& at) const;
  Node* FindParent(const Location& at) const;
  Node* Find(const std::string& path) const;
  std::string Display(const Location& at) const;
  Node* MakeFolders(const Location& at, FileResult* result);
  FileResult CheckWritable(const Node* target) const;
  FileResult CheckSpace(char drive, std::uint64_t adding, std::uint64_t freeing) const;
  FileResult WriteFile(const Location& at, const std::string& bytes, Attributes attributes);

  std::map<char, std::unique_ptr<Drive>> drives_;
  Location current_;
  std::vector<std::string> journal_;
};

}  // namespace qv
