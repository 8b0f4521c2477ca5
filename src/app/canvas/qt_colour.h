#pragma once

#include "canvas/colour.h"

#include <QColor>
#include <QRgb>

namespace lumorix {

// A colour of the scene as Qt takes it: opaque.
inline QColor toQColor(Colour colour) {
    return QColor(colour.red(), colour.green(), colour.blue());
}

inline QRgb toQRgb(Colour colour) {
    return qRgb(colour.red(), colour.green(), colour.blue());
}

} // namespace lumorix
