#pragma once

#include "design/client_scale.h"
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

// The labels of the window's surface as a run moves them, on a label board: the surface and the
// widgets follow when the run ends, with commit().
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
    // other labels that meet a cleared area. The widgets then take their labels' places. Returns
    // the area of the surface that changed.
    QRegion commit(QImage& surface);

    // Every label back as at start-up, for a board drawn afresh; the widgets keep their places
    // until the next commit() or follow().
    void reset();
    // The widgets take their labels' places and visibility, where the placement puts the client
    // area.
    void follow();
    void setPlacement(const ClientPlacement& placement);

private:
    LabelBoard board_;
    std::vector<SurfaceLabel*> widgets_;
    ClientPlacement placement_;
};

} // namespace lumorix
