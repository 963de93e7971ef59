#include "platform/code_page.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace qv {

std::optional<std::string> Utf8ToAnsi(const std::string& utf8) {
  if (utf8.empty()) return std::string();
  const std::wstring w = Widen(utf8);
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                    nullptr, &lossy);
  if (n <= 0 || lossy) return std::nullopt;
  std::string ansi(n, '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.data(), static_cast<int>(w.size()), ansi.data(), n, nullptr,
                      nullptr);
  if (AnsiToUtf8(ansi) != utf8) return std::nullopt;  // never another text in disguise
  return ansi;
}

std::optional<std::string> AnsiToUtf8(const std::string& ansi) {
  if (ansi.empty()) return std::string();
  const int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), static_cast<int>(ansi.size()),
                                    nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring w(n, L'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), static_cast<int>(ansi.size()), w.data(), n);
  return Narrow(w);
}

std::optional<std::size_t> AnsiByteLength(const std::string& utf8) {
  auto ansi = Utf8ToAnsi(utf8);
  if (!ansi) return std::nullopt;
  return ansi->size();
}

}  // namespace qv
