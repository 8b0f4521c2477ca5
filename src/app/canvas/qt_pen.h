#pragma once

#include <QColor>
#include <QPen>

namespace lumorix {

// The pen of every line and circle rim of the scene. The fast path learns its pixels from the
// painter with this pen, so whatever paints in the fast path's place must use it too.
inline QPen scenePen(const QColor& colour, int width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace lumorix
