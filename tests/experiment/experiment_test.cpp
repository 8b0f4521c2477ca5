#include "experiment/experiment.h"
#include "run_recorder.h"
#include "scene_fixture.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

// Runs in one program state, as the window makes them: one canvas, one random sequence.
struct Program {
    std::optional<FatalError> run(const ParameterTexts& fields) { return recorder.run(fields); }

    std::vector<float> randomNumbers() const {
        std::vector<float> numbers;
        for (const NextRandom& random : recorder.callsOf<NextRandom>())
            numbers.push_back(random.value);
        return numbers;
    }

    RandomSequence random;
    RunRecorder recorder{random};
};

const ParameterTexts impactMode("200", "15", "2", "2", "1");

// The text of ten to the power of zeros: a whole number too large for one of the run's ranges.
// Built in place, since GCC 12 at -O3 warns falsely about "1" + std::string(...) (bug 105329).
std::string tenToThe(std::size_t zeros) {
    std::string text(zeros + 1, '0');
    text.front() = '1';
    return text;
}

TEST(Experiment, EveryStepEndsWithItsAxisLineAndAPauseSetByTheSlowdown) {
    for (const auto& [slowdown, count] : {std::pair{"1", 30000.0}, std::pair{"0", 0.0},
                                          std::pair{"20", 600000.0}, std::pair{"-1", -30000.0}}) {
        SCOPED_TRACE(testing::Message() << "slowdown " << slowdown);
        Program program;
        EXPECT_EQ(program.run(ParameterTexts("200", "15", "2", "0", slowdown)), std::nullopt);
        const auto script = program.recorder.script();
        int pauses = 0;
        for (std::size_t i = 1; i < script.size(); ++i) {
            if (script[i].rfind("pause ", 0) == 0) {
                ++pauses;
                ASSERT_EQ(script[i - 1], "drawLine 600 100 600 500") << "pause " << pauses;
            }
        }
        EXPECT_EQ(pauses, 399);
        for (const PauseFor& pause : program.recorder.callsOf<PauseFor>())
            ASSERT_EQ(pause.delayCount, count);
        EXPECT_EQ(program.recorder.callsOf<ShowLabel>().size(), 7u);
        EXPECT_EQ(program.recorder.callsOf<HideLabel>().size(), 1u);
    }
}

TEST(Experiment, CanvasStateCarriesIntoTheNextRun) {
    Program program;
    program.run(startUpFields());
    const CanvasState afterRun{1, FillStyle::solid, colours::marker};
    EXPECT_EQ(program.recorder.canvasState(), afterRun);

    program.recorder.clear();
    program.run(impactMode);
    EXPECT_EQ(program.recorder.canvasState(), afterRun);
    EXPECT_EQ(program.recorder.callAt<SetScalePixels>(0), SetScalePixels{});
}

TEST(Experiment, TheScanPointDotIsFilledWithTheMarkersBlue) {
    Program program;
    program.run(startUpFields());
    const auto& calls = program.recorder.calls();
    // The first dot on the scan point, at step 20, comes after step 19 has drawn its markers.
    const DrawCircle firstDot{450, 480, 2, std::nullopt};
    const auto dot = std::find(calls.begin(), calls.end(), RunCall{firstDot});
    ASSERT_NE(dot, calls.end());
    const auto lastFill =
        std::find_if(std::make_reverse_iterator(dot), calls.rend(), [](const RunCall& call) {
            return std::holds_alternative<SetFillColour>(call);
        });
    ASSERT_NE(lastFill, calls.rend());
    EXPECT_EQ(std::get<SetFillColour>(*lastFill).colour, colours::marker);
}

