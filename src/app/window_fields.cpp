#include "window_fields.h"

namespace lumorix {

TextField::TextField(const QString& name, const QString& text, QObject* parent)
    : QObject(parent)
    , text_(text) {
    setObjectName(name);
}

TextField* WindowFields::field(ParameterField field) const {
    return fields_.at(static_cast<std::size_t>(field));
}

std::string WindowFields::text(ParameterField field) const {
    return this->field(field)->text().toStdString();
}

void WindowFields::setText(ParameterField field, const QString& text) {
    this->field(field)->setText(text);
}

} // namespace lumorix
