#include "core/decimal_text.h"
#include "plotted_steps.h"
#include "scene_fixture.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

constexpr RunStates onlyA{false, true, false}, onlyB{true, false, false};
constexpr RunStates whichPath{false, false, true}, noHole{true, true, false};

// The lesson of the experiment, on every row of every setting: the patterns of each hole alone
// add up to the pattern with the which-path detector, and the two arrows chained swing about
// that pattern from 0 to twice it, as the paths' difference turns them apart.
TEST(HoleStates, SingleHolesAddUpToTheWhichPathPatternAndTheFringesSwingAboutIt) {
    for (const char* mode : {"0", "1", "2"}) {
        for (const ParameterTexts& geometry : everyGeometry(mode)) {
            SCOPED_TRACE(geometryText(geometry));
            const auto run = [&](RunStates states) {
                return plottedRun(geometry, RandomSequence(), states);
            };
            const auto both = run({}), a = run(onlyA), b = run(onlyB), apart = run(whichPath);
            const auto none = run(noHole);
            const double across = geometry.number(ParameterField::nVzdalenost);
            const double offset = geometry.number(ParameterField::nOdchylka);
            for (std::size_t step = 0; step < 399; ++step) {
                const double row = 499.0 - double(step);
                const double swing = 1 + std::cos((std::hypot(across, row - 300 - offset) -
                                                   std::hypot(across, row - 300 + offset)) *
                                                  geometry.number(ParameterField::nKmitocet));
                if (mode[0] == '2') {
                    ASSERT_NEAR(a[step].impactDots + b[step].impactDots, apart[step].impactDots, 1);
                    const double expected = apart[step].impactDots * swing;
                    ASSERT_GT(both[step].impactDots, expected - 1 - 1e-9) << row;
                    ASSERT_LT(both[step].impactDots, expected + swing + 1e-9) << row;
                    ASSERT_EQ(none[step].impactDots, 0);
                    continue;
                }
                ASSERT_NEAR(*a[step].bar + *b[step].bar, *apart[step].bar, 1e-3) << row;
                ASSERT_NEAR(*both[step].bar, *apart[step].bar * swing, 1e-3) << row;
                ASSERT_NEAR(*none[step].bar, 0, 1e-6) << "a dark run scans as any";
                if (mode[0] == '1') {
                    ASSERT_NEAR(*a[step].bar, 25, 1e-3) << "flat bars";
                    ASSERT_NEAR(*apart[step].bar, 50, 1e-3);
                }
            }
            if (mode[0] == '2')
                continue;
            using Outlines = std::vector<std::optional<Colour>>; // bars, or outlines of a colour
            EXPECT_EQ((Outlines{both[9].outline, a[9].outline, b[9].outline, apart[9].outline,
                                none[9].outline}),
                      (Outlines{std::nullopt, colours::onlyHoleA, colours::onlyHoleB,
                                colours::whichPath, colours::noLight}));
        }
    }
}

TEST(HoleStates, ADrawingStepDrawsTheArrowAndRayOfEachOpenHoleAndAResultantOnlyOfAChain) {
    for (const RunStates states : {RunStates{}, onlyA, onlyB, whichPath, noHole}) {
        RandomSequence random;
        RecordingCanvas canvas(random);
        const Apparatus scene = setUpApparatus(canvas, startUpFields(), states);
        canvas.clearCalls();
        formPhasors(canvas, scene, scanPointAt(20));
        std::vector<std::string> drawn;
        for (const DrawLine& line : canvas.callsOf<DrawLine>()) {
            const bool fromThePoint = line.x1 == 450 && line.y1 == 480;
            drawn.push_back(line.colour == colours::ray ? "ray from " + shortestText(line.y1)
                            : line.colour == colours::resultant ? "resultant"
                            : fromThePoint                      ? "arrow from the point"
                                                                : "arrow chained");
        }
        using Lines = std::vector<std::string>;
        const Lines expected = states == RunStates{}
                                   ? Lines{"arrow from the point", "ray from 315", "arrow chained",
                                           "ray from 285", "resultant"}
                               : states == onlyA     ? Lines{"arrow from the point", "ray from 285"}
                               : states == onlyB     ? Lines{"arrow from the point", "ray from 315"}
                               : states == whichPath ? Lines{"arrow from the point", "ray from 315",
                                                             "arrow from the point", "ray from 285"}
                                                     : Lines{};
        EXPECT_EQ(drawn, expected);
    }
}

} // namespace
} // namespace lumorix
