#include "parameter_fields.h"

#include "canvas/conversions.h"

#include <utility>

namespace lumorix {

std::string_view objectName(ParameterField field) {
    static constexpr std::array<std::string_view, parameterFieldCount> names{
        "nVzdalenost", "nOdchylka", "nKmitočet", "nInterference", "nSpomaleni",
    };
    return names.at(static_cast<std::size_t>(field));
}

double ParameterFields::number(ParameterField field) const {
    return textToNumber(text(field));
}

bool ParameterFields::matches(ParameterField field, int key) const {
    return matchesWholeNumber(text(field), key);
}

ParameterTexts::ParameterTexts(std::string distance, std::string offset, std::string frequency,
                               std::string mode, std::string slowdown)
    : texts_{std::move(distance), std::move(offset), std::move(frequency), std::move(mode),
             std::move(slowdown)} {}

std::string ParameterTexts::text(ParameterField field) const {
    return texts_.at(static_cast<std::size_t>(field));
}

void ParameterTexts::setText(ParameterField field, std::string text) {
    texts_.at(static_cast<std::size_t>(field)) = std::move(text);
}

} // namespace lumorix
