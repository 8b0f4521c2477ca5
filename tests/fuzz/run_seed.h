#pragma once

// The run fuzzer's input: the five field texts, one per line, in the order nVzdalenost, nOdchylka,
// nKmitočet, nInterference, nSpomaleni. Missing lines are empty fields; the last field takes the
// rest. The seed runs are replayed by tests too.

#include "experiment/parameter_fields.h"

#include <string>
#include <string_view>

namespace lumorix {

inline ParameterTexts fieldsFromRunSeed(std::string_view input) {
    std::string texts[parameterFieldCount];
    for (std::size_t field = 0; field + 1 < parameterFieldCount; ++field) {
        const std::size_t end = input.find('\n');
        texts[field] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    texts[parameterFieldCount - 1] = std::string(input);
    return ParameterTexts(texts[0], texts[1], texts[2], texts[3], texts[4]);
}

} // namespace lumorix
