#include "platform/file_system.h"

namespace qv {

FileResult FileSystem::CopyViaStaging(const std::string& source, const std::string& staged, const std::string& dest) {
  FileResult r = CopyOver(source, staged);
  if (r.ok()) r = MoveReplace(staged, dest);
  if (!r.ok() && FileExists(staged)) {
    ClearAttributes(staged);
    RemoveFile(staged);
  }
  return r;
}

}  // namespace qv
