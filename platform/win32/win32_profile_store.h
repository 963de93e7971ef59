// Profile files through the system's profile functions, which keep an ANSI file ANSI.
#pragma once

#include "platform/profile_store.h"

namespace qv {

class Win32ProfileStore : public ProfileStore {
 public:
  std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                         const std::string& fallback) override;
  bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) override;
  void Flush(const std::string& path) override;
};

}  // namespace qv
