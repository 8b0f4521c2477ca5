#include "core/conversions.h"
#include "experiment/pace.h"
#include "experiment/plotted_steps.h"
#include "sound/run_sound.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>

namespace lumorix {
namespace {

double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const auto n = static_cast<double>(a.size());
    const double meanA = std::accumulate(a.begin(), a.end(), 0.0) / n;
    const double meanB = std::accumulate(b.begin(), b.end(), 0.0) / n;
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ab += (a[i] - meanA) * (b[i] - meanB);
        aa += (a[i] - meanA) * (a[i] - meanA);
        bb += (b[i] - meanB) * (b[i] - meanB);
    }
    return ab / std::sqrt(aa * bb);
}

// Each step as long as the pause the run makes after it.
void expectStepsLastTheirPauses(const RunSound& sound, const std::vector<PlottedStep>& plotted) {
    ASSERT_EQ(sound.steps.size(), plotted.size());
    for (std::size_t step = 0; step < plotted.size(); ++step)
        ASSERT_EQ(sound.steps[step].duration,
                  pauseDuration(plotted[step].pauseCount, pauseCountDuration));
}

TEST(RunSound, TheToneFollowsTheBarsTheRunDraws) {
    for (const char* mode : {"0", "1"}) {
        for (const ParameterTexts& geometry : everyGeometry(mode)) {
            SCOPED_TRACE(geometryText(geometry));
            const RunSound sound = soundOfRun(geometry, RandomSequence());
            const std::vector<PlottedStep> plotted = plottedRun(geometry, RandomSequence());
            expectStepsLastTheirPauses(sound, plotted);
            std::vector<double> levels, bars;
            for (std::size_t step = 0; step < plotted.size(); ++step) {
                const StepSound& heard = sound.steps[step];
                levels.push_back(heard.toneLevel);
                bars.push_back(plotted[step].bar.value());
                EXPECT_TRUE(heard.clicks.empty());
                if (bars.back() == 0) {
                    EXPECT_EQ(heard.toneLevel, 0) << "step " << step + 1;
                }
            }
            EXPECT_EQ(*std::ranges::max_element(levels), 1);
            if (*std::ranges::max_element(bars) - *std::ranges::min_element(bars) < 1e-3) {
                EXPECT_EQ(*std::ranges::min_element(levels), 1) << "bars all alike";
            } else {
                EXPECT_GE(correlation(levels, bars), 0.99);
            }
        }
    }
}

// With the which-path detector on the tone follows the outline that the run draws, without
// fringes; a point sounds as loud as that run on its row; no light is silent.
TEST(RunSound, APointSoundsAsLoudAsARunOfTheSameSettingsAndStatesOnItsRow) {
    const ParameterTexts light("200", "15", "2", "0", "1");
    const RunStates apart{false, false, true};
    const std::vector<PlottedStep> outline = plottedRun(light, RandomSequence(), apart);
    const double brightest =
        *std::ranges::max(outline, {}, [](auto& step) { return *step.bar; }).bar;
    for (int row = 101; row <= 499; ++row)
        ASSERT_NEAR(rowLoudness(light, apart, row), *outline[499 - row].bar / brightest, 1e-5)
            << row;
    EXPECT_EQ(rowLoudness(light, {}, 100), 0) << "off the scan";
    EXPECT_EQ(rowLoudness(light, {true, true, false}, 300), 0) << "no light";

    // Impact mode clicks: as loud as the row's share of the most clicks in a row.
    const ParameterTexts impact("200", "15", "2", "2", "1");
    const std::vector<PlottedStep> dots = plottedRun(impact, RandomSequence());
    const int most = std::ranges::max(dots, {}, &PlottedStep::impactDots).impactDots;
    for (const int row : {300, 285, 480})
        EXPECT_FLOAT_EQ(rowLoudness(impact, {}, row), float(dots[499 - row].impactDots) / most);
}

TEST(RunSound, ImpactModeClicksOncePerDotWhenItsRandomNumberSays) {
    // The program's one sequence, carried from run to run; the sound takes a copy of it.
    RandomSequence random;
    for (const ParameterTexts& geometry : everyGeometry("2")) {
        SCOPED_TRACE(geometryText(geometry));
        const RunSound sound = soundOfRun(geometry, random);
        RunRecorder recorder(random);
        recorder.run(geometry);
        const std::vector<PlottedStep> plotted = plottedSteps(recorder.calls());
        expectStepsLastTheirPauses(sound, plotted);
        for (std::size_t step = 0; step < plotted.size(); ++step) {
            const StepSound& heard = sound.steps[step];
            EXPECT_EQ(heard.toneLevel, 0);
            ASSERT_EQ(heard.clicks.size(), plotted[step].impactDots) << "step " << step + 1;
            ASSERT_EQ(plotted[step].dotRandoms.size(), plotted[step].impactDots);
            const double span = std::chrono::duration<double, std::micro>(heard.duration).count();
            for (std::size_t dot = 0; dot < heard.clicks.size(); ++dot)
                ASSERT_NEAR(heard.clicks[dot].count(), span * plotted[step].dotRandoms[dot], 1)
                    << "step " << step + 1 << ", dot " << dot;
        }
    }
}

TEST(RunSound, PitchRisesWithTheFrequencyFrom200To800Hz) {
    EXPECT_DOUBLE_EQ(toneFrequency(0.1), 200);
    EXPECT_LT(toneFrequency(0.1), toneFrequency(0.3));
    EXPECT_LT(toneFrequency(0.3), toneFrequency(0.5));
    EXPECT_LT(toneFrequency(0.5), toneFrequency(2));
    EXPECT_DOUBLE_EQ(toneFrequency(2), 800);
    for (const double outside : {0.09, 0.0, -2.0, 2.01, 1e300})
        EXPECT_EQ(toneFrequency(outside), outside < 1 ? 200 : 800) << outside;
    EXPECT_EQ(
        soundOfRun(ParameterTexts("200", "15", "0.3", "1", "1"), RandomSequence()).toneFrequency,
        toneFrequency(0.3));
}

// A frequency beyond the tone range would sound like the range's nearer end, as its neighbour
// does; the lowest and the highest the controls offer span the whole range of pitch.
TEST(RunSound, EveryFrequencyTheControlsOfferHasAPitchOfItsOwn) {
    std::vector<double> offered;
    for (const std::string& text : optionTexts(ParameterField::nKmitocet)) {
        offered.push_back(textToNumber(text));
        EXPECT_GE(offered.back(), toneRange.lowest) << text;
        EXPECT_LE(offered.back(), toneRange.highest) << text;
    }
    EXPECT_DOUBLE_EQ(toneFrequency(*std::ranges::min_element(offered)), 200);
    EXPECT_DOUBLE_EQ(toneFrequency(*std::ranges::max_element(offered)), 800);
}

} // namespace
} // namespace lumorix
