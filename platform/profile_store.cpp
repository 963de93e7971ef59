#include "platform/profile_store.h"

#include <optional>
#include <vector>

#include "platform/code_page.h"

namespace qv {
namespace {

std::size_t Utf8Length(unsigned char lead) { return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2; }

std::string Trim(const std::string& s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    if (end < bytes.size() && bytes[end] == '\r') ++end;
    if (end < bytes.size() && bytes[end] == '\n') ++end;
    start = end;
  }
  return lines;
}

// The section a line opens, if it is a section line.
std::optional<std::string> SectionOf(const std::string& line) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const std::size_t close = t.find(']');
  return Trim(t.substr(1, (close == std::string::npos ? t.size() : close) - 1));
}

bool IsKeyLine(const std::string& line, const std::string& key, std::string* value) {
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos || !SameName(Trim(line.substr(0, eq)), key)) return false;
  if (value) {
    std::string v = Trim(line.substr(eq + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    *value = v;
  }
  return true;
}

}  // namespace

std::string LimitProfileValue(const std::string& utf8) {
  std::size_t bytes = 0, at = 0;
  while (at < utf8.size()) {
    const std::size_t length = Utf8Length(static_cast<unsigned char>(utf8[at]));
    const std::size_t ansi = AnsiByteLength(utf8.substr(at, length)).value_or(1);
    if (bytes + ansi > kProfileValueLimit) break;
    bytes += ansi;
    at += length;
  }
  return utf8.substr(0, at);
}

std::string TextProfileStore::ReadString(const std::string& path, const std::string& section, const std::string& key,
                                         const std::string& fallback) {
  std::string bytes;
  if (!files_.ReadWholeFile(path, bytes).ok()) return fallback;
  bool inSection = false;
  for (const std::string& line : Lines(bytes)) {
    if (const auto name = SectionOf(line)) {
      inSection = SameName(*name, section);
      continue;
    }
    std::string value;
    if (inSection && IsKeyLine(line, key, &value)) {
      const auto utf8 = AnsiToUtf8(value);
      return utf8 ? LimitProfileValue(*utf8) : fallback;
    }
  }
  return fallback;
}

bool TextProfileStore::WriteString(const std::string& path, const std::string& section, const std::string& key,
                                   const std::string& value) {
  const auto ansiValue = Utf8ToAnsi(value);
  if (!ansiValue) return false;
  std::string bytes;
  const FileResult read = files_.ReadWholeFile(path, bytes);
  if (!read.ok() && read.error != FileError::NotFound) return false;  // never rewrite what could not be read
  std::vector<std::string> lines = Lines(bytes);
  const std::string entry = key + "=" + *ansiValue;

  std::optional<std::size_t> sectionAt, lastInSection;
  bool written = false;
  for (std::size_t i = 0; i < lines.size() && !written; ++i) {
    if (const auto name = SectionOf(lines[i])) {
      if (sectionAt) break;  // the next section: the key was not there
      if (SameName(*name, section)) sectionAt = lastInSection = i;
      continue;
    }
    if (!sectionAt) continue;
    if (IsKeyLine(lines[i], key, nullptr)) {
      lines[i] = entry;
      written = true;
    } else if (!Trim(lines[i]).empty()) {
      lastInSection = i;
    }
  }
  if (!written && sectionAt) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastInSection + 1), entry);
  } else if (!written) {
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return files_.WriteWholeFile(path, out).ok();
}

}  // namespace qv
