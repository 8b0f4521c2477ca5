#include "surface_labels.h"

#include "app/canvas/qt_colour.h"
#include "qt_design.h"

#include <QPaintEvent>
#include <utility>

namespace lumorix {

namespace {

// Paints the label into the surface at its place: opaque background, caption wrapped at word
// boundaries and cut off at the box.
void paintLabel(QPainter& painter, const QLabel& label, const QRect& box) {
    // Lines break with the slack, as the design meant them to, and what overhangs is cut at the
    // box.
    constexpr int slack = labelWrapSlack;
    const QRect layout = label.alignment() & Qt::AlignHCenter
                             ? box.adjusted(-slack / 2, 0, slack / 2, 0)
                             : box.adjusted(0, 0, slack, 0);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.fillRect(box, label.palette().color(QPalette::Window));
    painter.setFont(label.font());
    painter.setPen(label.palette().color(QPalette::WindowText));
    painter.drawText(layout, static_cast<int>(label.alignment()) | Qt::TextWordWrap, label.text());
    painter.restore();
}

} // namespace

SurfaceLabel::SurfaceLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setWordWrap(true);
}

void SurfaceLabel::paintEvent(QPaintEvent* event) {
    event->accept();
}

SurfaceLabels::SurfaceLabels(std::vector<SurfaceLabel*> widgets)
    : widgets_(std::move(widgets)) {}

void SurfaceLabels::follow(const LabelBoard& board) {
    const auto labels = board.labels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        widgets_.at(i)->setGeometry(toQRect(placed(labels[i].box, placement_)));
        widgets_.at(i)->setVisible(labels[i].visible);
    }
}

void SurfaceLabels::paintAll(QPainter& painter, const LabelBoard& board) const {
    const auto labels = board.labels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].visible)
            paintLabel(painter, *widgets_.at(i), toQRect(labels[i].box));
    }
}

QRegion SurfaceLabels::paint(QImage& picture, const LabelBoard& board,
                             const LabelBoard::Repaint& repaint) const {
    QRegion invalid;
    for (const Box& box : repaint.invalid)
        invalid += toQRect(box);
    if (invalid.isEmpty())
        return invalid;
    QPainter painter(&picture);
    painter.setClipRegion(invalid);
    for (const Box& box : repaint.cleared)
        painter.fillRect(toQRect(box), toQColor(colours::background));
    for (const std::size_t i : repaint.repainted)
        paintLabel(painter, *widgets_.at(i), toQRect(board.labels()[i].box));
    return invalid;
}

} // namespace lumorix
