#include "settings/integer_text.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace qv {
namespace {

struct IntegerCase {
  const char* text;
  std::optional<int> value;  // nothing: not an integer
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class IntegerTextTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerTextTest, ConvertsTheWholeTextOrRaises) {
  const IntegerCase& c = GetParam();
  EXPECT_EQ(ParseIntegerText(c.text), c.value);
  if (c.value) {
    EXPECT_EQ(StrToInt(c.text), *c.value);
  } else {
    try {
      StrToInt(c.text);
      FAIL() << "no error";
    } catch (const AppError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(c.text) + "' is not a valid integer value");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerTextTest,
    ::testing::Values(IntegerCase{"0", 0}, IntegerCase{"2000", 2000}, IntegerCase{"00012", 12},
                      IntegerCase{"-5", -5}, IntegerCase{"+7", 7}, IntegerCase{"-0", 0}, IntegerCase{"   42", 42},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", -2147483647 - 1},
                      IntegerCase{"2147483648", std::nullopt}, IntegerCase{"-2147483649", std::nullopt},
                      IntegerCase{"99999999999999999999", std::nullopt}, IntegerCase{"$7FFFFFFF", 2147483647},
                      IntegerCase{"$80000000", std::nullopt}, IntegerCase{"$ff", 255}, IntegerCase{"0x1f", 31},
                      IntegerCase{"0X1F", 31}, IntegerCase{"x10", 16}, IntegerCase{"X10", 16},
                      IntegerCase{" $10", 16}, IntegerCase{"$", std::nullopt}, IntegerCase{"0x", std::nullopt},
                      IntegerCase{"x", std::nullopt}, IntegerCase{"-$10", std::nullopt},
                      IntegerCase{"$-1", std::nullopt}, IntegerCase{"", std::nullopt}, IntegerCase{" ", std::nullopt},
                      IntegerCase{"-", std::nullopt}, IntegerCase{"+-1", std::nullopt},
                      IntegerCase{"12 ", std::nullopt}, IntegerCase{"1 2", std::nullopt},
                      IntegerCase{"\t1", std::nullopt}, IntegerCase{"1a", std::nullopt},
                      IntegerCase{"abc", std::nullopt}, IntegerCase{"1.0", std::nullopt},
                      IntegerCase{"０", std::nullopt}));

struct BooleanCase {
  const char* text;
  std::optional<bool> value;  // nothing: the default applies
};

void PrintTo(const BooleanCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class BooleanValueTest : public ::testing::TestWithParam<BooleanCase> {};

TEST_P(BooleanValueTest, AWholeNumberIsTrueUnlessZero) { EXPECT_EQ(ParseBooleanValue(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Values, BooleanValueTest,
                         ::testing::Values(BooleanCase{"1", true}, BooleanCase{"0", false}, BooleanCase{"2", true},
                                           BooleanCase{"-1", true}, BooleanCase{" 1", true},
                                           BooleanCase{"0x0", false}, BooleanCase{"0x10", true},
                                           BooleanCase{"$0", false}, BooleanCase{"x1", std::nullopt},
                                           BooleanCase{"yes", std::nullopt}, BooleanCase{"", std::nullopt},
                                           BooleanCase{"1 ", std::nullopt}, BooleanCase{"true", std::nullopt}));

}  // namespace
}  // namespace qv
