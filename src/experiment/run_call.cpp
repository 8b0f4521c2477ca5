#include "run_call.h"

#include "core/decimal_text.h"
#include "experiment.h"

#include <utility>

namespace lumorix {

namespace {

std::string labelText(std::string_view verb, SceneLabel label) {
    return std::string(verb) + ' ' + std::string(objectName(label));
}

struct RunCallText {
    std::string operator()(const ShowLabel& call) const { return labelText("show", call.label); }
    std::string operator()(const HideLabel& call) const { return labelText("hide", call.label); }
    std::string operator()(const SetLabelLeft& call) const {
        return labelText("left", call.label) + ' ' + shortestText(call.left);
    }
    std::string operator()(const SetLabelTop& call) const {
        return labelText("top", call.label) + ' ' + shortestText(call.top);
    }
    std::string operator()(const PauseFor& call) const {
        return "pause " + shortestText(call.delayCount);
    }
    // The canvas calls read as the canvas writes them.
    template <typename Call> std::string operator()(const Call& call) const {
        return toText(CanvasCall(call));
    }
};

} // namespace

std::string toText(const RunCall& call) {
    return std::visit(RunCallText{}, call);
}

std::string toText(const FatalError& error) {
    return "fatal " + std::to_string(error.number()) + ' ' + error.description();
}

RunCallStream::RunCallStream(RandomSequence& random, Sink sink)
    : Canvas(random)
    , sink_(std::move(sink)) {}

std::optional<FatalError> RunCallStream::run(const ParameterFields& fields,
                                             const RunStates& states) {
    try {
        return runExperiment(*this, fields, *this, *this, states);
    } catch (...) {
        return unexpectedFailure(std::current_exception());
    }
}

void RunCallStream::received(const CanvasCall& call) {
    std::visit([this](const auto& canvasCall) { sink_(canvasCall); }, call);
}

void RunCallStream::show(SceneLabel label) {
    sink_(ShowLabel{label});
}

void RunCallStream::hide(SceneLabel label) {
    sink_(HideLabel{label});
}

void RunCallStream::setLeft(SceneLabel label, float left) {
    sink_(SetLabelLeft{label, left});
}

void RunCallStream::setTop(SceneLabel label, float top) {
    sink_(SetLabelTop{label, top});
}

void RunCallStream::wait(double delayCount) {
    sink_(PauseFor{delayCount});
}

} // namespace lumorix
