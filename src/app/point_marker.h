#pragma once

#include "design/client_scale.h"
#include "design/point_marks.h"
#include "experiment/parameter_fields.h"
#include "experiment/run_states.h"

#include <QPainter>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <optional>

namespace lumorix {

// "Zkoumat bod": a marker on the detector line of the next run, and the readout at its row. It is
// a control of its own, which assistive technology meets as a slider named "Zkoumaný bod" whose
// value is the readout's text: the widget is a small box around the marker, which takes the
// focus, moves by the arrow keys, Page Up and Down, Home and End, and frames itself while
// focused. The marks and the readout are painted by the window over the picture, never into it,
// with paintMarks(); clicks and drags reach the marker through the window, which knows where the
// client area is shown.
class PointMarker final : public QWidget {
    Q_OBJECT

public:
    // Told of every move, after the marker has been moved and announced.
    using Moved = std::function<void()>;

    // Belongs to the window; hidden until shown. It stands at first on initialPointRow() of the
    // scene that the fields and states make.
    PointMarker(QWidget& window, const ParameterFields& fields, const RunStates& states,
                Moved moved);

    int row() const { return row_; }
    // The readout's text, the marker's value; empty where there is nothing to read.
    QString readout() const;
    // The scene of the next run: the marker stands on its detector line, the marks follow it.
    void follow(const ParameterFields& fields, const RunStates& states);
    // Where the window shows the client area.
    void setPlacement(const ClientPlacement& placement);
    // Whether the marks are shown: not while a run draws.
    void showMarks(bool shown);

    // Puts the marker on a row of the scan.
    void moveTo(int row);
    // A press, a drag or a release of the left button at a point of the client area (logical
    // pixels): a press on the detector line puts the marker there and begins a drag, which
    // moves it along the line wherever the pointer goes until the button is let go. Returns
    // whether the marker took it.
    bool press(QPointF point);
    bool drag(QPointF point);
    bool release();

    // Paints the marks and the readout with a painter in the client area's logical pixels.
    void paintMarks(QPainter& painter) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placeOnRow();
    std::optional<int> rowAt(QPointF point) const;

    Moved moved_;
    ParameterTexts fields_;
    RunStates states_;
    std::optional<PointMarks> marks_;
    int row_;
    double detectorX_ = 0;
    ClientPlacement placement_;
    bool marksShown_ = true;
    bool dragging_ = false;
};

} // namespace lumorix
