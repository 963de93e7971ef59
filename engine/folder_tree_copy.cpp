#include "engine/folder_tree_copy.h"

#include <exception>
#include <vector>

#include "platform/path.h"

namespace qv {
namespace {

using PathList = std::vector<std::string>;

// Replaces the destination only with a complete copy: an interrupted copy leaves the
// previous file whole, and at worst a stray file in the staging folder.
class StagedCopier {
 public:
  StagedCopier(FileSystem& files, const std::string& destParent)
      : files_(files), staging_(IncludeTrailingBackslash(destParent) + kStagingFolderName) {}

  ~StagedCopier() { RemoveStaging(); }

  StagedCopier(const StagedCopier&) = delete;
  StagedCopier& operator=(const StagedCopier&) = delete;

  FileResult Copy(const std::string& source, const std::string& dest) {
    if (!stagingReady_) {
      RemoveStaging();  // files left by a copy that was killed
      if (FileResult r = files_.ForceDirectories(staging_); !r.ok() && !files_.DirectoryExists(staging_)) return r;
      stagingReady_ = true;
    }
    const std::string staged = staging_ + "\\" + std::to_string(++counter_) + ".tmp";
    FileResult r = files_.CopyViaStaging(source, staged, dest);
    if (!r.ok() && r.error == FileError::AccessDenied && files_.FileExists(dest)) {
      files_.ClearAttributes(dest);  // a read-only or hidden backup is replaced all the same
      r = files_.CopyViaStaging(source, staged, dest);
    }
    if (!r.ok() && files_.DirectoryExists(dest)) r = FileResult::Fail(FileError::FolderInTheWay, r.systemCode);
    return r;
  }

 private:
  void Discard(const std::string& staged) {
    if (files_.RemoveFile(staged).ok() || !files_.FileExists(staged)) return;
    files_.ClearAttributes(staged);
    files_.RemoveFile(staged);
  }

  void RemoveStaging() {
    if (!files_.DirectoryExists(staging_)) return;
    SearchStart s = files_.FindFirst(staging_ + "\\*.*");
    DirEntry e;
    while (s.search && s.search->Next(e))
      if (!e.isFolder) Discard(staging_ + "\\" + e.name);
    s.search.reset();
    files_.RemoveFolder(staging_);
  }

  FileSystem& files_;
  const std::string staging_;
  bool stagingReady_ = false;
  unsigned counter_ = 0;
};

}  // namespace

bool CopyFolderTree(const CopyEnvironment& env, const std::string& Source, const std::string& DestParent,
                    bool Recursive) {
  bool everythingCopied = true;

  // The walk: appends every file and sub-folder below Source to the two lists, in pairs.
  struct Walker {
    const CopyEnvironment& env;
    bool& everythingCopied;
    std::string error;  // what stopped the walk

    bool CollectTree(PathList& SourceList, PathList& DestList, const std::string& Source,
                     const std::string& DestParent, bool Recursive) {
      bool result = true;
      std::unique_ptr<FolderSearch> search;
      try {
        const std::string SourceDir = IncludeTrailingBackslash(Source);
        const std::string DestDir =
            IncludeTrailingBackslash(ExcludeTrailingBackslash(DestParent) + "\\" + ExtractFileName(Source));
        SearchStart start = env.files.FindFirst(SourceDir + "*.*");
        search = std::move(start.search);
        if (!search && start.result.error != FileError::NotFound) {
          // Its content cannot be backed up: say so rather than pass it over.
          everythingCopied = false;
          env.reportFailure({CopyFailure::Stage::ReadFolder, ExcludeTrailingBackslash(SourceDir), start.result, {}});
        }
        DirEntry entry;
        while (search && search->Next(entry)) {
          if (!entry.isFolder) {
            SourceList.push_back(SourceDir + entry.name);
            DestList.push_back(DestDir + entry.name);
          } else if (Recursive && entry.name.rfind('.', 0) != 0) {
            SourceList.push_back(SourceDir + entry.name + "\\");
            DestList.push_back(DestDir + entry.name + "\\");
            if (!CollectTree(SourceList, DestList, SourceDir + entry.name, DestDir, Recursive)) {
              result = false;
              break;
            }
          }
          env.processMessages();
        }
      } catch (const std::exception& e) {
        if (error.empty()) error = e.what();
        result = false;
      } catch (...) {
        result = false;
      }
      return result;  // the search closes here
    }
  };

  PathList SourceList, DestList;
  Walker walker{env, everythingCopied, {}};
  if (!walker.CollectTree(SourceList, DestList, Source, DestParent, Recursive)) {
    // Nothing of this folder is copied: say so, since the pass would otherwise report success.
    env.reportFailure({CopyFailure::Stage::ListFolders, Source, FileResult::Fail(FileError::Other), walker.error});
    return false;
  }
  if (SourceList.size() != DestList.size()) return false;

  StagedCopier copier(env.files, DestParent);
  std::string knownFolder;   // the containing folder the last pair found or made
  std::string missingFolder; // the one it could not make; its files are not reported again
  for (std::size_t i = 0; i < SourceList.size(); ++i) {
    const std::string& source = SourceList[i];
    const std::string& dest = DestList[i];
    const std::string folder = ExtractFileDir(dest);
    if (folder != knownFolder) {
      if (folder == missingFolder) {
        continue;
      }
      if (!env.files.DirectoryExists(folder)) {
        const FileResult made = env.files.ForceDirectories(folder);
        if (!env.files.DirectoryExists(folder)) {
          everythingCopied = false;
          missingFolder = folder;
          env.reportFailure({CopyFailure::Stage::CreateFolder, folder,
                             made.ok() ? FileResult::Fail(FileError::Other) : made, {}});
          continue;
        }
      }
      knownFolder = folder;
    }
    if (EndsWithBackslash(dest)) continue;
    if (SamePathText(source, dest)) continue;  // never copy a file onto itself
    if (FileResult r = copier.Copy(source, dest); !r.ok()) {
      everythingCopied = false;
      env.reportFailure({CopyFailure::Stage::CopyFile, source, r, {}});
    }
  }
  return everythingCopied;
}

}  // namespace qv
