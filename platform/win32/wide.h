// UTF-8 inside, UTF-16 at the Win32 call.
#pragma once

#include <string>

namespace qv {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
std::string Narrow(const wchar_t* utf16, int length);

// A path as the W functions take it: absolute paths too long for the classic limit get the
// \\?\ prefix, so that deep trees are still reached.
std::wstring LongPath(const std::string& utf8);

}  // namespace qv
