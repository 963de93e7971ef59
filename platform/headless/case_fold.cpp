#include "platform/headless/case_fold.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

#include "platform/file_system.h"

namespace qv {
namespace {

locale_t Utf8Locale() {
  static locale_t loc = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return l ? l : newlocale(LC_CTYPE_MASK, "C", nullptr);
  }();
  return loc;
}

// Decodes one character; invalid bytes stand for themselves.
char32_t Decode(const std::string& s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  if (extra == 0 || i + extra >= s.size()) {
    ++i;
    return b;
  }
  char32_t c = b & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  i += extra + 1;
  return c;
}

void Encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string FoldCase(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = Decode(utf8, i);
    Encode(static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), Utf8Locale())), out);
  }
  return out;
}

bool SamePathText(const std::string& a, const std::string& b) { return FoldCase(a) == FoldCase(b); }

}  // namespace qv
