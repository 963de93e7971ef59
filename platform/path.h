// Path texts. A UTF-8 backslash byte is never part of a longer character, so looking at the
// last byte is looking at the last character.
#pragma once

#include <string>

namespace qv {

bool EndsWithBackslash(const std::string& path);
std::string IncludeTrailingBackslash(const std::string& path);
std::string ExcludeTrailingBackslash(const std::string& path);
// The text after the last backslash or colon; empty when the path ends in a backslash.
std::string ExtractFileName(const std::string& path);
// The text before the last backslash; a drive root keeps its backslash (R:\a.txt gives R:\).
std::string ExtractFileDir(const std::string& path);
// The folder of a file with its trailing backslash (R:\a\b.txt gives R:\a\).
std::string ExtractFilePath(const std::string& path);

}  // namespace qv
