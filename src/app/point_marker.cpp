#include "point_marker.h"

#include "app/canvas/qt_colour.h"
#include "core/fatal_error.h"
#include "experiment/apparatus.h"
#include "experiment/detector_scan.h"
#include "qt_design.h"

#include <QAccessibleValueChangeEvent>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

namespace lumorix {

namespace {

// The marker's box around the point, wider than the marker itself, so that the focus frame
// around it leaves the marker clear.
constexpr int boxHalfWidth = 13;
constexpr int boxHalfHeight = 6;
constexpr double focusFrameWidth = 2;

// A slider to assistive technology: its value is the row, which it can set, and the readout is
// the value's text.
class AccessiblePointMarker final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessiblePointMarker(PointMarker* marker)
        : QAccessibleWidget(marker, QAccessible::Slider) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return marker()->readout();
        return QAccessibleWidget::text(kind);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return marker()->row(); }
    void setCurrentValue(const QVariant& value) override { marker()->moveTo(value.toInt()); }
    QVariant maximumValue() const override { return bottomScanRow; }
    QVariant minimumValue() const override { return topScanRow; }
    QVariant minimumStepSize() const override { return 1; }

private:
    PointMarker* marker() const { return static_cast<PointMarker*>(widget()); }
};

// Qt's accessibility cache owns the interface.
QAccessibleInterface* markerInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(PointMarker::staticMetaObject.className()))
        return nullptr;
    return new AccessiblePointMarker(static_cast<PointMarker*>(object));
}

std::optional<PointMove> moveOfKey(int key) {
    switch (key) {
    case Qt::Key_Up:
        return PointMove::up;
    case Qt::Key_Down:
        return PointMove::down;
    case Qt::Key_PageUp:
        return PointMove::pageUp;
    case Qt::Key_PageDown:
        return PointMove::pageDown;
    case Qt::Key_Home:
        return PointMove::home;
    case Qt::Key_End:
        return PointMove::end;
    default:
        return std::nullopt;
    }
}

} // namespace

PointMarker::PointMarker(QWidget& window, const ParameterFields& fields, const RunStates& states,
                         Moved moved)
    : QWidget(&window)
    , moved_(std::move(moved))
    , fields_(fields)
    , row_(initialPointRow()) {
    QAccessible::installFactory(markerInterface);
    setObjectName(qtText(pointMarkerName));
    setAccessibleName(qtText(pointMarkerName));
    setFocusPolicy(Qt::StrongFocus);
    // Clicks go to the window, which tells where on the client area they fall.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    follow(fields, states);
}

QString PointMarker::readout() const {
    return marks_ ? qtText(marks_->text) : QString();
}

void PointMarker::follow(const ParameterFields& fields, const RunStates& states) {
    fields_ = ParameterTexts(fields);
    states_ = states;
    try {
        detectorX_ = apparatusFor(fields_, states_).detectorX;
    } catch (const FatalError&) {
        // No scene to stand in: the marks are none, and the marker stays where it was.
    }
    marks_ = pointMarks(fields_, states_, row_);
    placeOnRow();
}

void PointMarker::setPlacement(const ClientPlacement& placement) {
    placement_ = placement;
    placeOnRow();
}

void PointMarker::showMarks(bool shown) {
    marksShown_ = shown;
    update();
}

void PointMarker::placeOnRow() {
    const Box box{static_cast<int>(std::lround(detectorX_)) - boxHalfWidth, row_ - boxHalfHeight,
                  2 * boxHalfWidth + 1, 2 * boxHalfHeight + 1};
    setGeometry(toQRect(placed(box, placement_)));
}

void PointMarker::moveTo(int row) {
    row = std::clamp(row, topScanRow, bottomScanRow);
    if (row == row_)
        return;
    row_ = row;
    marks_ = pointMarks(fields_, states_, row_);
    placeOnRow();
    QAccessibleValueChangeEvent event(this, row_);
    QAccessible::updateAccessibility(&event);
    moved_();
}

std::optional<int> PointMarker::rowAt(QPointF point) const {
    return pointRowAt(fields_, point.x(), point.y());
}

bool PointMarker::press(QPointF point) {
    if (isHidden())
        return false;
    const std::optional<int> row = rowAt(point);
    if (!row)
        return false;
    dragging_ = true;
    setFocus(Qt::MouseFocusReason);
    moveTo(*row);
    return true;
}

bool PointMarker::drag(QPointF point) {
    if (!dragging_)
        return false;
    // Once taken, the marker follows the pointer's height even where it leaves the line.
    const double y = std::clamp(point.y(), double{topScanRow}, double{bottomScanRow});
    if (const std::optional<int> row = pointRowAt(fields_, detectorX_, y))
        moveTo(*row);
    return true;
}

bool PointMarker::release() {
    const bool wasDragging = dragging_;
    dragging_ = false;
    return wasDragging;
}

void PointMarker::paintMarks(QPainter& painter) const {
    if (!marks_ || !marksShown_)
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const PointStroke& stroke : marks_->strokes) {
        painter.setPen(QPen(toQColor(stroke.colour), stroke.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QLineF(stroke.x1, stroke.y1, stroke.x2, stroke.y2));
    }
    QFont font(qtText(substituteFamily(pointTextFont.family).name));
    font.setPixelSize(pointTextFont.pixelSize);
    font.setBold(pointTextFont.bold);
    painter.setFont(font);
    painter.setPen(toQColor(colours::foreground));
    painter.drawText(toQRect(marks_->textBox), Qt::AlignLeft | Qt::AlignTop, readout());
}

void PointMarker::keyPressEvent(QKeyEvent* event) {
    const std::optional<PointMove> move = moveOfKey(event->key());
    if (!move || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    moveTo(movedPointRow(row_, *move));
}

void PointMarker::paintEvent(QPaintEvent*) {
    if (!hasFocus() || !marksShown_ || !marks_)
        return;
    QPainter painter(this);
    const double width = std::round(focusFrameWidth * placement_.scale);
    painter.setPen(QPen(palette().color(QPalette::Highlight), width));
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

} // namespace lumorix
