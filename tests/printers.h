#pragma once

// Failing expectations print canvas calls as the lines of a trace.

#include "canvas/canvas_call.h"

#include <ostream>

namespace lumorix {

inline void PrintTo(const CanvasCall& call, std::ostream* os) {
    *os << toText(call);
}
inline void PrintTo(const DrawLine& call, std::ostream* os) {
    *os << toText(CanvasCall(call));
}
inline void PrintTo(const DrawCircle& call, std::ostream* os) {
    *os << toText(CanvasCall(call));
}
inline void PrintTo(Colour colour, std::ostream* os) {
    *os << colourText(colour);
}

} // namespace lumorix
