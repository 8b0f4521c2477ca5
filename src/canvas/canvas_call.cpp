#include "canvas_call.h"

#include "core/decimal_text.h"

#include <array>
#include <cstdio>

namespace lumorix {

namespace {

std::string withColour(std::string text, const std::optional<Colour>& colour) {
    if (colour)
        text += ' ' + colourText(*colour);
    return text;
}

struct CallText {
    std::string operator()(const SetScalePixels&) const { return "setScalePixels"; }
    std::string operator()(const DrawLine& line) const {
        return withColour("drawLine " + shortestText(line.x1) + ' ' + shortestText(line.y1) + ' ' +
                              shortestText(line.x2) + ' ' + shortestText(line.y2),
                          line.colour);
    }
    std::string operator()(const DrawCircle& circle) const {
        return withColour("drawCircle " + shortestText(circle.x) + ' ' + shortestText(circle.y) +
                              ' ' + shortestText(circle.radius),
                          circle.colour);
    }
    std::string operator()(const SetDrawWidth& width) const {
        return "setDrawWidth " + std::to_string(width.width);
    }
    std::string operator()(const SetFillSolid&) const { return "setFillSolid"; }
    std::string operator()(const SetFillColour& fill) const {
        return "setFillColour " + colourText(fill.colour);
    }
    std::string operator()(const NextRandom& random) const {
        return "nextRandom " + shortestText(random.value);
    }
};

} // namespace

std::string colourText(Colour colour) {
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "0x%06X", static_cast<unsigned>(colour.packed()));
    return buffer.data();
}

std::string toText(const CanvasCall& call) {
    return std::visit(CallText{}, call);
}

} // namespace lumorix
