#include "app/pulse_sound_device.h"
#include "app/sound_output.h"
#include "sound/synthesiser.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstddef>
#include <cstdlib>
#include <dlfcn.h>
#include <future>
#include <gtest/gtest.h>
#include <limits>
#include <mutex>

namespace lumorix {
namespace {

using namespace std::chrono_literals;

constexpr int sampleRate = 48000;
// Long enough for any machine; only a fault waits this long.
constexpr auto hangGuard = 60s;

// A stand-in for the device, which records what it receives. Time stands still for it
// (frozenClock): nothing it has received has been heard yet. It can hold the playback thread back,
// as a full device buffer does, until the test makes room, and it can fall behind, as a device
// does that was left without samples for a moment. It outlives the output that owns its device.
struct Recording {
    std::vector<float> samples; // read once the output has gone
    std::size_t room = std::numeric_limits<std::size_t>::max();
    std::size_t behindFrom = std::numeric_limits<std::size_t>::max();
    std::chrono::microseconds behindBy{0};
    bool drained = false;
    std::mutex mutex;
    std::condition_variable changed;

    bool waitFor(std::size_t count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, hangGuard, [&] { return samples.size() >= count; });
    }
    void makeRoom(std::size_t total) {
        const std::lock_guard lock(mutex);
        room = total;
        changed.notify_all();
    }

    SoundOutput::Opener device() {
        struct Device final : SoundDevice {
            explicit Device(Recording& recording)
                : to(recording) {}
            int sampleRate() const override { return lumorix::sampleRate; }
            bool write(std::span<const float> samples) override {
                std::unique_lock lock(to.mutex);
                to.changed.wait(lock, [&] { return to.samples.size() < to.room; });
                to.samples.insert(to.samples.end(), samples.begin(), samples.end());
                to.changed.notify_all();
                return true;
            }
            std::chrono::microseconds latency() override {
                const std::lock_guard lock(to.mutex);
                return to.samples.size() * 1'000'000us / lumorix::sampleRate +
                       (to.samples.size() >= to.behindFrom ? to.behindBy : 0us);
            }
            void drain() override {
                const std::lock_guard lock(to.mutex);
                to.drained = true;
            }
            Recording& to;
        };
        return [this]() -> std::variant<std::unique_ptr<SoundDevice>, SoundFailure> {
            return std::make_unique<Device>(*this);
        };
    }
};

SoundOutput::Clock::time_point frozenClock() {
    return SoundOutput::Clock::time_point{};
}

void noFailureExpected(const SoundFailure& failure) {
    ADD_FAILURE() << "the device failed: " << failure.detail;
}

std::vector<float> synthesised(const RunSound& sound) {
    RunSynthesiser synthesiser(sound, sampleRate);
    std::vector<float> samples(10 * sampleRate);
    samples.resize(synthesiser.render(samples));
    return samples;
}

TEST(SoundOutput, StoppedMidRunItFadesToSilenceAtOnce) {
    const RunSound sound = soundOfRun(ParameterTexts("200", "15", "2", "0", "1"), RandomSequence());
    Recording recording;
    // Deep into the run, in the bright fringe on the axis.
    const std::size_t beforeStop = 600 * sampleRate / 1000;
    recording.makeRoom(beforeStop);
    {
        SoundOutput output(recording.device(), noFailureExpected, frozenClock);
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
        SoundOutput output(recording.device(), noFailureExpected, frozenClock);
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

TEST(PulseSoundDevice, WithoutAServerItFailsCleanlyAndTheOutputStaysSilent) {
    // Each test runs in a process of its own: nothing has asked for sound before.
    ASSERT_EQ(dlopen(PulseStream{}.library, RTLD_LAZY | RTLD_NOLOAD), nullptr)
        << "the sound library is loaded before sound is turned on";
    setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    std::promise<SoundFailure> reported;
    int reports = 0;
    {
        SoundOutput output([] { return openPulseSoundDevice(PulseStream{}); },
                           [&](const SoundFailure& failure) {
                               if (++reports == 1)
                                   reported.set_value(failure);
                           });
        auto failure = reported.get_future();
        ASSERT_EQ(failure.wait_for(hangGuard), std::future_status::ready);
        const SoundFailure why = failure.get();
        EXPECT_EQ(why.reason, SoundFailure::Reason::noServer) << why.detail;
        output.play(soundOfRun(ParameterTexts("200", "15", "2", "0", "1"), RandomSequence()));
        output.stop();
    }
    EXPECT_EQ(reports, 1);
}

TEST(PulseSoundDevice, WithoutTheLibraryItFailsCleanly) {
    PulseStream stream;
    stream.library = "libpulse-simple-absent.so.0";
    const auto opened = openPulseSoundDevice(stream);
    ASSERT_TRUE(std::holds_alternative<SoundFailure>(opened));
    EXPECT_EQ(std::get<SoundFailure>(opened).reason, SoundFailure::Reason::noLibrary);
    EXPECT_NE(std::get<SoundFailure>(opened).detail.find("libpulse-simple-absent"),
              std::string::npos);
}

} // namespace
} // namespace lumorix
