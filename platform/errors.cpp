#include "platform/errors.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "res/messages.h"

namespace qv {

ListIndexError::ListIndexError(int index) : AppError(Format(msg::kListIndexError, index)) {}

std::string Format(const char* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(nullptr, 0, pattern, args);
  va_end(args);
  std::vector<char> buf(n > 0 ? n + 1 : 1);
  std::vsnprintf(buf.data(), buf.size(), pattern, again);
  va_end(again);
  return std::string(buf.data(), n > 0 ? n : 0);
}

}  // namespace qv
