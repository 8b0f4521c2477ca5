#include "sound_output.h"

#include "sound/synthesiser.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

namespace lumorix {

namespace {

// Blocks of 5 ms: a request to stop is heard after at most one block more than the device holds.
constexpr int blocksPerSecond = 200;

} // namespace

SoundOutput::SoundOutput(Opener open, FailureReport failed)
    : thread_(
          [this, open = std::move(open), failed = std::move(failed)] { playback(open, failed); }) {}

SoundOutput::~SoundOutput() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void SoundOutput::play(RunSound sound) {
    {
        const std::lock_guard lock(mutex_);
        toPlay_ = std::move(sound);
    }
    wake_.notify_one();
}

void SoundOutput::stop() {
    {
        const std::lock_guard lock(mutex_);
        toStop_ = true;
    }
    wake_.notify_one();
}

void SoundOutput::playback(const Opener& open, const FailureReport& failed) {
    try {
        auto opened = open();
        if (const auto* failure = std::get_if<SoundFailure>(&opened)) {
            failed(*failure);
            return;
        }
        playOn(*std::get<std::unique_ptr<SoundDevice>>(opened), failed);
    } catch (const std::exception& error) {
        failed({SoundFailure::Reason::lost, error.what()});
    }
}

void SoundOutput::playOn(SoundDevice& device, const FailureReport& failed) {
    std::vector<RunSynthesiser> voices;
    std::vector<float> mix(static_cast<std::size_t>(device.sampleRate() / blocksPerSecond));
    std::vector<float> voice(mix.size());
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return toPlay_ || toStop_ || closing_ || !voices.empty(); });
            if (toPlay_ || toStop_ || closing_) {
                for (RunSynthesiser& playing : voices)
                    playing.fadeOut();
            }
            if (toPlay_ && !closing_)
                voices.emplace_back(*std::move(toPlay_), device.sampleRate());
            toPlay_.reset();
            toStop_ = false;
            if (closing_ && voices.empty())
                break;
        }

        std::ranges::fill(mix, 0.0f);
        std::size_t length = 0;
        for (RunSynthesiser& playing : voices) {
            const std::size_t rendered = playing.render(voice);
            for (std::size_t n = 0; n < rendered; ++n)
                mix[n] = std::clamp(mix[n] + voice[n], -1.0f, 1.0f);
            length = std::max(length, rendered);
        }
        std::erase_if(voices, [](const RunSynthesiser& playing) { return playing.finished(); });
        if (length > 0 && !device.write(std::span(mix).first(length))) {
            failed({SoundFailure::Reason::lost, "the device took no more samples"});
            return;
        }
    }
    device.drain();
}

} // namespace lumorix
