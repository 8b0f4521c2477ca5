#include "window_sound.h"

#include "experiment/point_readout.h"
#include "pulse_sound_device.h"

#include <utility>

namespace lumorix {

namespace {

// Long enough to hear how loud it is, short enough to follow a key held down.
constexpr std::chrono::milliseconds pointToneLength{150};

std::unique_ptr<SoundOutput> pulseOutput(SoundOutput::FailureReport failed) {
    return std::make_unique<SoundOutput>([] { return openPulseSoundDevice(PulseStream{}); },
                                         std::move(failed));
}

} // namespace

WindowSound::WindowSound(WentSilent wentSilent, QObject* parent)
    : QObject(parent)
    , wentSilent_(std::move(wentSilent))
    , makeOutput_(pulseOutput) {}

void WindowSound::setOn(bool on) {
    on_ = on;
    if (!on_) {
        silence();
        return;
    }
    if (!output_) {
        // The failure comes from the playback thread; a report of an output given up since is
        // not this one's.
        output_ = makeOutput_([this, attempt = ++attempts_](const SoundFailure& failure) {
            QMetaObject::invokeMethod(
                this, [this, attempt, failure] { failed(attempt, failure); }, Qt::QueuedConnection);
        });
    }
    if (run_) {
        // Worked out first: how far into the run it joins is told once the sound is ready.
        RunSound sound = run_->sound();
        output_->play(std::move(sound), SoundOutput::Clock::now() - run_->start);
    }
}

void WindowSound::runBegins(std::function<RunSound()> sound) {
    run_ = Run{std::move(sound), SoundOutput::Clock::now()};
    if (on_)
        output_->play(run_->sound());
}

void WindowSound::runEnds() {
    // The sound lasts as long as the run's pauses, so it has ended with the run by itself.
    run_.reset();
}

void WindowSound::playPointTone(const ParameterFields& fields, const RunStates& states, int row) {
    if (!on_ || run_)
        return;
    const std::optional<PointReadout> readout = pointReadout(fields, states, row);
    if (!readout)
        return;
    const StepSound tone{pointToneLength, rowLoudness(fields, states, row), maxToneRamp, {}};
    output_->play(RunSound{toneFrequency(readout->scene.frequency), {tone}});
}

void WindowSound::silence() {
    if (output_)
        output_->stop();
}

void WindowSound::failed(int attempt, const SoundFailure& failure) {
    if (attempt != attempts_ || !output_)
        return;
    output_.reset();
    on_ = false;
    wentSilent_(failureReported_ ? std::nullopt : std::optional(failure));
    failureReported_ = true;
}

} // namespace lumorix
