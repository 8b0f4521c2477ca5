#pragma once

#include <chrono>
#include <span>
#include <string>

namespace lumorix {

// Why there is no sound.
struct SoundFailure {
    enum class Reason {
        noLibrary, // the sound library is not installed
        noServer,  // no sound server, or no device on it, would take a stream
        lost,      // the device stopped taking samples
    };
    Reason reason;
    std::string detail; // what the system said, in English
};

// Where played samples go: the sound server, or a recording in tests.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    virtual int sampleRate() const = 0;
    // Queues mono samples in [-1, 1], waiting while the device has no room for them. False once
    // the device has failed.
    virtual bool write(std::span<const float> samples) = 0;
    // How long a sample written now waits before it is heard.
    virtual std::chrono::microseconds latency() = 0;
    // Waits until everything written has been heard.
    virtual void drain() = 0;
};

} // namespace lumorix
