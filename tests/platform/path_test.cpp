#include "platform/path.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct PathCase {
  std::string path;
  std::string fileName;
  std::string fileDir;
  bool endsWithBackslash;
};

void PrintTo(const PathCase& c, std::ostream* os) {
  std::string s = c.path;
  for (char& ch : s) ch = ch == '\\' ? '/' : ch;  // ctest reads backslashes as escapes
  *os << s;
}

// "ソ" is 0x83 0x5C in Shift-JIS: its second byte is a backslash there, never a separator.
const PathCase kPathCases[] = {
    {"R:\\a.txt", "a.txt", "R:\\", false},
    {"D:\\bk\\work", "work", "D:\\bk", false},
    {"D:\\bk\\work\\sub\\", "", "D:\\bk\\work\\sub", true},
    {"R:\\", "", "R:\\", true},
    {"R:work", "work", "R:", false},
    {"work", "work", "", false},
    {"R:\\ソ", "ソ", "R:\\", false},
    {"R:\\表\\ソ\\", "", "R:\\表\\ソ", true},
};

class PathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathTest, SplitsAtTheLastSeparator) {
  const PathCase& c = GetParam();
  EXPECT_EQ(ExtractFileName(c.path), c.fileName);
  EXPECT_EQ(ExtractFileDir(c.path), c.fileDir);
  EXPECT_EQ(EndsWithBackslash(c.path), c.endsWithBackslash);
}

INSTANTIATE_TEST_SUITE_P(Paths, PathTest, ::testing::ValuesIn(kPathCases));

TEST(PathTest, TrailingBackslashIsNeverDoubledOrLost) {
  EXPECT_EQ(IncludeTrailingBackslash("R:\\ソ"), "R:\\ソ\\");
  EXPECT_EQ(IncludeTrailingBackslash("R:\\"), "R:\\");
  EXPECT_EQ(ExcludeTrailingBackslash("R:\\"), "R:");
  EXPECT_EQ(ExcludeTrailingBackslash("D:\\bk"), "D:\\bk");
}

}  // namespace
}  // namespace qv
