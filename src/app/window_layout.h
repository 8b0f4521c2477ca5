#pragma once

#include "design/client_scale.h"
#include "experiment/parameter_fields.h"
#include "surface_labels.h"
#include "window_fields.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <QWidget>
#include <vector>

namespace lumorix {

// An option button and what its click handler writes: the handlers opVelka_Click to
// opPomalá_Click are these rows.
struct OptionHandler {
    QRadioButton* option;
    ParameterField field;
    QString text;
};

// The controls of the window, as laid out at design time.
struct WindowControls {
    QPushButton* cmdStart;
    QPushButton* cmdKonec;
    QScrollBar* HScroll1;
    WindowFields::Fields fields;
    std::vector<SurfaceLabel*> surfaceLabels; // every label, in the label board's painting order
    std::vector<QGroupBox*> frames;           // as the design lists them
    std::vector<OptionHandler> options;       // top of the window down
};

// Creates every control of the window at its design place, with its name, caption, font,
// colours, visibility and keyboard order. No option is selected yet.
WindowControls layOutControls(QWidget& window);

// Puts the window's controls, but for the labels, where a placement puts the client area, with
// their fonts and frames scaled alike: at the default placement, the design as it is.
void placeControls(QWidget& window, const WindowControls& controls,
                   const ClientPlacement& placement);

// Within a frame the keyboard stops only at the selected option: it keeps tab focus, its
// siblings take focus only by a click.
void makeTabStopOfSelected(QRadioButton* selected);

// The application-wide look that the fixed layout relies on, before any window is created: the
// Fusion style everywhere, and the metric-compatible Liberation fonts where the design fonts
// are missing.
void setUpLookAndFeel();

} // namespace lumorix
