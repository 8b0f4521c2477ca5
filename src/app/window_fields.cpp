#include "window_fields.h"

namespace lumorix {

TextField::TextField(const QString& name, const QString& text, QObject* parent)
    : QObject(parent)
    , text_(text) {
    setObjectName(name);
}

TextField* WindowFields::fieldFor(ParameterField field) const {
    return fields_.at(static_cast<std::size_t>(field));
}

std::string WindowFields::text(ParameterField field) const {
    return fieldFor(field)->text().toStdString();
}

void WindowFields::setText(ParameterField field, const QString& text) {
    fieldFor(field)->setText(text);
}

} // namespace lumorix
