// The ANSI code page that files keep, against the program's UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace qv {

// Empty when the text cannot be held exactly in the ANSI code page.
std::optional<std::string> Utf8ToAnsi(const std::string& utf8);
// Empty when the bytes are not valid in the ANSI code page.
std::optional<std::string> AnsiToUtf8(const std::string& ansi);
// The bytes the text takes in the ANSI code page; empty when it cannot be held there.
std::optional<std::size_t> AnsiByteLength(const std::string& utf8);

}  // namespace qv
