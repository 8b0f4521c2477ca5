#pragma once

#include "sound/run_sound.h"
#include "sound_device.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <variant>

namespace lumorix {

// Plays the sounds of runs on a playback thread of its own, which opens the device, renders the
// samples and waits on the device, so that the caller never waits for any of it. A sound keeps the
// time of the run it belongs to: should the device fall behind (a busy machine can leave it
// without samples for a moment, and it then plays on from where it stopped), the sound skips
// what it is late by.
class SoundOutput {
public:
    using Clock = std::chrono::steady_clock;
    using Opener = std::function<std::variant<std::unique_ptr<SoundDevice>, SoundFailure>()>;
    using FailureReport = std::function<void(const SoundFailure&)>;

    // Opens the device with open, on the playback thread. A failure, in opening or later, is
    // reported once, on that thread (pass it on to your own), and the output stays silent. now
    // tells the time the runs keep.
    SoundOutput(Opener open, FailureReport failed,
                std::function<Clock::time_point()> now = Clock::now);
    // What still sounds fades out and is heard out before the thread ends.
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Starts the sound now, as the run's first step begins: it keeps the run's time from there.
    // Given how far into the run it is already, it joins the run where it is now, fading in. A
    // sound still playing fades out.
    void play(RunSound sound, Clock::duration intoTheRun = {});
    // Whatever plays fades out.
    void stop();

private:
    struct Request {
        RunSound sound;
        Clock::time_point start;
    };

    void playback(const Opener& open, const FailureReport& failed);
    void playOn(SoundDevice& device, const FailureReport& failed);

    std::function<Clock::time_point()> now_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> toPlay_;
    bool toStop_ = false;
    bool closing_ = false;
    // Last, so that it starts once everything it uses is there.
    std::thread thread_;
};

} // namespace lumorix
