#include "pulse_sound_device.h"

#include <cstdint>
#include <dlfcn.h>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <utility>

namespace lumorix {

namespace {

// The library stays mapped once loaded (RTLD_NODELETE): its threads and thread-local data may
// outlive a stream, and loading it again costs nothing.
class Library {
public:
    explicit Library(const char* name)
        : handle_(dlopen(name, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {}
    ~Library() {
        if (handle_)
            dlclose(handle_);
    }
    Library(Library&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)) {}
    Library& operator=(Library&&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }

    template <typename Function> bool find(Function*& function, const char* name) const {
        function = reinterpret_cast<Function*>(dlsym(handle_, name));
        return function != nullptr;
    }

private:
    void* handle_;
};

struct PulseSimple {
    decltype(pa_simple_new)* open;
    decltype(pa_simple_free)* close;
    decltype(pa_simple_write)* write;
    decltype(pa_simple_drain)* drain;
    decltype(pa_simple_get_latency)* latency;
    decltype(pa_strerror)* describe;

    bool findIn(const Library& library) {
        return library.find(open, "pa_simple_new") && library.find(close, "pa_simple_free") &&
               library.find(write, "pa_simple_write") && library.find(drain, "pa_simple_drain") &&
               library.find(latency, "pa_simple_get_latency") &&
               library.find(describe, "pa_strerror");
    }
};

class PulseSoundDevice final : public SoundDevice {
public:
    PulseSoundDevice(Library library, PulseSimple pulse, pa_simple* stream, int sampleRate)
        : library_(std::move(library))
        , pulse_(pulse)
        , stream_(stream)
        , sampleRate_(sampleRate) {}
    ~PulseSoundDevice() override { pulse_.close(stream_); }
    PulseSoundDevice(const PulseSoundDevice&) = delete;
    PulseSoundDevice& operator=(const PulseSoundDevice&) = delete;

    int sampleRate() const override { return sampleRate_; }
    bool write(std::span<const float> samples) override {
        int error = 0;
        return pulse_.write(stream_, samples.data(), samples.size_bytes(), &error) == 0;
    }
    std::chrono::microseconds latency() override {
        int error = 0;
        return std::chrono::microseconds(pulse_.latency(stream_, &error));
    }
    void drain() override {
        int error = 0;
        pulse_.drain(stream_, &error);
    }

private:
    Library library_;
    PulseSimple pulse_;
    pa_simple* stream_;
    int sampleRate_;
};

} // namespace

std::variant<std::unique_ptr<SoundDevice>, SoundFailure> openPulseSoundDevice(PulseStream stream) {
    Library library(stream.library);
    PulseSimple pulse{};
    if (!library || !pulse.findIn(library)) {
        const char* reason = dlerror();
        return SoundFailure{SoundFailure::Reason::noLibrary, reason ? reason : stream.library};
    }

    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(stream.sampleRate),
                                1};
    const auto latencyBytes = static_cast<std::uint32_t>(stream.sampleRate * sizeof(float) *
                                                         stream.latency.count() / 1000);
    // Only the target length is ours; the server chooses the rest to suit it.
    constexpr auto serversChoice = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer{.maxlength = serversChoice,
                                .tlength = latencyBytes,
                                .prebuf = serversChoice,
                                .minreq = serversChoice,
                                .fragsize = serversChoice};
    int error = 0;
    pa_simple* handle = pulse.open(nullptr, "Lumorix", PA_STREAM_PLAYBACK, nullptr, "Zvuk", &format,
                                   nullptr, &buffer, &error);
    if (!handle) {
        const char* reason = pulse.describe(error);
        return SoundFailure{SoundFailure::Reason::noServer, reason ? reason : "no server"};
    }
    return std::make_unique<PulseSoundDevice>(std::move(library), pulse, handle, stream.sampleRate);
}

} // namespace lumorix
