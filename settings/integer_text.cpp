#include "settings/integer_text.h"

#include <cstdint>

#include "platform/errors.h"
#include "res/messages.h"

namespace qv {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The digits from `at` to the end, in `base`, within the signed 32-bit range once `negative`
// is applied.
std::optional<int> Digits(const std::string& text, std::size_t at, int base, bool negative) {
  if (at >= text.size()) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (; at < text.size(); ++at) {
    const int d = HexDigit(text[at]);
    if (d < 0 || d >= base) return std::nullopt;
    value = value * base + d;
    if (value > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

std::optional<int> Parse(const std::string& text, bool bareXIsHex) {
  std::size_t at = text.find_first_not_of(' ');
  if (at == std::string::npos) return std::nullopt;
  if (text[at] == '$') return Digits(text, at + 1, 16, false);
  if (text[at] == '0' && at + 1 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
    return Digits(text, at + 2, 16, false);
  }
  if (text[at] == 'x' || text[at] == 'X') {
    if (!bareXIsHex) return std::nullopt;
    return Digits(text, at + 1, 16, false);
  }
  const bool negative = text[at] == '-';
  if (text[at] == '-' || text[at] == '+') ++at;
  return Digits(text, at, 10, negative);
}

}  // namespace

std::optional<int> ParseIntegerText(const std::string& text) { return Parse(text, true); }

int StrToInt(const std::string& text) {
  if (const auto value = ParseIntegerText(text)) return *value;
  throw AppError(Format(msg::kNotAnInteger, text.c_str()));
}

std::optional<bool> ParseBooleanValue(const std::string& text) {
  if (const auto value = Parse(text, false)) return *value != 0;
  return std::nullopt;
}

}  // namespace qv
