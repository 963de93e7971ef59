#pragma once

#include <string>

namespace qv {

// Upper case of every character, as Windows compares names.
std::string FoldCase(const std::string& utf8);

}  // namespace qv
