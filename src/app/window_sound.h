#pragma once

#include "experiment/parameter_fields.h"
#include "experiment/run_states.h"
#include "sound/sound_output.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace lumorix {

// The sound of the runs on the window, off at start-up. Turned on, it plays each run's sound in
// step with its picture, joining a run under way where the run is; turned off, it falls silent
// at once. The sound server is reached only once the sound is first turned on, so that a session
// that stays silent never loads its library.
class WindowSound final : public QObject {
public:
    using Output = std::function<std::unique_ptr<SoundOutput>(SoundOutput::FailureReport)>;
    // Told, on the window's thread, that the sound has turned itself off because it cannot be
    // heard: with the reason the first time in the session, for the user to be told, and without
    // it after that.
    using WentSilent = std::function<void(const std::optional<SoundFailure>& firstReason)>;

    WindowSound(WentSilent wentSilent, QObject* parent);

    // Where the sound goes in place of the sound server, as tests and benchmarks choose; before
    // the sound is first turned on.
    void setOutput(Output output) { makeOutput_ = std::move(output); }

    bool isOn() const { return on_; }
    // Turned on again after a failure, it tries the sound server anew.
    void setOn(bool on);

    // A run's first step begins now; its sound is worked out only if it is to be heard. And the
    // run has ended, or failed.
    void runBegins(std::function<RunSound()> sound);
    void runEnds();
    // A moment's tone for the point marker on a row: as loud as a run of the settings is there,
    // at its pitch. Heard only while the sound is on and no run sounds.
    void playPointTone(const ParameterFields& fields, const RunStates& states, int row);
    // Whatever sounds falls silent at once, as when the program is about to end.
    void silence();

private:
    struct Run {
        std::function<RunSound()> sound;
        SoundOutput::Clock::time_point start;
    };

    void failed(int attempt, const SoundFailure& failure);

    WentSilent wentSilent_;
    Output makeOutput_;
    std::unique_ptr<SoundOutput> output_;
    std::optional<Run> run_;
    bool on_ = false;
    int attempts_ = 0;
    bool failureReported_ = false;
};

} // namespace lumorix
