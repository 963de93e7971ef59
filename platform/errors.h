// Errors a handler does not catch: they end it, and the error box shows their message.
#pragma once

#include <stdexcept>
#include <string>

namespace qv {

class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A list read past its end.
class ListIndexError : public AppError {
 public:
  explicit ListIndexError(int index);
};

// printf-style formatting of the program's texts.
std::string Format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

}  // namespace qv
