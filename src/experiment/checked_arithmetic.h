#pragma once

#include "core/fatal_error.h"

#include <cmath>

namespace lumorix {

// The run's arithmetic never carries an infinity or a NaN onward: an overflow or an invalid
// result ends the run with a fatal error at the place where it arises.
inline double finiteOrOverflow(double value) {
    if (!std::isfinite(value))
        throw FatalError::overflow();
    return value;
}

inline double reciprocal(double value) {
    if (value == 0.0)
        throw FatalError::divisionByZero();
    return finiteOrOverflow(1.0 / value);
}

inline double squared(double value) {
    return value * value;
}

} // namespace lumorix
