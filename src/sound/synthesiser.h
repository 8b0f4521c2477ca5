#pragma once

#include "run_sound.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lumorix {

// Renders a run's sound as mono samples in [-1, 1], block by block, on the run's own time line:
// each step begins when the steps before it have lasted their durations. The tone keeps its phase
// and its level from step to step, a click that overhangs its step goes on into the next, and
// clicks sounding together are summed through a soft limit, however many there are. After the
// last step the tone fades out and the sound is over.
class RunSynthesiser {
public:
    // At 8000 samples a second or more.
    RunSynthesiser(RunSound sound, int sampleRate);

    // Fills out with the next samples and returns how many: fewer than out.size() only once the
    // sound is over.
    std::size_t render(std::span<float> out);
    // Ends the sound early, as when it is turned off: the tone fades out, and no click starts
    // that has not started yet.
    void fadeOut();
    bool finished() const;

private:
    void beginStep();
    void startFading();
    void rampTo(float level, std::int64_t end);
    float toneSample();
    float clickSample();
    std::int64_t samplesAt(std::chrono::microseconds time) const;

    RunSound sound_;
    int sampleRate_;
    std::vector<float> clickShape_;

    std::size_t nextStep_ = 0;
    std::chrono::milliseconds stepEndTime_{0};
    std::int64_t stepEnd_ = 0; // the sample where the step under way ends
    std::int64_t sample_ = 0;  // the next sample to render
    bool fading_ = false;

    double phase_ = 0;
    double phaseStep_;
    float level_ = 0; // the tone's level at the last sample rendered
    float rampFrom_ = 0;
    float rampTo_ = 0;
    std::int64_t rampStart_ = 0;
    std::int64_t rampEnd_ = 0;

    std::vector<std::int64_t> clicksToCome_; // first samples, the latest first
    std::vector<std::int64_t> clicksSounding_;
};

} // namespace lumorix
