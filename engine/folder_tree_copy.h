// Copies one folder tree into a destination parent folder: a one-way merge that replaces
// files of the same name and never deletes anything.
#pragma once

#include <functional>
#include <string>

#include "platform/file_system.h"

namespace qv {

struct CopyFailure {
  enum class Stage {
    CopyFile,      // path: the source file
    CreateFolder,  // path: the destination folder
    ReadFolder,    // path: a source folder that could not be searched
    ListFolders,   // path: the source; the walk was stopped by an error
  };
  Stage stage;
  std::string path;
  FileResult result;
  std::string detail;  // the error's own text, for ListFolders
};

struct CopyEnvironment {
  FileSystem& files;
  // Runs whatever is pending for the main thread; called after each directory entry.
  std::function<void()> processMessages;
  std::function<void(const CopyFailure&)> reportFailure;
};

// Where a copy is written before it replaces its destination in one step. The walk never
// enters a folder whose name begins with a dot.
inline constexpr char kStagingFolderName[] = ".quorvel-tmp";

// True when the whole tree was listed and every file copied.
bool CopyFolderTree(const CopyEnvironment& env, const std::string& Source, const std::string& DestParent,
                    bool Recursive);

}  // namespace qv
