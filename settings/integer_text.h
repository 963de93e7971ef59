// Numbers kept as the text the user typed, converted where they are used.
#pragma once

#include <optional>
#include <string>

namespace qv {

// Blanks in front, then a sign and decimal digits, or a hexadecimal number after "$", "x" or
// "0x"; the whole text, within the signed 32-bit range. Empty when it is anything else.
std::optional<int> ParseIntegerText(const std::string& text);

// As ParseIntegerText, raising "'%s' is not a valid integer value" when it fails.
int StrToInt(const std::string& text);

// A Boolean value of the settings file: a whole number as above, but with only "$" and "0x"
// introducing hexadecimal; not 0 is true. Empty when the value is no whole number.
std::optional<bool> ParseBooleanValue(const std::string& text);

}  // namespace qv