TEST(Experiment, RandomSequenceContinuesAcrossRunsAndRepeatsAfterAFreshStart) {
    Program first;
    first.run(impactMode);
    const std::vector<float> firstRun = first.randomNumbers();
    ASSERT_FALSE(firstRun.empty());
    first.recorder.clear();
    first.run(impactMode);
    const std::vector<float> secondRun = first.randomNumbers();

    RandomSequence reference;
    for (const float r : firstRun)
        ASSERT_EQ(r, reference.next());
    ASSERT_EQ(secondRun.size(), firstRun.size()) << "the same rows get the same number of dots";
    for (const float r : secondRun)
        ASSERT_EQ(r, reference.next());
    EXPECT_NE(secondRun, firstRun);

    Program restarted;
    restarted.run(impactMode);
    EXPECT_EQ(restarted.randomNumbers(), firstRun);
}

struct FailureCase {
    const char* name;
    ParameterTexts fields;
    int number;
    std::size_t canvasCalls; // made before the failure
    std::size_t pauses;
    const char* lastLine;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class RunFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(RunFailure, StopsWhereTheFaultArises) {
    const FailureCase& c = GetParam();
    Program program;
    const auto failure = program.run(c.fields);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), c.number);
    EXPECT_FALSE(failure->description().empty());
    EXPECT_EQ(program.recorder.canvasCallCount(), c.canvasCalls);
    EXPECT_EQ(program.recorder.callsOf<PauseFor>().size(), c.pauses);
    EXPECT_EQ(program.recorder.script().back(), c.lastLine);
}

// The set-up makes 21 calls before it reads the distance, 24 before the offset and 35 before the
// frequency; the first scan step makes 8 before its pause reads the slowdown.
INSTANTIATE_TEST_SUITE_P(
    Experiment, RunFailure,
    testing::Values(
        FailureCase{"distanceNotANumber", ParameterTexts("Vzdalenost", "15", "2", "0", "1"), 13, 21,
                    0, "drawLine 5 571 800 571 0xC0C0C0"},
        FailureCase{"offsetNotANumber", ParameterTexts("200", "Odchylka", "2", "0", "1"), 13, 24, 0,
                    "drawCircle 150 300 5"},
        FailureCase{"frequencyNotANumber", ParameterTexts("200", "15", "Kmitočet", "0", "1"), 13,
                    35, 0, "drawLine 130 300 750 300"},
        FailureCase{"arrowAngleBeyondDoubleRange",
                    ParameterTexts("200", "15", tenToThe(307), "0", "1"), 6, 35, 0,
                    "drawLine 130 300 750 300"},
        FailureCase{"slowdownNotANumber", ParameterTexts("200", "15", "2", "0", "Spomaleni"), 13,
                    35 + 8, 0, "drawLine 600 100 600 500"},
        FailureCase{"slowdownTooLargeToCount", ParameterTexts("200", "15", "2", "0", tenToThe(305)),
                    6, 35 + 8, 0, "drawLine 600 100 600 500"},
        FailureCase{"offsetBeyondSingleRange", ParameterTexts("200", tenToThe(39), "2", "0", "1"),
                    6, 24, 0, "drawCircle 150 300 5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Experiment, ADetectorOnTheWallDividesByZeroLevelWithAHole) {
    // Step 185 lies level with hole B: it fails after its phasors, before its row of the pattern.
    Program program;
    const auto failure = program.run(ParameterTexts("0", "15", "2", "0", "1"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), 11);
    EXPECT_EQ(program.recorder.callsOf<PauseFor>().size(), 184u);
    const auto script = program.recorder.script();
    EXPECT_EQ(script.at(script.size() - 2), "pause 30000");
    EXPECT_EQ(script.back(), "setDrawWidth 2");
}

TEST(Experiment, ARunOnAStreamReportsAnyExceptionAsAFatalErrorThatEndsItsTrace) {
    RandomSequence random;
    std::size_t calls = 0;
    RunCallStream stream(random, [&calls](const RunCall&) {
        if (++calls == 100)
            throw std::bad_alloc();
    });
    const std::optional<FatalError> failure = stream.run(impactMode);
    ASSERT_TRUE(failure);
    EXPECT_EQ(toText(*failure), "fatal 7 Nedostatek paměti");
    EXPECT_EQ(calls, 100u) << "the run went no further";
}

} // namespace
} // namespace lumorix
