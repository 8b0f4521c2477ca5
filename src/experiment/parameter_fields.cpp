#include "parameter_fields.h"

#include "core/conversions.h"
#include "core/enum_table.h"

#include <utility>

namespace lumorix {

std::string_view objectName(ParameterField field) {
    using enum ParameterField;
    static constexpr EnumTable<ParameterField, std::string_view> names{{
        {nVzdalenost, "nVzdalenost"},
        {nOdchylka, "nOdchylka"},
        {nKmitocet, "nKmitočet"},
        {nInterference, "nInterference"},
        {nSpomaleni, "nSpomaleni"},
    }};
    return names[field];
}

double ParameterFields::number(ParameterField field) const {
    return textToNumber(text(field));
}

bool ParameterFields::matches(ParameterField field, int key) const {
    return matchesWholeNumber(text(field), key);
}

std::optional<DisplayMode> displayMode(const ParameterFields& fields) {
    const std::string text = fields.text(ParameterField::nInterference);
    for (const DisplayMode mode : {DisplayMode::light, DisplayMode::photon, DisplayMode::impact}) {
        if (matchesWholeNumber(text, static_cast<int>(mode)))
            return mode;
    }
    return std::nullopt;
}

ParameterTexts::ParameterTexts(std::string distance, std::string offset, std::string frequency,
                               std::string mode, std::string slowdown)
    : texts_{std::move(distance), std::move(offset), std::move(frequency), std::move(mode),
             std::move(slowdown)} {}

ParameterTexts::ParameterTexts(const ParameterFields& fields) {
    for (std::size_t i = 0; i < parameterFieldCount; ++i)
        texts_.at(i) = fields.text(static_cast<ParameterField>(i));
}

std::string ParameterTexts::text(ParameterField field) const {
    return texts_.at(static_cast<std::size_t>(field));
}

void ParameterTexts::setText(ParameterField field, std::string text) {
    texts_.at(static_cast<std::size_t>(field)) = std::move(text);
}

} // namespace lumorix
