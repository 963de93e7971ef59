#include "platform/path.h"

namespace qv {

bool EndsWithBackslash(const std::string& path) { return !path.empty() && path.back() == '\\'; }

std::string IncludeTrailingBackslash(const std::string& path) {
  return EndsWithBackslash(path) ? path : path + '\\';
}

std::string ExcludeTrailingBackslash(const std::string& path) {
  return EndsWithBackslash(path) ? path.substr(0, path.size() - 1) : path;
}

std::string ExtractFileName(const std::string& path) {
  const auto cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ExtractFileDir(const std::string& path) {
  const auto cut = path.find_last_of("\\:");
  if (cut == std::string::npos) return {};
  // Keep the backslash of a drive root (and of a doubled one), and the colon of a bare drive.
  if (path[cut] == ':' || (cut > 0 && (path[cut - 1] == ':' || path[cut - 1] == '\\')))
    return path.substr(0, cut + 1);
  return path.substr(0, cut);
}

std::string ExtractFilePath(const std::string& path) { return IncludeTrailingBackslash(ExtractFileDir(path)); }

}  // namespace qv
