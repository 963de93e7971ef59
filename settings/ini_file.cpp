#include "settings/ini_file.h"

#include "platform/code_page.h"
#include "platform/errors.h"
#include "res/messages.h"
#include "settings/integer_text.h"

namespace qv {

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) {
  return ParseBooleanValue(ReadString(section, key, "")).value_or(fallback);
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) {
  return store_.ReadString(path_, section, key, fallback);
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  if (!Utf8ToAnsi(value)) throw AppError(Format(msg::kNotInAnsiCodePage, value.c_str()));
  if (!store_.WriteString(path_, section, key, value)) throw AppError(Format(msg::kCannotWrite, path_.c_str()));
}

}  // namespace qv
