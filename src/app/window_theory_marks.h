#pragma once

#include "design/theory_marks.h"

#include <QPainter>

namespace lumorix {

// The formula's fringes over the window's picture, for the settings as they are now. They are
// painted over the window, never into the picture, so a copy or a save of the picture never
// holds them.
class WindowTheoryMarks {
public:
    // The fields or the next run's states have changed: the marks follow them.
    void follow(const ParameterFields& fields, const RunStates& states) {
        marks_ = theoryMarks(fields, states);
    }
    // Paints them with a painter in the client area's logical pixels.
    void paint(QPainter& painter) const;

private:
    TheoryMarks marks_;
};

} // namespace lumorix
