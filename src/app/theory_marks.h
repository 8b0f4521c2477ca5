#pragma once

#include "experiment/parameter_fields.h"
#include "experiment/theory_fringes.h"

#include <QPainter>
#include <optional>

namespace lumorix {

// The formula's fringes over the window's picture, for the settings as they are now. Where the
// paths from the two holes differ by a whole number of wavelengths, a thin line across the
// pattern, labelled with that number, and a tick across the detector line; where they differ by
// a half number, lighter ones. They are painted over the window, never into the picture, so a
// copy or a save of the picture never holds them.
class TheoryMarks {
public:
    // The fields have changed: the marks follow them.
    void follow(const ParameterFields& fields);
    // Paints them with a painter in the client area's logical pixels.
    void paint(QPainter& painter) const;

private:
    TheoryFringes fringes_;
    std::optional<double> detectorX_;
    int labelledEvery_ = 1; // the orders labelled: the multiples of this
};

} // namespace lumorix
