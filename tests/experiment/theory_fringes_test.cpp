#include "experiment/theory_fringes.h"
#include "plotted_steps.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <utility>

namespace lumorix {
namespace {

// The photon-mode bars of a run, by row.
struct Bars {
    explicit Bars(const ParameterTexts& geometry) {
        ParameterTexts photon(geometry);
        photon.setText(ParameterField::nInterference, "1");
        for (const PlottedStep& step : plottedRun(photon, RandomSequence()))
            lengths.push_back(step.bar.value());
    }

    double at(int row) const { return lengths[static_cast<std::size_t>(499 - row)]; }
    // Whether a row within one scan step of the mark has a bar at least (atLeast) or at most as
    // long as its neighbours'.
    bool extremeNear(double mark, bool atLeast) const {
        const auto beyond = [&](int row, int neighbour) {
            return neighbour >= 101 && neighbour <= 499 &&
                   (atLeast ? at(neighbour) > at(row) : at(neighbour) < at(row));
        };
        for (int row = std::max(101, int(std::ceil(mark - 1))); row <= std::min(499.0, mark + 1);
             ++row) {
            if (!beyond(row, row - 1) && !beyond(row, row + 1))
                return true;
        }
        return false;
    }

    std::vector<double> lengths; // from row 499 up
};

TEST(TheoryFringes, MarksFallOnTheLongestAndShortestPhotonBars) {
    for (const ParameterTexts& geometry : everyGeometry("1")) {
        if (geometry.text(ParameterField::nOdchylka) == "0")
            continue;
        SCOPED_TRACE(geometryText(geometry));
        const Bars bars(geometry);
        const TheoryFringes fringes = theoryFringes(geometry);
        ASSERT_FALSE(fringes.bright.empty());
        for (const BrightFringe& bright : fringes.bright)
            EXPECT_TRUE(bars.extremeNear(bright.row, true)) << "order " << bright.order;
        for (const double dark : fringes.dark)
            EXPECT_TRUE(bars.extremeNear(dark, false)) << "dark row " << dark;
        // And no bright fringe of the picture goes without its mark.
        for (int row = 102; row <= 498; ++row) {
            if (bars.at(row) > bars.at(row + 1) && bars.at(row) >= bars.at(row - 1)) {
                EXPECT_TRUE(std::ranges::any_of(
                    fringes.bright,
                    [&](const BrightFringe& bright) { return std::abs(bright.row - row) <= 1; }))
                    << "unmarked maximum on row " << row;
            }
        }
    }
}

TEST(TheoryFringes, MarksLieWhereThePathsDifferByWholeOrHalfWavelengths) {
    for (const ParameterTexts& geometry : everyGeometry("1")) {
        SCOPED_TRACE(geometryText(geometry));
        const Apparatus scene = apparatusFor(geometry);
        const double wavelength = 2 * std::numbers::pi / scene.frequency;
        // In wavelengths, by how much the path from hole B is the longer.
        const auto difference = [&](double row) {
            const double across = scene.detectorX - Apparatus::wallX;
            return (std::hypot(across, row - scene.holeBY()) -
                    std::hypot(across, row - scene.holeAY())) /
                   wavelength;
        };
        const TheoryFringes fringes = theoryFringes(geometry);
        for (const BrightFringe& bright : fringes.bright) {
            EXPECT_NEAR(difference(bright.row), bright.order, 1e-9);
            // Order 0 on the axis, the orders rising towards hole A, up the detector.
            EXPECT_EQ(bright.order > 0, bright.row < 300 - 1e-9) << "order " << bright.order;
            EXPECT_EQ(bright.order == 0, std::abs(bright.row - 300) < 1e-9);
        }
        for (const double dark : fringes.dark) {
            const double halves = difference(dark) - 0.5;
            EXPECT_NEAR(halves, std::round(halves), 1e-9) << "dark row " << dark;
        }
    }
}

TEST(TheoryFringes, NoMarksWhereThereIsNoPatternToMark) {
    // Holes that coincide or an arrow that never turns light the whole detector alike; fringes
    // finer than the rows, and fields that are no numbers, cannot be shown.
    for (const auto& [offset, frequency] :
         {std::pair{"0", "2"}, {"0", "0.1"}, {"15", "0"}, {"15", "1000"}, {"15", "Kmitočet"}}) {
        SCOPED_TRACE(testing::Message() << "offset " << offset << ", frequency " << frequency);
        const TheoryFringes fringes =
            theoryFringes(ParameterTexts("200", offset, frequency, "1", "1"));
        EXPECT_TRUE(fringes.bright.empty());
        EXPECT_TRUE(fringes.dark.empty());
    }
}

} // namespace
} // namespace lumorix
