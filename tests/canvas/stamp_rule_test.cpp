#include "canvas/stamp_rule.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace lumorix {
namespace {

TEST(StampRuleTest, StampsTheSmallCirclesAndTheLinesThatRunsDraw) {
    EXPECT_TRUE(isStampedCircle(1, 1));
    EXPECT_TRUE(isStampedCircle(maxStampRadius, maxStampPenWidth));
    EXPECT_FALSE(isStampedCircle(0, 1));
    EXPECT_FALSE(isStampedCircle(8.5F, 1));
    EXPECT_FALSE(isStampedCircle(std::numeric_limits<float>::quiet_NaN(), 1));
    EXPECT_FALSE(isStampedCircle(1, 0));
    EXPECT_FALSE(isStampedCircle(1, 5));
    constexpr auto aliased = Smoothing::aliased;
    EXPECT_TRUE(isStampedLine(620, 499, 720, 499, 1, aliased));
    EXPECT_TRUE(isStampedLine(600, 100, 600, 500, 2, aliased));
    EXPECT_TRUE(isStampedLine(600, 300, 600, 300, 1, aliased));
    EXPECT_FALSE(isStampedLine(250, 300, 350, 380, 1, aliased));
    EXPECT_TRUE(isStampedLine(250, 300, 350, 380, 1, Smoothing::antialiased));
    EXPECT_FALSE(isStampedLine(620, 499, 720, 499, 0, Smoothing::antialiased));
    EXPECT_TRUE(isStampedLine(600, 100, 600, 500, 1, Smoothing::antialiased));
    EXPECT_FALSE(isStampedLine(5, 31, 800, 31, 1, Smoothing::antialiased));
    EXPECT_TRUE(isStampedLine(5, 31, 800, 31, 1, aliased));
}

TEST(StampRuleTest, AliasedStampsOnlyAtRatiosOneAndTwoAntialiasedAtAny) {
    EXPECT_TRUE(stampsAt(1, Smoothing::aliased));
    EXPECT_TRUE(stampsAt(2, Smoothing::aliased));
    EXPECT_FALSE(stampsAt(1.5, Smoothing::aliased));
    EXPECT_TRUE(stampsAt(1.5, Smoothing::antialiased));
    EXPECT_TRUE(stampsAt(2.6666666666666665, Smoothing::antialiased));
    EXPECT_FALSE(stampsAt(0, Smoothing::antialiased));
    EXPECT_FALSE(stampsAt(std::numeric_limits<double>::quiet_NaN(), Smoothing::antialiased));
}

TEST(StampRuleTest, APositionIsItsPixelAndItsExactFraction) {
    std::mt19937 generator(27);
    std::uniform_real_distribution<float> coordinate(32, 800);
    for (int i = 0; i < 2000; ++i) {
        const float logical = coordinate(generator);
        for (const double ratio : {1.0, 2.0}) {
            const double device = logical * ratio;
            const auto position = gridPosition(logical, ratio);
            ASSERT_EQ(position.has_value(), device >= 64);
            if (!position)
                continue;
            EXPECT_EQ(position->pixel, static_cast<int>(std::floor(device)));
            EXPECT_EQ(position->pixel + std::ldexp(position->fraction, position->exponent - 23),
                      device);
        }
    }
    EXPECT_FALSE(gridPosition(-100, 1));
    EXPECT_FALSE(gridPosition(40000, 2));
    EXPECT_FALSE(gridPosition(std::numeric_limits<float>::infinity(), 1));
}

TEST(StampRuleTest, ThePlaceNearestACoordinateIsWithinHalfAPlaceOfIt) {
    std::mt19937 generator(27);
    std::uniform_real_distribution<float> coordinate(64, 2000);
    for (int i = 0; i < 5000; ++i) {
        const float logical = coordinate(generator);
        for (const double ratio : {1.0, 1.6, 2.0, 2.6666666666666665}) {
            const StampPlace at = nearestPlace(*gridPosition(logical, ratio));
            ASSERT_GE(at.place, 0);
            ASSERT_LT(at.place, placesPerPixel);
            EXPECT_LE(std::fabs(at.pixel + double(at.place) / placesPerPixel - logical * ratio),
                      0.5 / placesPerPixel + 1e-4);
        }
    }
    // Just short of the next pixel is that pixel's first place, never a place beyond the last.
    EXPECT_EQ(nearestPlace(*gridPosition(700.99F, 1)), (StampPlace{701, 0}));
    EXPECT_EQ(nearestPlace(*gridPosition(700.5F, 1)), (StampPlace{700, placesPerPixel / 2}));
}

} // namespace
} // namespace lumorix
