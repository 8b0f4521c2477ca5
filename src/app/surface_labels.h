#pragma once

#include "board/label_board.h"
#include "design/client_scale.h"

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

// The labels of the window's surface: painted into a picture as a label board tells, and their
// widgets, which show where the board's labels are.
class SurfaceLabels final {
public:
    // One widget for each label of the board, in its painting order. The widgets belong to the
    // window.
    explicit SurfaceLabels(std::vector<SurfaceLabel*> widgets);

    // Paints every visible label of the board, as on a fresh surface.
    void paintAll(QPainter& painter, const LabelBoard& board) const;
    // Paints what the board's last commit changed; returns the area of the picture it touched.
    QRegion paint(QImage& picture, const LabelBoard& board,
                  const LabelBoard::Repaint& repaint) const;

    // The widgets take the board's places and visibility, where the placement puts the client
    // area.
    void follow(const LabelBoard& board);
    void setPlacement(const ClientPlacement& placement) { placement_ = placement; }

private:
    std::vector<SurfaceLabel*> widgets_;
    ClientPlacement placement_;
};

} // namespace lumorix
