// TIniFile: one use of Settings.ini. It knows only the file's path; every read and every
// write goes to the file, and the end of the use flushes it.
#pragma once

#include <string>

#include "platform/profile_store.h"

namespace qv {

class TIniFile {
 public:
  TIniFile(ProfileStore& store, std::string path) : store_(store), path_(std::move(path)) {}
  ~TIniFile() { store_.Flush(path_); }
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::string& Path() const { return path_; }

  // A whole number; not 0 is true. Anything else, a missing key included, gives `fallback`.
  bool ReadBool(const std::string& section, const std::string& key, bool fallback);
  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback);
  // "1" or "0". Raises "%s に書き込めません" when the file cannot be written.
  void WriteBool(const std::string& section, const std::string& key, bool value);
  // Raises "%s に書き込めません" when the file cannot be written, and refuses a value the ANSI
  // code page cannot hold rather than change it.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);

 private:
  ProfileStore& store_;
  std::string path_;
};

}  // namespace qv
