#pragma once

#include <QString>
#include <string_view>

namespace lumorix {

// A UTF-8 text of the design tables as Qt holds it.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace lumorix
