#include "platform/win32/win32_profile_store.h"

#include <windows.h>

#include "platform/code_page.h"
#include "platform/win32/wide.h"

namespace qv {

std::string Win32ProfileStore::ReadString(const std::string& path, const std::string& section, const std::string& key,
                                          const std::string& fallback) {
  // Room for far more than the limit, so that the cut is ours and falls between characters.
  std::wstring buffer(8 * kProfileValueLimit, L'\0');
  const DWORD n = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(fallback).c_str(),
                                           buffer.data(), static_cast<DWORD>(buffer.size()), Widen(path).c_str());
  buffer.resize(n);
  return LimitProfileValue(Narrow(buffer));
}

bool Win32ProfileStore::WriteString(const std::string& path, const std::string& section, const std::string& key,
                                    const std::string& value) {
  // The system would write a look-alike or "?" for what the ANSI code page cannot hold.
  if (!Utf8ToAnsi(value)) return false;
  return WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                    Widen(path).c_str()) != FALSE;
}

void Win32ProfileStore::Flush(const std::string& path) {
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, Widen(path).c_str());
}

}  // namespace qv
