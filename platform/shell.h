// Starting another program or opening a document the way the system's shell does.
#pragma once

#include <string>

namespace qv {

class Shell {
 public:
  virtual ~Shell() = default;
  // The default action on `file`, with no parameters or working folder, shown normally. The
  // outcome is not reported. `ownerWindow` is the native window that owns any message.
  virtual void Execute(void* ownerWindow, const std::string& file) = 0;
  // Opens a document or a web address with its default handler, shown, with the working
  // folder given.
  virtual void Open(void* ownerWindow, const std::string& document, const std::string& workingFolder) = 0;
};

}  // namespace qv
