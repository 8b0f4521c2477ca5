#include "synthesiser.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <utility>

namespace lumorix {

namespace {

constexpr double twoPi = 2 * std::numbers::pi;

// The tone at full level, and the most the clicks together reach: the sum stays within [-1, 1].
constexpr double toneAmplitude = 0.5;
constexpr double clickLimit = 0.5;

// A click: a burst at 3 kHz that dies away within 2 ms, like a counter's tick.
constexpr double clickPitch = 3000;
constexpr double clickDecay = 0.25e-3;
constexpr double clickLength = 2e-3;

std::vector<float> clickShape(int sampleRate) {
    std::vector<float> shape(static_cast<std::size_t>(clickLength * sampleRate));
    for (std::size_t n = 0; n < shape.size(); ++n) {
        const double time = static_cast<double>(n) / sampleRate;
        shape[n] =
            static_cast<float>(std::sin(twoPi * clickPitch * time) * std::exp(-time / clickDecay));
    }
    return shape;
}

} // namespace

RunSynthesiser::RunSynthesiser(RunSound sound, int sampleRate)
    : sound_(std::move(sound))
    , sampleRate_(sampleRate)
    , clickShape_(clickShape(sampleRate))
    , phaseStep_(twoPi * sound_.toneFrequency / sampleRate) {}

std::size_t RunSynthesiser::render(std::span<float> out) {
    std::size_t rendered = 0;
    for (; rendered < out.size(); ++rendered) {
        while (!fading_ && sample_ >= stepEnd_) {
            if (nextStep_ < sound_.steps.size())
                beginStep();
            else
                startFading();
        }
        if (finished())
            break;
        out[rendered] = toneSample() + clickSample();
        ++sample_;
    }
    return rendered;
}

void RunSynthesiser::fadeOut() {
    clicksToCome_.clear();
    if (!fading_)
        startFading();
}

bool RunSynthesiser::finished() const {
    return fading_ && sample_ >= rampEnd_ && clicksSounding_.empty() && clicksToCome_.empty();
}

void RunSynthesiser::beginStep() {
    const StepSound& step = sound_.steps[nextStep_++];
    const std::int64_t start = stepEnd_;
    const std::chrono::milliseconds startTime = stepEndTime_;
    stepEndTime_ += step.duration;
    stepEnd_ = samplesAt(stepEndTime_);
    rampTo(step.toneLevel, samplesAt(startTime + step.toneRamp));
    for (const std::chrono::microseconds click : step.clicks)
        clicksToCome_.push_back(start + samplesAt(click));
    std::sort(clicksToCome_.begin(), clicksToCome_.end(), std::greater{});
}

void RunSynthesiser::startFading() {
    rampTo(0, sample_ + samplesAt(maxToneRamp));
    fading_ = true;
}

// From the level of the last sample, so that the tone never jumps.
void RunSynthesiser::rampTo(float level, std::int64_t end) {
    rampFrom_ = level_;
    rampTo_ = level;
    rampStart_ = sample_;
    rampEnd_ = end;
}

float RunSynthesiser::toneSample() {
    if (sample_ < rampEnd_) {
        const auto progress = static_cast<float>(sample_ - rampStart_ + 1) /
                              static_cast<float>(rampEnd_ - rampStart_);
        level_ = rampFrom_ + (rampTo_ - rampFrom_) * progress;
    } else {
        level_ = rampTo_;
    }
    const double value = toneAmplitude * level_ * std::sin(phase_);
    phase_ += phaseStep_;
    if (phase_ >= twoPi)
        phase_ -= twoPi;
    return static_cast<float>(value);
}

float RunSynthesiser::clickSample() {
    while (!clicksToCome_.empty() && clicksToCome_.back() <= sample_) {
        clicksSounding_.push_back(clicksToCome_.back());
        clicksToCome_.pop_back();
    }
    if (clicksSounding_.empty())
        return 0;
    double sum = 0;
    for (const std::int64_t start : clicksSounding_)
        sum += clickShape_[static_cast<std::size_t>(sample_ - start)];
    const auto length = static_cast<std::int64_t>(clickShape_.size());
    std::erase_if(clicksSounding_,
                  [&](std::int64_t start) { return sample_ + 1 - start >= length; });
    return static_cast<float>(clickLimit * std::tanh(sum));
}

std::int64_t RunSynthesiser::samplesAt(std::chrono::microseconds time) const {
    return time.count() * sampleRate_ / 1'000'000;
}

} // namespace lumorix
