#pragma once

#include "design/label_board.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <vector>

namespace lumorix {

// A label that is part of the window's drawing surface: it is painted into the backing image,
// so what a run draws afterwards covers it. On screen the widget itself paints nothing and lets
// clicks through; it keeps the caption, font and colours, and follows its place and visibility on
// the label board, for assistive technology.
class SurfaceLabel final : public QLabel {
public:
    SurfaceLabel(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The labels of the window's surface as a run moves them, on a label board: the widgets follow
// at once, the surface only when the run ends, with commit().
class SurfaceLabels final : public SceneLabels {
public:
    // One widget for each label of the board, in its painting order. The widgets belong to the
    // window.
    explicit SurfaceLabels(std::vector<SurfaceLabel*> widgets);

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
    SurfaceLabel* widget(SceneLabel label) const;
    // The widget takes the place and visibility that the board gives its label.
    void follow(SceneLabel label);

    LabelBoard board_;
    std::vector<SurfaceLabel*> widgets_;
};

} // namespace lumorix
