#include "core/decimal_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace lumorix {
namespace {

// The host's standard library writes the same shortest fixed form; the browser's has no
// floating-point to_chars, which is why the program has its own.
template <typename Number> std::string standardText(Number value) {
    std::array<char, 1024> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

template <typename Number, typename Bits> void expectStandardTextOverRandomBits(int count) {
    std::mt19937_64 random(20261209);
    for (int i = 0; i < count; ++i) {
        const auto bits = static_cast<Bits>(random());
        const auto value = std::bit_cast<Number>(bits);
        if (std::isfinite(value)) {
            ASSERT_EQ(shortestText(value), standardText(value)) << "bits " << bits;
        }
    }
}

TEST(ShortestText, WritesWhatTheStandardLibraryWritesForAnyDoubleOrFloat) {
    expectStandardTextOverRandomBits<double, std::uint64_t>(20000);
    expectStandardTextOverRandomBits<float, std::uint32_t>(20000);
}

TEST(ShortestText, WritesTheEdgesOfTheRangeAsTheStandardLibraryDoes) {
    std::vector<double> doubles{0.0,
                                -0.0,
                                0.1,
                                0.3,
                                2,
                                600000,
                                425.46368,
                                1e15,
                                1e16,
                                1e22,
                                1e23,
                                0x1p53,
                                0x1p53 + 2,
                                0x1p64,
                                0x1p64 + 4096,
                                1e30,
                                1e300,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                1.5e-10};
    for (const double value : doubles) {
        EXPECT_EQ(shortestText(value), standardText(value)) << value;
        EXPECT_EQ(shortestText(-value), standardText(-value)) << -value;
    }
    for (const double value : doubles) {
        const auto single = static_cast<float>(value);
        if (std::isfinite(single)) {
            EXPECT_EQ(shortestText(single), standardText(single)) << single;
        }
    }
    EXPECT_EQ(shortestText(std::numeric_limits<float>::max()),
              "340282346638528859811704183484516925440");
}

} // namespace
} // namespace lumorix
