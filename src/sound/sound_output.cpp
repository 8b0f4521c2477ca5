#include "sound_output.h"

#include "sound/synthesiser.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

namespace lumorix {

namespace {

using Clock = SoundOutput::Clock;

// Blocks of 5 ms: a request to stop is heard after at most one block more than the device holds.
constexpr int blocksPerSecond = 200;
// A sound heard later than this after its time skips ahead.
constexpr auto mostLate = std::chrono::milliseconds(10);
// A sound that joins its run late rises to its level over this long, rather than with a click.
constexpr auto joinFade = std::chrono::milliseconds(5);

// A run's sound under way.
struct Voice {
    Voice(RunSound sound, int sampleRate, Clock::time_point start)
        : synthesiser(std::move(sound), sampleRate)
        , sampleRate(sampleRate)
        , start(start) {}

    std::size_t render(std::span<float> out) {
        const std::size_t count = synthesiser.render(out);
        for (std::size_t n = 0; n < count && rendered + static_cast<std::int64_t>(n) < fadeInEnd;
             ++n) {
            out[n] *= static_cast<float>(rendered + static_cast<std::int64_t>(n) - fadeInStart) /
                      static_cast<float>(fadeInEnd - fadeInStart);
        }
        rendered += static_cast<std::int64_t>(count);
        return count;
    }
    // The sound joins its run now, after what has gone by: what is heard begins with a fade.
    void join(Clock::time_point heard, std::span<float> scratch) {
        catchUp(heard, scratch);
        if (rendered == 0)
            return;
        fadeInStart = rendered;
        fadeInEnd = rendered + sampleRate * joinFade.count() / 1000;
    }
    // When the next sample is due to be heard.
    Clock::time_point due() const {
        return start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                           static_cast<double>(rendered) / sampleRate));
    }
    // Renders and drops the samples that would be heard after their time.
    void catchUp(Clock::time_point heard, std::span<float> scratch) {
        const auto late = std::chrono::duration<double>(heard - due());
        if (late <= mostLate)
            return;
        for (auto skip = static_cast<std::int64_t>(late.count() * sampleRate); skip > 0;) {
            const std::size_t count =
                render(scratch.first(std::min(scratch.size(), static_cast<std::size_t>(skip))));
            if (count == 0)
                break;
            skip -= static_cast<std::int64_t>(count);
        }
    }

    RunSynthesiser synthesiser;
    int sampleRate;
    Clock::time_point start;
    std::int64_t rendered = 0;
    std::int64_t fadeInStart = 0;
    std::int64_t fadeInEnd = 0;
};

} // namespace

SoundOutput::SoundOutput(Opener open, FailureReport failed, std::function<Clock::time_point()> now)
    : now_(std::move(now))
    , thread_(
          [this, open = std::move(open), failed = std::move(failed)] { playback(open, failed); }) {}

SoundOutput::~SoundOutput() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void SoundOutput::play(RunSound sound, Clock::duration intoTheRun) {
    {
        const std::lock_guard lock(mutex_);
        toPlay_ = Request{std::move(sound), now_() - intoTheRun};
    }
    wake_.notify_one();
}

void SoundOutput::stop() {
    {
        const std::lock_guard lock(mutex_);
        // A sound asked for but not yet begun is not begun.
        toPlay_.reset();
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
    std::vector<Voice> voices;
    std::vector<float> mix(static_cast<std::size_t>(device.sampleRate() / blocksPerSecond));
    std::vector<float> voice(mix.size());
    for (;;) {
        bool joining = false;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return toPlay_ || toStop_ || closing_ || !voices.empty(); });
            if (toPlay_ || toStop_ || closing_) {
                for (Voice& playing : voices)
                    playing.synthesiser.fadeOut();
            }
            if (toPlay_ && !closing_) {
                voices.emplace_back(std::move(toPlay_->sound), device.sampleRate(), toPlay_->start);
                joining = true;
            }
            toPlay_.reset();
            toStop_ = false;
            if (closing_ && voices.empty())
                break;
        }
        if (joining)
            voices.back().join(now_() + device.latency(), voice);

        std::ranges::fill(mix, 0.0f);
        std::size_t length = 0;
        for (Voice& playing : voices) {
            const std::size_t rendered = playing.render(voice);
            for (std::size_t n = 0; n < rendered; ++n)
                mix[n] = std::clamp(mix[n] + voice[n], -1.0f, 1.0f);
            length = std::max(length, rendered);
        }
        if (length > 0 && !device.write(std::span(mix).first(length))) {
            failed({SoundFailure::Reason::lost, "the device took no more samples"});
            return;
        }
        const Clock::time_point heard = now_() + device.latency();
        for (Voice& playing : voices)
            playing.catchUp(heard, voice);
        std::erase_if(voices, [](const Voice& playing) { return playing.synthesiser.finished(); });
    }
    device.drain();
}

} // namespace lumorix
