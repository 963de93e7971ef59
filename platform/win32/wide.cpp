#include "platform/win32/wide.h"

#include <windows.h>

namespace qv {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::string Narrow(const wchar_t* utf16, int length) {
  if (length <= 0) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, utf16, length, nullptr, 0, nullptr, nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16, length, s.data(), n, nullptr, nullptr);
  return s;
}

std::string Narrow(const std::wstring& utf16) { return Narrow(utf16.data(), static_cast<int>(utf16.size())); }

std::wstring LongPath(const std::string& utf8) {
  std::wstring w = Widen(utf8);
  // Below this the classic rules apply, relative paths included.
  constexpr std::size_t kClassicLimit = MAX_PATH - 12;
  if (w.size() < kClassicLimit || w.rfind(L"\\\\?\\", 0) == 0) return w;
  const DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
  if (n == 0) return w;
  std::wstring full(n, L'\0');
  const DWORD got = GetFullPathNameW(w.c_str(), n, full.data(), nullptr);
  full.resize(got);
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

}  // namespace qv
