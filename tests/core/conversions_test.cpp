#include "core/conversions.h"
#include "core/fatal_error.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace lumorix {
namespace {

struct NumberCase {
    std::string name;
    std::string text;
    double number;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.name;
}

class TextToNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumber, ReadsPlainDecimals) {
    EXPECT_EQ(textToNumber(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, TextToNumber,
    testing::Values(NumberCase{"whole", "200", 200}, NumberCase{"zero", "0", 0},
                    NumberCase{"leadingZeroFraction", "0.5", 0.5}, NumberCase{"tenth", "0.1", 0.1},
                    NumberCase{"leadingZeroWhole", "01", 1}, NumberCase{"negative", "-5", -5},
                    NumberCase{"explicitPlus", "+15", 15},
                    NumberCase{"surroundingBlanks", "  150\t", 150},
                    NumberCase{"blankBeforeSign", " -0.3", -0.3},
                    NumberCase{"noWholePart", ".5", 0.5}, NumberCase{"noFractionDigits", "5.", 5},
                    NumberCase{"fractionOfWhole", "200.0", 200},
                    NumberCase{"tooSmallBecomesZero", "0." + std::string(400, '0') + "1", 0}),
    [](const auto& info) { return info.param.name; });

class NotANumber : public testing::TestWithParam<std::string> {};

TEST_P(NotANumber, IsATypeMismatch) {
    try {
        const double number = textToNumber(GetParam());
        FAIL() << "\"" << GetParam() << "\" was read as " << number;
    } catch (const FatalError& error) {
        EXPECT_EQ(error.number(), 13);
        EXPECT_FALSE(error.description().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Conversions, NotANumber,
                         testing::Values("", " ", "abc", "Vzdalenost", "1,5", "1.2.3", "1 5", "--1",
                                         "+", "-", ".", "1e5", "0x10", "inf", "nan", "5%", "1\n",
                                         "\u0661\u0662", std::string("1\0", 2)));

TEST(Conversions, ANumberBeyondDoubleRangeIsAnOverflow) {
    try {
        textToNumber("1" + std::string(400, '0'));
        FAIL() << "a 401-digit number was read";
    } catch (const FatalError& error) {
        EXPECT_EQ(error.number(), 6);
    }
}

TEST(Conversions, ReadingIgnoresTheUsersNumberFormat) {
    // Where a comma is the decimal separator, a point must still be one.
    // The test command generates cs_CZ.UTF-8; elsewhere it may be missing.
    if (!std::setlocale(LC_ALL, "cs_CZ.UTF-8"))
        GTEST_SKIP() << "the locale cs_CZ.UTF-8 is not installed";
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');
    EXPECT_EQ(textToNumber("0.5"), 0.5);
    EXPECT_EQ(numberToText(0.5), "0.5");
    std::setlocale(LC_ALL, "C");
}

TEST(Conversions, NumberToTextWritesWholeNumbersAsPlainDigits) {
    EXPECT_EQ(numberToText(200), "200");
    EXPECT_EQ(numberToText(5), "5");
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(-0.0), "0");
    EXPECT_EQ(numberToText(-5), "-5");
    EXPECT_EQ(numberToText(1e20), "100000000000000000000");
}

TEST(Conversions, NumberToTextWritesTheShortestFraction) {
    EXPECT_EQ(numberToText(0.1), "0.1");
    EXPECT_EQ(numberToText(0.5), "0.5");
    EXPECT_EQ(numberToText(0.3), "0.3");
    EXPECT_EQ(numberToText(-2.25), "-2.25");
    EXPECT_EQ(textToNumber(numberToText(0.1 + 0.2)), 0.1 + 0.2);
}

TEST(Conversions, MatchingComparesTextsNotNumbers) {
    EXPECT_TRUE(matchesWholeNumber("200", 200));
    EXPECT_TRUE(matchesWholeNumber("0", 0));
    EXPECT_FALSE(matchesWholeNumber("200.0", 200));
    EXPECT_FALSE(matchesWholeNumber(" 200", 200));
    EXPECT_FALSE(matchesWholeNumber("0200", 200));
    EXPECT_FALSE(matchesWholeNumber("+1", 1));
    EXPECT_FALSE(matchesWholeNumber("20", 200));
}

TEST(Conversions, ToSingleRoundsAndRejectsWhatSinglePrecisionCannotHold) {
    EXPECT_EQ(toSingle(425.463683), 425.463683f);
    EXPECT_EQ(toSingle(-1e38), -1e38f);
    EXPECT_EQ(toSingle(std::numeric_limits<float>::max()), std::numeric_limits<float>::max());
    EXPECT_THROW(toSingle(1e39), FatalError);
    EXPECT_THROW(toSingle(-1e39), FatalError);
    EXPECT_THROW(toSingle(std::numeric_limits<double>::infinity()), FatalError);
    EXPECT_THROW(toSingle(std::nan("")), FatalError);
}

} // namespace
} // namespace lumorix
