#include "surface_labels.h"

#include "canvas/qt_colour.h"

#include <QPaintEvent>
#include <algorithm>
#include <cmath>

namespace lumorix {

namespace {

// Widget coordinates are whole pixels within Qt's widget range.
int toWidgetCoordinate(float value) {
    return static_cast<int>(
        std::lround(std::clamp(value, -float(QWIDGETSIZE_MAX), float(QWIDGETSIZE_MAX))));
}

// Paints the label into the surface at its place: opaque background, caption wrapped at word
// boundaries and cut off at the box.
void paintLabel(QPainter& painter, const QLabel& label) {
    const QRect box = label.geometry();
    // The substitute fonts set some captions a pixel or two wider than the design fonts did
    // (the title is 362.2 pixels in a 361-pixel box): lines break with that much slack, as the
    // design meant them to, and what overhangs is cut at the box.
    constexpr int slack = 2;
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

SurfaceLabels::SurfaceLabels(SceneLabelWidgets sceneLabels,
                             std::vector<SurfaceLabel*> surfaceLabels)
    : sceneLabels_(sceneLabels)
    , surfaceLabels_(std::move(surfaceLabels)) {}

SurfaceLabel* SurfaceLabels::widget(SceneLabel label) {
    return sceneLabels_.at(static_cast<std::size_t>(label));
}

void SurfaceLabels::remember(const SurfaceLabel* label) {
    before_.try_emplace(label, Before{!label->isHidden(), label->geometry()});
}

void SurfaceLabels::show(SceneLabel label) {
    remember(widget(label));
    widget(label)->show();
}

void SurfaceLabels::hide(SceneLabel label) {
    remember(widget(label));
    widget(label)->hide();
}

void SurfaceLabels::setLeft(SceneLabel label, float left) {
    SurfaceLabel* w = widget(label);
    remember(w);
    w->move(toWidgetCoordinate(left), w->y());
}

void SurfaceLabels::setTop(SceneLabel label, float top) {
    SurfaceLabel* w = widget(label);
    remember(w);
    w->move(w->x(), toWidgetCoordinate(top));
}

void SurfaceLabels::paintAll(QPainter& painter) const {
    for (const SurfaceLabel* label : surfaceLabels_) {
        if (!label->isHidden())
            paintLabel(painter, *label);
    }
}

QRegion SurfaceLabels::commit(QImage& surface) {
    // What a window would find invalid: the boxes that labels left, and the boxes of labels that
    // appeared or moved. Only that area is brought up to date; the rest keeps the drawing.
    QRegion cleared;
    QRegion invalid;
    for (const auto& [label, before] : before_) {
        const bool moved = label->geometry() != before.box;
        if (before.visible && (label->isHidden() || moved))
            cleared += before.box;
        if (!label->isHidden() && (!before.visible || moved))
            invalid += label->geometry();
    }
    invalid += cleared;
    before_.clear();
    if (invalid.isEmpty())
        return invalid;

    QPainter painter(&surface);
    painter.setClipRegion(invalid);
    for (const QRect& box : cleared)
        painter.fillRect(box, toQColor(colours::background));
    for (const SurfaceLabel* label : surfaceLabels_) {
        if (!label->isHidden() && invalid.intersects(label->geometry()))
            paintLabel(painter, *label);
    }
    return invalid;
}

} // namespace lumorix
