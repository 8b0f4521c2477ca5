#include "canvas_call.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace lumorix {

namespace {

template <typename Number> std::string shortest(Number value) {
    std::array<char, 512> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

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

std::string shortestText(float value) {
    return shortest(value);
}
std::string shortestText(double value) {
    return shortest(value);
}

std::string colourText(Colour colour) {
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "0x%06X", static_cast<unsigned>(colour.packed()));
    return buffer.data();
}

std::string toText(const CanvasCall& call) {
    return std::visit(CallText{}, call);
}

} // namespace lumorix
