// The messages of the log memo's text, oldest first, without their time stamps.
#pragma once

#include <string>
#include <vector>

namespace qv {

inline std::vector<std::string> LogMessages(const std::string& text) {
  const std::string space = "\xE3\x80\x80";  // the ideographic space after the time stamp
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const std::size_t at = line.find(space);
    lines.insert(lines.begin(), at == std::string::npos ? line : line.substr(at + space.size()));
    start = end + 2;
  }
  return lines;
}

}  // namespace qv
