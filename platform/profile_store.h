// Profile (INI) files, by path: the system's profile functions on Windows, and a portable
// reading and writing of the same format.
#pragma once

#include <cstddef>
#include <string>

#include "platform/file_system.h"

namespace qv {

// A value is read up to this many bytes in the ANSI code page.
inline constexpr std::size_t kProfileValueLimit = 2047;

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // The key's value, even when empty; `fallback` when the key, its section or the file is
  // missing. Never creates or changes the file.
  virtual std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                                 const std::string& fallback) = 0;
  // Replaces the key's value, adding what is missing; false when the file cannot be written
  // or the value cannot be held in the ANSI code page.
  virtual bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& value) = 0;
  // Writes out whatever the platform holds back for the file.
  virtual void Flush(const std::string& path) { static_cast<void>(path); }
};

// A value cut to kProfileValueLimit bytes in the ANSI code page, never inside a character.
std::string LimitProfileValue(const std::string& utf8);

// The format read and written by this program itself, through a file system: section and key
// names without regard to case, blanks around names and values trimmed, matching quotes
// around a value removed, CR LF line ends, other lines kept as they are.
class TextProfileStore : public ProfileStore {
 public:
  explicit TextProfileStore(FileSystem& files) : files_(files) {}
  std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                         const std::string& fallback) override;
  bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) override;

 private:
  FileSystem& files_;
};

}  // namespace qv
