#pragma once

#include "sound/run_sound.h"
#include "sound_device.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <variant>

namespace lumorix {

// Plays the sounds of runs on a playback thread of its own, which opens the device, renders the
// samples and waits on the device, so that the caller never waits for any of it.
class SoundOutput {
public:
    using Opener = std::function<std::variant<std::unique_ptr<SoundDevice>, SoundFailure>()>;
    using FailureReport = std::function<void(const SoundFailure&)>;

    // Opens the device with open, on the playback thread. A failure, in opening or later, is
    // reported once, on that thread (pass it on to your own), and the output stays silent.
    SoundOutput(Opener open, FailureReport failed);
    // What still sounds fades out and is heard out before the thread ends.
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Starts the sound now, as the run's first step begins: it keeps the run's time from there.
    // A sound still playing fades out.
    void play(RunSound sound);
    // Whatever plays fades out.
    void stop();

private:
    void playback(const Opener& open, const FailureReport& failed);
    void playOn(SoundDevice& device, const FailureReport& failed);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<RunSound> toPlay_;
    bool toStop_ = false;
    bool closing_ = false;
    // Last, so that it starts once everything it uses is there.
    std::thread thread_;
};

} // namespace lumorix
