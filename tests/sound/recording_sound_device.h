#pragma once

#include "sound/sound_output.h"
#include "sound/synthesiser.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <span>
#include <variant>
#include <vector>

namespace lumorix {

inline constexpr int sampleRate = 48000;
// Long enough for any machine; only a fault waits this long.
inline constexpr auto hangGuard = std::chrono::seconds(60);

// A stand-in for the device, which records what it receives. It plays on a clock of its own,
// which stands still until the test has it hear everything received so far: until then nothing
// it has received has been heard. It can hold the playback thread back, as a full device buffer
// does, until the test makes room, and it can fall behind, as a device does that was left without
// samples for a moment. It outlives the output that owns its device.
struct Recording {
    std::vector<float> samples; // read once the output has gone, or through received()
    std::size_t room = std::numeric_limits<std::size_t>::max();
    std::size_t behindFrom = std::numeric_limits<std::size_t>::max();
    std::chrono::microseconds behindBy{0};
    std::chrono::microseconds heard{0}; // the device's clock
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
    std::vector<float> received() {
        const std::lock_guard lock(mutex);
        return samples;
    }
    // The clock moves on to the end of what has been received.
    void hearAll() {
        const std::lock_guard lock(mutex);
        heard = receivedTime();
    }
    // The time the output keeps: the device's clock.
    std::function<SoundOutput::Clock::time_point()> clock() {
        return [this] {
            const std::lock_guard lock(mutex);
            return SoundOutput::Clock::time_point(heard);
        };
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
                return to.receivedTime() - to.heard +
                       (to.samples.size() >= to.behindFrom ? to.behindBy
                                                           : std::chrono::microseconds(0));
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

private:
    std::chrono::microseconds receivedTime() const {
        return std::chrono::microseconds(static_cast<std::int64_t>(samples.size()) * 1'000'000 /
                                         lumorix::sampleRate);
    }
};

// The sound as the device should receive it, on the run's own time line.
inline std::vector<float> synthesised(const RunSound& sound) {
    RunSynthesiser synthesiser(sound, sampleRate);
    std::vector<float> samples(10 * sampleRate);
    samples.resize(synthesiser.render(samples));
    return samples;
}

} // namespace lumorix
