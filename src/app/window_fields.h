#pragma once

#include "experiment/parameter_fields.h"

#include <QObject>
#include <QString>
#include <array>

namespace lumorix {

// One parameter field of the window: a named text that is never shown, a child object of the
// window rather than a hidden line edit, which would cost a tenth of the start-up for nothing.
class TextField final : public QObject {
    Q_OBJECT

public:
    TextField(const QString& name, const QString& text, QObject* parent);

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

private:
    QString text_;
};

// The fields of the window that hold the run's parameters.
class WindowFields final : public ParameterFields {
public:
    using Fields = std::array<TextField*, parameterFieldCount>; // indexed by ParameterField

    // The fields belong to the window.
    explicit WindowFields(Fields fields)
        : fields_(fields) {}

    std::string text(ParameterField field) const override;
    void setText(ParameterField field, const QString& text);

private:
    TextField* fieldFor(ParameterField field) const;

    Fields fields_;
};

} // namespace lumorix
