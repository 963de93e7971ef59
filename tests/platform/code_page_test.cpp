#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(CodePageTest, ShiftJisRoundTripsExactly) {
  const std::string utf8 = "D:\\表示\\ソフト";
  const auto ansi = Utf8ToAnsi(utf8);
  ASSERT_TRUE(ansi);
  EXPECT_EQ(*ansi, "D:\\\x95\x5C\x8E\xA6\\\x83\x5C\x83\x74\x83\x67");
  EXPECT_EQ(AnsiToUtf8(*ansi), utf8);
}

TEST(CodePageTest, TextOutsideTheCodePageIsRefusedNotReplaced) {
  EXPECT_FALSE(Utf8ToAnsi("R:\\한국"));
  EXPECT_FALSE(AnsiByteLength("\xF0\x9F\x98\x80"));
  EXPECT_FALSE(AnsiToUtf8("\x81"));  // a lead byte with nothing after it
}

TEST(CodePageTest, MeasuresBytesInTheCodePage) {
  EXPECT_EQ(AnsiByteLength("R:\\"), 3u);
  EXPECT_EQ(AnsiByteLength("Ｒ:\\"), 4u);
  EXPECT_EQ(AnsiByteLength("ｱ:"), 2u);  // half-width kana take one byte
  EXPECT_EQ(AnsiByteLength(""), 0u);
}

}  // namespace
}  // namespace qv
