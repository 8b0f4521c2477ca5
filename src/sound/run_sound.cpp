#include "run_sound.h"

#include "core/fatal_error.h"
#include "experiment/apparatus.h"
#include "experiment/detector_scan.h"
#include "experiment/row_numbers.h"

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

// A value's level relative to the greatest of the run.
float levelOf(double value, double greatest) {
    const auto level =
        greatest > 0 ? static_cast<float>(std::clamp(value / greatest, 0.0, 1.0)) : 0.0f;
    return level < silentBelow ? 0.0f : level;
}

template <typename Values> double greatestOf(const Values& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Levels relative to the brightest point of the run.
void setToneLevels(std::vector<StepSound>& steps, const std::vector<double>& plotted) {
    const double brightest = greatestOf(plotted);
    for (std::size_t step = 0; step < steps.size(); ++step)
        steps[step].toneLevel = levelOf(plotted[step], brightest);
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
                    std::chrono::nanoseconds countDuration, const RunStates& states) {
    RunSound sound{lowestTone, {}};
    std::vector<double> plotted;
    try {
        const Apparatus scene = apparatusFor(fields, states);
        sound.toneFrequency = toneFrequency(scene.frequency);
        const bool impact = displayMode(fields) == DisplayMode::impact;
        for (int scanStep = 1; scanStep <= scanSteps; ++scanStep) {
            const RowNumbers row = rowNumbers(fields, scene, scanPointAt(scanStep));
            const auto duration = pauseDuration(delayCount(fields), countDuration);
            sound.steps.push_back({duration, 0, std::min(duration, maxToneRamp),
                                   clicksOfDots(row.impactDots, duration, random)});
            plotted.push_back(impact ? 0 : row.plotted);
        }
    } catch (const FatalError&) {
        // The run ends where it fails, and its sound with it.
    }
    setToneLevels(sound.steps, plotted);
    return sound;
}

float rowLoudness(const ParameterFields& fields, const RunStates& states, int row) {
    if (row < topScanRow || row > bottomScanRow)
        return 0;
    const RunSound sound = soundOfRun(fields, RandomSequence(), pauseCountDuration, states);
    const auto step = static_cast<std::size_t>(scanPointOfRow(row).scanStep - 1);
    if (step >= sound.steps.size())
        return 0;
    if (displayMode(fields) != DisplayMode::impact)
        return sound.steps[step].toneLevel;
    std::vector<std::size_t> clicks;
    for (const StepSound& heard : sound.steps)
        clicks.push_back(heard.clicks.size());
    return levelOf(static_cast<double>(clicks[step]), static_cast<double>(greatestOf(clicks)));
}

} // namespace lumorix
