#pragma once

#include "core/enum_table.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumorix {

// The five texts that hold a run's parameters.
enum class ParameterField {
    nVzdalenost,   // detector distance: the detector stands this many pixels right of the wall
    nOdchylka,     // hole offset: each hole lies this many pixels above or below the axis
    nKmitocet,     // frequency: radians of arrow turn per pixel of path length
    nInterference, // display mode: "0" light, "1" photon, "2" impact
    nSpomaleni,    // slowdown: counts of pause per scan step, in units of 30000
    count,
};

inline constexpr std::size_t parameterFieldCount = enumCount<ParameterField>;

// The field's name as the window knows it, Czech letters included ("nKmitočet").
std::string_view objectName(ParameterField field);

// How the pattern is plotted, as the display-mode field selects it with the text of the number.
enum class DisplayMode {
    light = 0,  // bars weighted by the envelopes and the calibration
    photon = 1, // bars scaled by a fixed factor
    impact = 2, // a band sprinkled with impact dots
};

// Read-only access to the parameter fields; a run never writes them.
class ParameterFields {
public:
    virtual ~ParameterFields() = default;
    virtual std::string text(ParameterField field) const = 0;

    // The field's text converted to a number; throws FatalError when it is not one.
    double number(ParameterField field) const;
    // Whether the field's text is exactly the text of the whole number key.
    bool matches(ParameterField field, int key) const;
};

// The display mode whose number the display-mode field holds, compared as text ("1", never "01");
// none for any other text.
std::optional<DisplayMode> displayMode(const ParameterFields& fields);

// Parameter fields as plain texts, for runs without a window.
class ParameterTexts final : public ParameterFields {
public:
    ParameterTexts(std::string distance, std::string offset, std::string frequency,
                   std::string mode, std::string slowdown);
    // The texts that the fields hold now.
    explicit ParameterTexts(const ParameterFields& fields);

    std::string text(ParameterField field) const override;
    void setText(ParameterField field, std::string text);

private:
    std::array<std::string, parameterFieldCount> texts_;
};

} // namespace lumorix
