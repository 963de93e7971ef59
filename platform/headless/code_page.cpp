// The headless ANSI code page is CP932, through iconv.
#include <iconv.h>

#include <cerrno>
#include <vector>

#include "platform/code_page.h"

namespace qv {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::vector<char> out(in.size() * 4 + 8);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  // A non-zero count means characters were replaced, not converted exactly.
  if (r != 0 || srcLeft != 0) return std::nullopt;
  return std::string(out.data(), out.size() - dstLeft);
}

}  // namespace

std::optional<std::string> Utf8ToAnsi(const std::string& utf8) { return Convert("CP932", "UTF-8", utf8); }

std::optional<std::string> AnsiToUtf8(const std::string& ansi) { return Convert("UTF-8", "CP932", ansi); }

std::optional<std::size_t> AnsiByteLength(const std::string& utf8) {
  auto ansi = Utf8ToAnsi(utf8);
  if (!ansi) return std::nullopt;
  return ansi->size();
}

}  // namespace qv
