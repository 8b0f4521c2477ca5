#pragma once

#include "sound/sound_device.h"

#include <chrono>
#include <memory>
#include <variant>

namespace lumorix {

// A playback stream through PulseAudio's simple API, which PipeWire serves as well. The library is
// loaded when a stream is first opened, never linked, so that a program without sound neither
// needs it nor loads it.
struct PulseStream {
    int sampleRate = 48000;
    // Asked of the server as the buffer between a write and its sound: small, so that the sound
    // keeps up with the picture, and large enough for a busy machine not to leave gaps.
    std::chrono::milliseconds latency{20};
    const char* library = "libpulse-simple.so.0";
};

// Opens a mono stream of float samples on the default server's default device. Waits for the
// server, which may take long if it is remote: open it away from the user-interface thread.
std::variant<std::unique_ptr<SoundDevice>, SoundFailure> openPulseSoundDevice(PulseStream stream);

} // namespace lumorix
