#include "window_fields.h"

namespace lumorix {

QLineEdit* WindowFields::edit(ParameterField field) const {
    return edits_.at(static_cast<std::size_t>(field));
}

std::string WindowFields::text(ParameterField field) const {
    return edit(field)->text().toStdString();
}

void WindowFields::setText(ParameterField field, const QString& text) {
    edit(field)->setText(text);
}

} // namespace lumorix
