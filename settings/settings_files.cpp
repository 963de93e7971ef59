#include "settings/settings_files.h"

#include "platform/code_page.h"
#include "platform/errors.h"
#include "res/messages.h"

namespace qv {

std::string FolderListBytes(const std::vector<std::string>& entries) {
  std::string bytes;
  for (const std::string& entry : entries) {
    const auto ansi = Utf8ToAnsi(entry);
    if (!ansi) throw AppError(Format(msg::kNotInAnsiCodePage, entry.c_str()));
    bytes += *ansi + "\r\n";
  }
  return bytes;
}

std::vector<std::string> ParseFolderList(const std::string& bytes, const std::string& path) {
  const std::string content = bytes.substr(0, bytes.find('\0'));
  std::vector<std::string> entries;
  std::size_t at = 0;
  while (at < content.size()) {
    std::size_t end = content.find_first_of("\r\n", at);
    if (end == std::string::npos) end = content.size();
    const auto entry = AnsiToUtf8(content.substr(at, end - at));
    if (!entry) throw AppError(Format(msg::kCannotOpenFile, path.c_str()));
    entries.push_back(*entry);
    if (end < content.size() && content[end] == '\r') ++end;
    if (end < content.size() && content[end] == '\n') ++end;
    at = end;
  }
  return entries;
}

void SaveFolderList(FileSystem& files, const std::string& path, const std::vector<std::string>& entries) {
  const std::string bytes = FolderListBytes(entries);
  if (!files.WriteWholeFile(path, bytes).ok()) throw AppError(Format(msg::kCannotCreateFile, path.c_str()));
}

std::vector<std::string> LoadFolderList(FileSystem& files, const std::string& path) {
  std::string bytes;
  if (!files.ReadWholeFile(path, bytes).ok()) throw AppError(Format(msg::kCannotOpenFile, path.c_str()));
  return ParseFolderList(bytes, path);
}

}  // namespace qv
