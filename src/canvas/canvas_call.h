#pragma once

#include "colour.h"

#include <optional>
#include <string>
#include <variant>

namespace lumorix {

// One value per canvas operation. A drawing call without a colour draws in the foreground colour.
struct SetScalePixels {
    friend bool operator==(const SetScalePixels&, const SetScalePixels&) = default;
};
struct DrawLine {
    float x1, y1, x2, y2;
    std::optional<Colour> colour;
    friend bool operator==(const DrawLine&, const DrawLine&) = default;
};
struct DrawCircle {
    float x, y, radius;
    std::optional<Colour> colour;
    friend bool operator==(const DrawCircle&, const DrawCircle&) = default;
};
struct SetDrawWidth {
    int width;
    friend bool operator==(const SetDrawWidth&, const SetDrawWidth&) = default;
};
struct SetFillSolid {
    friend bool operator==(const SetFillSolid&, const SetFillSolid&) = default;
};
struct SetFillColour {
    Colour colour;
    friend bool operator==(const SetFillColour&, const SetFillColour&) = default;
};
// The number that the random sequence handed out.
struct NextRandom {
    float value;
    friend bool operator==(const NextRandom&, const NextRandom&) = default;
};

using CanvasCall = std::variant<SetScalePixels, DrawLine, DrawCircle, SetDrawWidth, SetFillSolid,
                                SetFillColour, NextRandom>;

// The call as one line of a trace, e.g. "drawLine 150 300 250 285" or "setFillColour 0xC0C0C0".
std::string toText(const CanvasCall& call);

std::string colourText(Colour colour);

} // namespace lumorix
