#pragma once

#include "experiment/parameter_fields.h"

#include <QLineEdit>
#include <QString>
#include <array>

namespace lumorix {

// The hidden text fields of the window that hold the run's parameters.
class WindowFields final : public ParameterFields {
public:
    using Edits = std::array<QLineEdit*, parameterFieldCount>; // indexed by ParameterField

    // The edits belong to the window.
    explicit WindowFields(Edits edits)
        : edits_(edits) {}

    std::string text(ParameterField field) const override;
    void setText(ParameterField field, const QString& text);

private:
    QLineEdit* edit(ParameterField field) const;

    Edits edits_;
};

} // namespace lumorix
