// Turns the failures of a pass into log lines: the first few of each cause by name, the
// rest as one count.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>

#include "engine/folder_tree_copy.h"

namespace qv {

class FailureReport {
 public:
  static constexpr int kNamedPerCause = 3;

  explicit FailureReport(std::function<void(const std::string&)> writeLog) : writeLog_(std::move(writeLog)) {}

  void Add(const CopyFailure& failure);
  // Writes the counts of what was not named.
  void Finish();

 private:
  std::function<void(const std::string&)> writeLog_;
  std::map<std::string, int> perCause_;  // "what(reason)" -> failures seen
};

// "コピー失敗(使用中)": what failed, and why.
std::string DescribeFailure(const CopyFailure& failure);

}  // namespace qv
