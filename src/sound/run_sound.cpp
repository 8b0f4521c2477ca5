#include "run_sound.h"

#include "core/fatal_error.h"
#include "experiment/apparatus.h"
#include "experiment/detector_scan.h"
#include "experiment/intensity_model.h"
#include "experiment/pattern_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lumorix {

namespace {

constexpr double lowestTone = 200;
constexpr double highestTone = 800;

// A level below the least step of 16-bit sound is silence, so that a dark fringe is truly silent.
constexpr float silentBelow = 1.0f / 32768;

std::vector<std::chrono::microseconds> clicksOfDots(int dots, std::chrono::milliseconds duration,
                                                    RandomSequence& random) {
    const double span = std::chrono::duration<double, std::micro>(duration).count();
    std::vector<std::chrono::microseconds> clicks;
    clicks.reserve(static_cast<std::size_t>(dots));
    // The random number that places a dot along the band places its click within the step.
    for (int dot = 0; dot < dots; ++dot)
        clicks.emplace_back(static_cast<std::int64_t>(span * random.next()));
    return clicks;
}

// Levels relative to the brightest point of the run.
void setToneLevels(std::vector<StepSound>& steps, const std::vector<double>& plotted) {
    const double brightest =
        plotted.empty() ? 0 : *std::max_element(plotted.begin(), plotted.end());
    for (std::size_t step = 0; step < steps.size(); ++step) {
        const auto level = brightest > 0
                               ? static_cast<float>(std::clamp(plotted[step] / brightest, 0.0, 1.0))
                               : 0.0f;
        steps[step].toneLevel = level < silentBelow ? 0.0f : level;
    }
}

} // namespace

double toneFrequency(double frequency) {
    if (!(frequency > toneRange.lowest))
        return lowestTone;
    if (frequency >= toneRange.highest)
        return highestTone;
    const double position =
        std::log(frequency / toneRange.lowest) / std::log(toneRange.highest / toneRange.lowest);
    return lowestTone * std::pow(highestTone / lowestTone, position);
}

RunSound soundOfRun(const ParameterFields& fields, RandomSequence random,
                    std::chrono::nanoseconds countDuration) {
    RunSound sound{lowestTone, {}};
    std::vector<double> plotted;
    try {
        const Apparatus scene = apparatusFor(fields);
        sound.toneFrequency = toneFrequency(scene.frequency);
        const bool impact = displayMode(fields) == DisplayMode::impact;
        for (int scanStep = 1; scanStep <= scanSteps; ++scanStep) {
            const ScanPoint point = scanPointAt(scanStep);
            const double raw = phasorIntensity(scene, point);
            const Envelopes envelopes = envelopesAt(scene, point.scanY);
            const int dots = impact ? impactDotCount(raw, envelopes) : 0;
            const double intensity = impact ? 0 : scaleForDisplayMode(fields, raw, envelopes);
            const auto duration = pauseDuration(delayCount(fields), countDuration);
            sound.steps.push_back({duration, 0, std::min(duration, maxToneRamp),
                                   clicksOfDots(dots, duration, random)});
            plotted.push_back(intensity);
        }
    } catch (const FatalError&) {
        // The run ends where it fails, and its sound with it.
    }
    setToneLevels(sound.steps, plotted);
    return sound;
}

} // namespace lumorix
