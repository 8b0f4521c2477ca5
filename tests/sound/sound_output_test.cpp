#include "sound/recording_sound_device.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace lumorix {
namespace {

using namespace std::chrono_literals;

void noFailureExpected(const SoundFailure& failure) {
    ADD_FAILURE() << "the device failed: " << failure.detail;
}

TEST(SoundOutput, StoppedMidRunItFadesToSilenceAtOnce) {
    const RunSound sound = soundOfRun(ParameterTexts("200", "15", "2", "0", "1"), RandomSequence());
    Recording recording;
    // Deep into the run, in the bright fringe on the axis.
    const std::size_t beforeStop = 600 * sampleRate / 1000;
    recording.makeRoom(beforeStop);
    {
        SoundOutput output(recording.device(), noFailureExpected, recording.clock());
        output.play(sound);
        ASSERT_TRUE(recording.waitFor(beforeStop));
        output.stop();
        recording.makeRoom(std::numeric_limits<std::size_t>::max());
    }
    const std::vector<float>& samples = recording.samples;
    // What the playback thread had in hand, then the fade.
    EXPECT_LE(samples.size(), beforeStop + (5 + 5 + 10) * sampleRate / 1000);
    EXPECT_GT(std::abs(samples[beforeStop - 100]), 0) << "stopped in silence, so proves nothing";
    EXPECT_LT(std::abs(samples.back()), 1e-3);
    for (std::size_t n = beforeStop; n < samples.size(); ++n)
        ASSERT_LT(std::abs(samples[n] - samples[n - 1]), 0.06) << "sample " << n;
}

TEST(SoundOutput, TheDeviceReceivesARunsSoundInOrderAndInTimeEvenWhenItFallsBehind) {
    const RunSound sound = soundOfRun(ParameterTexts("200", "15", "2", "2", "1"), RandomSequence());
    const std::vector<float> expected = synthesised(sound);
    // 399 steps of 3 ms, then the 10 ms fade.
    ASSERT_EQ(expected.size(), (399 * 3 + 10) * sampleRate / 1000);
    // After 300 ms the device is 100 ms late.
    const std::size_t untilBehind = 300 * sampleRate / 1000;
    const std::size_t skipped = 100 * sampleRate / 1000;
    Recording recording;
    recording.behindFrom = untilBehind;
    recording.behindBy = 100ms;
    {
        SoundOutput output(recording.device(), noFailureExpected, recording.clock());
        output.play(sound);
        ASSERT_TRUE(recording.waitFor(expected.size() - skipped));
    }
    const std::vector<float>& samples = recording.samples;
    ASSERT_EQ(samples.size(), expected.size() - skipped);
    // Whole until the device fell behind, and from a block later on, in time with the run.
    EXPECT_TRUE(std::equal(samples.begin(), samples.begin() + untilBehind, expected.begin()));
    const std::size_t onTime = untilBehind + 5 * sampleRate / 1000;
    EXPECT_TRUE(
        std::equal(samples.begin() + onTime, samples.end(), expected.begin() + onTime + skipped));
    EXPECT_TRUE(recording.drained) << "the program ended before its sound was heard";
}

TEST(SoundOutput, ASoundThatJoinsItsRunLateBeginsWhereTheRunIsAndFadesIn) {
    const RunSound sound = soundOfRun(ParameterTexts("200", "15", "2", "0", "1"), RandomSequence());
    const std::vector<float> expected = synthesised(sound);
    // Turned on 603 ms into the run, in the bright fringe on the axis, where the tone's phase is
    // not the one it has at the run's beginning.
    const std::size_t gone = 603 * sampleRate / 1000;
    const std::size_t fade = 5 * sampleRate / 1000;
    Recording recording;
    {
        SoundOutput output(recording.device(), noFailureExpected, recording.clock());
        output.play(sound, 603ms);
        ASSERT_TRUE(recording.waitFor(expected.size() - gone));
    }
    const std::vector<float>& samples = recording.samples;
    ASSERT_EQ(samples.size(), expected.size() - gone) << "the steps gone by are not heard";
    EXPECT_GT(*std::max_element(expected.begin() + gone, expected.begin() + gone + fade), 0.2)
        << "joined in silence, so proves nothing";
    EXPECT_EQ(samples.front(), 0) << "from silence";
    for (std::size_t n = 1; n < fade; ++n) {
        // The run's sound at that point, softer.
        ASSERT_GE(samples[n] * expected[gone + n], 0) << "sample " << n;
        ASSERT_LE(std::abs(samples[n]), std::abs(expected[gone + n]) + 1e-6) << "sample " << n;
        ASSERT_LT(std::abs(samples[n] - samples[n - 1]), 0.06) << "sample " << n;
    }
    EXPECT_TRUE(std::equal(samples.begin() + fade, samples.end(), expected.begin() + gone + fade))
        << "then in time with the run";
}

} // namespace
} // namespace lumorix
