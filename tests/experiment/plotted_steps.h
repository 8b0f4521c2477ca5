#pragma once

#include "design/window_design.h"
#include "experiment/apparatus.h"
#include "experiment/run_recorder.h"

#include <optional>
#include <string>
#include <vector>

namespace lumorix {

// What one scan step of a recorded run put beside the pattern axis, read from its calls.
struct PlottedStep {
    std::optional<double> bar;       // the bar's length, in light and photon mode
    std::optional<Colour> outline;   // the colour of the mark drawn at its end in its place
    int impactDots = 0;              // white dots drawn, in impact mode
    std::vector<float> dotRandoms{}; // the random numbers the dots took, in order
    std::vector<float> markers{};    // where the envelope markers stand: hole A, hole B, sum
    double pauseCount = 0;
};

// The steps of a whole run, the first (row 499) first; a step ends with its pause.
inline std::vector<PlottedStep> plottedSteps(const std::vector<RunCall>& calls) {
    std::vector<PlottedStep> steps;
    PlottedStep step;
    for (const RunCall& call : calls) {
        if (const auto* line = std::get_if<DrawLine>(&call)) {
            if (line->x1 == Apparatus::screenX && line->y1 == line->y2 && !line->colour)
                step.bar = double(line->x2) - double(line->x1);
            if (line->x1 >= Apparatus::screenX - 2 && line->y1 == line->y2 && line->colour) {
                step.bar = (double(line->x1) + double(line->x2)) / 2 - Apparatus::screenX;
                step.outline = line->colour;
            }
        } else if (const auto* circle = std::get_if<DrawCircle>(&call)) {
            if (circle->radius != 1)
                continue;
            if (circle->colour == colours::white)
                ++step.impactDots;
            else
                step.markers.push_back(circle->x);
        } else if (const auto* random = std::get_if<NextRandom>(&call)) {
            step.dotRandoms.push_back(random->value);
        } else if (const auto* pause = std::get_if<PauseFor>(&call)) {
            step.pauseCount = pause->delayCount;
            steps.push_back(std::move(step));
            step = {};
        }
    }
    return steps;
}

// The texts that the options of the field's frame write, top of the frame down.
inline std::vector<std::string> optionTexts(ParameterField field) {
    std::vector<std::string> texts;
    for (const FrameDesign& frame : frameDesigns()) {
        if (frame.field == field) {
            for (const OptionDesign& option : frame.options)
                texts.emplace_back(option.text);
        }
    }
    return texts;
}

// Every geometry the controls offer, each detector distance with each hole offset and each
// frequency, in one display mode.
inline std::vector<ParameterTexts> everyGeometry(const char* mode) {
    std::vector<ParameterTexts> geometries;
    for (const std::string& distance : optionTexts(ParameterField::nVzdalenost))
        for (const std::string& offset : optionTexts(ParameterField::nOdchylka))
            for (const std::string& frequency : optionTexts(ParameterField::nKmitocet))
                geometries.emplace_back(distance, offset, frequency, mode, "1");
    return geometries;
}

inline std::string geometryText(const ParameterFields& fields) {
    std::string text = "fields";
    for (const ParameterField field : {ParameterField::nVzdalenost, ParameterField::nOdchylka,
                                       ParameterField::nKmitocet, ParameterField::nInterference})
        text += ' ' + fields.text(field);
    return text;
}

// The steps of one run made with the fields and states from the random sequence's present state.
inline std::vector<PlottedStep> plottedRun(const ParameterFields& fields, RandomSequence random,
                                           const RunStates& states = {}) {
    RunRecorder recorder(random);
    recorder.run(fields, states);
    return plottedSteps(recorder.calls());
}

} // namespace lumorix
