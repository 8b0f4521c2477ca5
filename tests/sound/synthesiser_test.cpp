#include "sound/synthesiser.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <span>
#include <string>
#include <tuple>

namespace lumorix {
namespace {

constexpr int sampleRate = 48000;
constexpr std::size_t samplesPerMillisecond = sampleRate / 1000;
constexpr double toneAmplitude = 0.5;

// The whole sound, rendered in blocks of an odd size so that blocks and steps rarely meet.
std::vector<float> rendered(RunSynthesiser& synthesiser) {
    std::vector<float> samples;
    std::vector<float> block(1009);
    for (std::size_t count; (count = synthesiser.render(block)) > 0;)
        samples.insert(samples.end(), block.begin(), block.begin() + count);
    EXPECT_TRUE(synthesiser.finished());
    return samples;
}

std::vector<float> rendered(const RunSound& sound) {
    RunSynthesiser synthesiser(sound, sampleRate);
    return rendered(synthesiser);
}

double largestJump(const std::vector<float>& samples) {
    double largest = std::abs(samples.front());
    for (std::size_t n = 1; n < samples.size(); ++n)
        largest = std::max(largest, double(std::abs(samples[n] - samples[n - 1])));
    return largest;
}

// The most a sine of the tone's pitch moves in one sample, plus the most its level may move.
double jumpBound(double toneFrequency, std::size_t rampSamples) {
    return toneAmplitude * (2 * std::numbers::pi * toneFrequency / sampleRate) +
           toneAmplitude / static_cast<double>(rampSamples) + 1e-6;
}

TEST(RunSynthesiser, TheToneNeverJumpsAndItsLoudnessFollowsTheLevels) {
    for (const char* slowdown : {"1", "20"}) {
        SCOPED_TRACE(testing::Message() << "slowdown " << slowdown);
        const RunSound sound =
            soundOfRun(ParameterTexts("200", "15", "2", "0", slowdown), RandomSequence());
        const std::vector<float> samples = rendered(sound);
        const auto ramp =
            static_cast<std::size_t>(sound.steps.front().toneRamp.count()) * samplesPerMillisecond;
        EXPECT_LE(largestJump(samples), jumpBound(sound.toneFrequency, ramp));

        // Once its ramp is over, each step's tone is as loud as its level says.
        const auto length =
            static_cast<std::size_t>(sound.steps.front().duration.count()) * samplesPerMillisecond;
        if (length <= ramp)
            continue;
        for (std::size_t step = 0; step < sound.steps.size(); ++step) {
            double power = 0;
            for (std::size_t n = step * length + ramp; n < (step + 1) * length; ++n)
                power += double(samples[n]) * samples[n];
            const double rms = std::sqrt(power / static_cast<double>(length - ramp));
            ASSERT_NEAR(rms, toneAmplitude * sound.steps[step].toneLevel / std::sqrt(2), 2e-3)
                << "step " << step + 1;
        }
    }
}

TEST(RunSynthesiser, TurnedOffItFadesToSilenceAtOnceWithoutAJump) {
    // Into the bright fringe on the axis, where the tone is loudest; and 1 ms into a step of
    // 60 ms, most of whose clicks are still to come.
    for (const auto& [mode, slowdown, steps] : {std::tuple{"1", "1", 200}, {"2", "20", 200}}) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        const RunSound sound =
            soundOfRun(ParameterTexts("200", "15", "2", mode, slowdown), RandomSequence());
        const auto stepLength = static_cast<std::size_t>(sound.steps.front().duration.count());
        RunSynthesiser synthesiser(sound, sampleRate);
        std::vector<float> samples((steps * stepLength + 1) * samplesPerMillisecond);
        ASSERT_EQ(synthesiser.render(samples), samples.size());
        ASSERT_GT(std::ranges::max(samples), 0.4f);
        synthesiser.fadeOut();
        const std::vector<float> fade = rendered(synthesiser);
        EXPECT_EQ(fade.size(), 10 * samplesPerMillisecond);
        if (std::string(mode) == "1") {
            samples.insert(samples.end(), fade.begin(), fade.end());
            EXPECT_LE(largestJump(samples),
                      jumpBound(sound.toneFrequency, 3 * samplesPerMillisecond));
            EXPECT_LT(std::abs(samples.back()), 1e-3);
        }
    }
}

TEST(RunSynthesiser, EachClickStartsOnItsSample) {
    using std::chrono::microseconds, std::chrono::milliseconds;
    const RunSound sound{
        800,
        {{milliseconds(10), 0, milliseconds(10), {microseconds(6000), microseconds(1000)}},
         {milliseconds(10), 0, milliseconds(10), {microseconds(9990)}}}};
    const std::vector<float> samples = rendered(sound);
    const auto heardFrom = [&](std::size_t first, std::size_t end) {
        for (std::size_t n = first; n < end; ++n) {
            if (samples.at(n) != 0)
                return n;
        }
        return end;
    };
    // A click begins at zero and is heard from the sample after; it lasts 2 ms.
    EXPECT_EQ(heardFrom(0, 960), 49u);
    EXPECT_EQ(heardFrom(49 + 2 * samplesPerMillisecond, 960), 289u);
    // The last click, 10 µs before the end of the step it belongs to, sounds on past its step.
    EXPECT_EQ(heardFrom(289 + 2 * samplesPerMillisecond, samples.size()), 480u + 480u);
    EXPECT_NE(samples.at(960 + 10), 0);
}

TEST(RunSynthesiser, HundredsOfClicksAtOnceStayWithinRange) {
    const RunSound sound = soundOfRun(ParameterTexts("100", "0", "2", "2", "1"), RandomSequence());
    const std::vector<float> samples = rendered(sound);
    EXPECT_TRUE(std::ranges::all_of(samples, [](float s) { return std::abs(s) <= 1; }));
    // Loud where the dots are thick, silent where there are none.
    const std::size_t length = 3 * samplesPerMillisecond;
    for (std::size_t step = 1; step < sound.steps.size(); ++step) {
        const std::span<const float> heard(samples.data() + step * length, length);
        const float loudest = std::max(std::ranges::max(heard), -std::ranges::min(heard));
        const std::size_t clicks = sound.steps[step].clicks.size();
        if (clicks > 100) {
            EXPECT_GT(loudest, 0.4) << "step " << step + 1;
        } else if (clicks == 0 && sound.steps[step - 1].clicks.empty()) {
            EXPECT_EQ(loudest, 0) << "step " << step + 1;
        }
    }
}

} // namespace
} // namespace lumorix
