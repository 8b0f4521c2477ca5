#pragma once

#include "experiment/scene_labels.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <array>
#include <map>
#include <vector>

namespace lumorix {

// A label that is part of the window's drawing surface: it is painted into the backing image,
// so what a run draws afterwards covers it. On screen the widget itself paints nothing and lets
// clicks through; it keeps the caption, font, place and visibility.
class SurfaceLabel final : public QLabel {
public:
    SurfaceLabel(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The scene labels as a run moves them. The operations change the label widgets at once, but the
// surface only when the run ends, with commit(), the way a window brings its own surface up to
// date: no trace is left at the places a label passes through on the way.
class SurfaceLabels final : public SceneLabels {
public:
    using SceneLabelWidgets = std::array<SurfaceLabel*, sceneLabelCount>; // indexed by SceneLabel

    // surfaceLabels: every label of the surface, in painting order, the scene labels among them.
    // The widgets belong to the window.
    SurfaceLabels(SceneLabelWidgets sceneLabels, std::vector<SurfaceLabel*> surfaceLabels);

    void show(SceneLabel label) override;
    void hide(SceneLabel label) override;
    void setLeft(SceneLabel label, float left) override;
    void setTop(SceneLabel label, float top) override;

    // Paints every visible label, as on a fresh surface.
    void paintAll(QPainter& painter) const;

    // Clears to the background colour each box that a label has left since the last commit
    // (hidden, or moved away), then paints the labels that appeared or moved, and the parts of
    // other labels that meet a cleared area. Returns the area of the surface that changed.
    QRegion commit(QImage& surface);

private:
    struct Before {
        bool visible;
        QRect box;
    };

    SurfaceLabel* widget(SceneLabel label);
    void remember(const SurfaceLabel* label);

    SceneLabelWidgets sceneLabels_;
    std::vector<SurfaceLabel*> surfaceLabels_;
    std::map<const SurfaceLabel*, Before> before_;
};

} // namespace lumorix
