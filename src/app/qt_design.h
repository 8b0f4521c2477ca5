#pragma once

#include "design/window_design.h"

#include <QRect>
#include <QString>
#include <string_view>

namespace lumorix {

// The values of the design tables as Qt takes them.

inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QRect toQRect(const Box& box) {
    return QRect(box.left, box.top, box.width, box.height);
}

} // namespace lumorix
