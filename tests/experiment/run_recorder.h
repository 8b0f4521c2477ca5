#pragma once

#include "canvas/recording_canvas.h"
#include "experiment/experiment.h"
#include "experiment/run_call.h"

#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace lumorix {

// Everything runs do to the world, recorded off screen in the order it was done: the canvas calls,
// the label operations and the pauses, none of which waits.
class RunRecorder {
public:
    // Does not take ownership of the random sequence, which outlives the recorder.
    explicit RunRecorder(RandomSequence& random)
        : stream_(random, [this](const RunCall& call) { calls_.push_back(call); }) {}

    std::optional<FatalError> run(const ParameterFields& fields, const RunStates& states = {}) {
        return runExperiment(stream_, fields, stream_, stream_, states);
    }
    // The canvas, labels and pause that record, for single sections of a run.
    RunCallStream& stream() { return stream_; }
    const CanvasState& canvasState() const { return stream_.state(); }

    const std::vector<RunCall>& calls() const { return calls_; }
    // Forgets the calls so far; the canvas state stays.
    void clear() { calls_.clear(); }
    template <typename Call> std::vector<Call> callsOf() const {
        return lumorix::callsOf<Call>(calls_);
    }
    template <typename Call> const Call& callAt(std::size_t index) const {
        return lumorix::callAt<Call>(calls_, index);
    }
    std::size_t canvasCallCount() const {
        std::size_t count = 0;
        for (const RunCall& call : calls_) {
            count += std::visit(
                [](const auto& c) { return std::is_convertible_v<decltype(c), CanvasCall>; }, call);
        }
        return count;
    }
    // Every call as one line of a trace.
    std::vector<std::string> script() const {
        std::vector<std::string> lines;
        for (const RunCall& call : calls_)
            lines.push_back(toText(call));
        return lines;
    }

private:
    std::vector<RunCall> calls_;
    RunCallStream stream_;
};

} // namespace lumorix
