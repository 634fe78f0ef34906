#include "common/arithmetic.h"
#include "common/failure.h"
#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FixedCase
{
    double value;
    int decimals;
    const char *expected;
};

class FixedNotation : public testing::TestWithParam<FixedCase>
{
};

TEST_P(FixedNotation, RoundsSixSignificantThenDecimalsAwayFromZero)
{
    const FixedCase c = GetParam();
    EXPECT_EQ(text::fixed(c.value, c.decimals), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Awkward, FixedNotation,
    testing::Values(FixedCase {0.625, 2, "0,63"}, FixedCase {2.5, 0, "3"},
                    FixedCase {-2.5, 0, "-3"}, FixedCase {-0.004, 2, "0,00"},
                    FixedCase {-0.0, 1, "0,0"}, FixedCase {12345.678, 2, "12345,70"},
                    FixedCase {1234567.8, 0, "1,23457E+6"}, FixedCase {12345678.9, 2, "1,23457E+7"},
                    FixedCase {-1234567.8, 1, "-1,23457E+6"}, FixedCase {1000000.0, 0, "1E+6"},
                    FixedCase {999999.5, 0, "1E+6"}, FixedCase {999999.4, 0, "999999"},
                    FixedCase {9.996, 2, "10,00"}, FixedCase {0.0, 0, "0"},
                    FixedCase {0.05, 1, "0,1"}, FixedCase {-0.05, 1, "-0,1"},
                    FixedCase {0.0049999, 2, "0,00"}, FixedCase {1e-10, 2, "0,00"},
                    FixedCase {3.55, 1, "3,6"}, FixedCase {-3.37, 1, "-3,4"},
                    FixedCase {0.338, 1, "0,3"}, FixedCase {256.56, 0, "257"},
                    FixedCase {1.005, 2, "1,01"}, // 1.00499999999999989… is 1.00500 in six digits
                    FixedCase {28.785, 1, "28,8"}, FixedCase {171.3, 0, "171"},
                    FixedCase {5e-7, 6, "0,000001"}));

struct ParseCase
{
    const char *text;
    bool valid;
    double value;
};

class Parsing : public testing::TestWithParam<ParseCase>
{
};

TEST_P(Parsing, FollowsTheRussianConvention)
{
    const ParseCase c = GetParam();
    const auto value = text::parseNumber(c.text);
    ASSERT_EQ(value.has_value(), c.valid) << '"' << c.text << '"';
    if (c.valid) {
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Parsing,
    testing::Values(
        ParseCase {"2,", true, 2.0}, ParseCase {",5", true, 0.5}, ParseCase {" 7 ", true, 7.0},
        ParseCase {"-1,25", true, -1.25}, ParseCase {"+3", true, 3.0},
        ParseCase {"1,5E2", true, 150.0}, ParseCase {"2e-3", true, 0.002},
        ParseCase {"1e-999", true, 0.0}, ParseCase {"1e-99999999999999999999", true, 0.0},
        ParseCase {"0,1e-99999999999999999999", true, 0.0},
        ParseCase {"0e99999999999999999999", true, 0.0},
        ParseCase {"1e99999999999999999999", false, 0},
        ParseCase {"1e9223372036854775807", false, 0}, ParseCase {"007", true, 7.0},
        ParseCase {"2.5", false, 0}, ParseCase {"", false, 0}, ParseCase {"   ", false, 0},
        ParseCase {"-", false, 0}, ParseCase {",", false, 0}, ParseCase {"1e999", false, 0},
        ParseCase {"1,2,3", false, 0}, ParseCase {"1e", false, 0}, ParseCase {"1 2", false, 0},
        ParseCase {"--1", false, 0}, ParseCase {"усредненные зависимости", false, 0},
        ParseCase {"0x10", false, 0}, ParseCase {"inf", false, 0}, ParseCase {"nan", false, 0}));

TEST(Parsing, ConversionErrorNamesTheText)
{
    try {
        text::toNumber("2.5");
        FAIL() << "no error";
    } catch (const common::ConversionError &e) {
        EXPECT_STREQ(e.what(), "\"2.5\" не является правильным числом.");
    }
}

TEST(GeneralText, FifteenDigitsTrailingZerosDropped)
{
    const std::pair<double, const char *> cases[] = {
        {3.11, "3,11"},
        {2.65, "2,65"},
        {2.61, "2,61"},
        {0.0, "0"},
        {-1.5, "-1,5"},
        {100.0, "100"},
        {0.001, "0,001"},
        {1.0 / 3, "0,333333333333333"},
        {1e20, "1E20"},
        {1.5e-7, "1,5E-7"},
        {123456789012345.0, "123456789012345"},
    };
    for (const auto &[value, expected] : cases)
        EXPECT_EQ(text::general(value), expected) << value;
}

TEST(RoundHalfEven, TiesGoToTheEvenInteger)
{
    const std::pair<double, double> cases[]
        = {{0.5, 0},     {1.5, 2},   {2.5, 2}, {20.5, 20}, {21.5, 22}, {-2.5, -2},
           {100.5, 100}, {20.6, 21}, {4.5, 4}, {5.5, 6},   {20.4, 20}};
    for (const auto &[value, expected] : cases)
        EXPECT_EQ(text::roundHalfEven(value), expected) << value;
}

TEST(Arithmetic, FaultsAreNamed)
{
    using common::ArithmeticFault;
    const auto faultOf = [](auto &&step) {
        try {
            step();
        } catch (const common::ArithmeticError &e) {
            return e.fault();
        }
        ADD_FAILURE() << "no fault";
        return ArithmeticFault::Overflow;
    };
    EXPECT_EQ(faultOf([] { common::divide(1, 0); }), ArithmeticFault::DivisionByZero);
    EXPECT_EQ(faultOf([] { common::divide(0, 0); }), ArithmeticFault::InvalidOperation);
    EXPECT_EQ(faultOf([] { common::ln(0); }), ArithmeticFault::InvalidOperation);
    EXPECT_EQ(faultOf([] { common::lg(-1); }), ArithmeticFault::InvalidOperation);
    EXPECT_EQ(faultOf([] { common::exponent(1000); }), ArithmeticFault::Overflow);
    EXPECT_EQ(faultOf([] { common::divide(1e308, 1e-10); }), ArithmeticFault::Overflow);
    EXPECT_EQ(common::arithmeticMessage(ArithmeticFault::DivisionByZero),
              "Ошибка вычисления: деление на ноль.");
    EXPECT_DOUBLE_EQ(common::divide(1, 4), 0.25);
}

} // namespace
