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
    // Whether the bar of the row is at least (atLeast) or at most as long as its neighbours.
    bool extreme(int row, bool atLeast) const {
        for (const int neighbour : {row - 1, row + 1}) {
            if (neighbour < 101 || neighbour > 499)
                continue;
            if (atLeast ? at(neighbour) > at(row) : at(neighbour) < at(row))
                return false;
        }
        return true;
    }
    // Whether a row within one scan step of the mark is such an extreme.
    bool extremeNear(double mark, bool atLeast) const {
        for (int row = static_cast<int>(std::floor(mark)) - 1; row <= std::ceil(mark) + 1; ++row) {
            if (row >= 101 && row <= 499 && std::abs(row - mark) <= 1 && extreme(row, atLeast))
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
        std::vector<double> brightRows;
        for (const BrightFringe& bright : fringes.bright) {
            EXPECT_NEAR(difference(bright.row), bright.order, 1e-9);
            // Order 0 on the axis, the orders rising towards hole A, up the detector.
            EXPECT_EQ(bright.order > 0, bright.row < 300 - 1e-9) << "order " << bright.order;
            EXPECT_EQ(bright.order == 0, std::abs(bright.row - 300) < 1e-9);
            brightRows.push_back(bright.row);
        }
        for (const double dark : fringes.dark) {
            const double halves = difference(dark) - 0.5;
            EXPECT_NEAR(halves, std::round(halves), 1e-9) << "dark row " << dark;
        }
        // From the top of the scanned span down.
        for (const std::vector<double>* rows : {&std::as_const(brightRows), &fringes.dark}) {
            EXPECT_TRUE(std::ranges::is_sorted(*rows));
            EXPECT_TRUE(
                std::ranges::all_of(*rows, [](double row) { return row >= 101 && row <= 499; }));
        }
    }
}

TEST(TheoryFringes, NoMarksWhereThereIsNoPatternToMark) {
    // Holes that coincide light the whole detector alike: one fringe everywhere, nothing to mark.
    for (const ParameterTexts& geometry : everyGeometry("1")) {
        if (geometry.text(ParameterField::nOdchylka) != "0")
            continue;
        SCOPED_TRACE(geometryText(geometry));
        const Bars bars(geometry);
        EXPECT_LT(*std::ranges::max_element(bars.lengths) - *std::ranges::min_element(bars.lengths),
                  1e-3);
        const TheoryFringes fringes = theoryFringes(geometry);
        EXPECT_TRUE(fringes.bright.empty());
        EXPECT_TRUE(fringes.dark.empty());
    }
    for (const char* frequency : {"0", "1000", "Kmitočet"}) {
        SCOPED_TRACE(frequency);
        const TheoryFringes fringes =
            theoryFringes(ParameterTexts("200", "15", frequency, "1", "1"));
        EXPECT_TRUE(fringes.bright.empty());
        EXPECT_TRUE(fringes.dark.empty());
    }
}

} // namespace
} // namespace lumorix
