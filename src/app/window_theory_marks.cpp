#include "window_theory_marks.h"

#include "app/canvas/qt_colour.h"
#include "qt_design.h"

#include <QFont>

namespace lumorix {

namespace {

void paintLines(QPainter& painter, const std::vector<TheoryLine>& lines, Colour colour) {
    painter.setPen(QPen(toQColor(colour), 1, Qt::SolidLine, Qt::FlatCap));
    for (const TheoryLine& line : lines)
        painter.drawLine(QLineF(line.left, line.y, line.right, line.y));
}

} // namespace

void WindowTheoryMarks::paint(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintLines(painter, marks_.dark, theoryDarkColour);
    paintLines(painter, marks_.bright, theoryBrightColour);
    QFont font(qtText(substituteFamily(theoryLabelFont.family).name));
    font.setPixelSize(theoryLabelFont.pixelSize);
    painter.setFont(font);
    painter.setPen(toQColor(theoryBrightColour));
    for (const TheoryLabel& label : marks_.labels) {
        const Box& box = label.box;
        painter.drawText(QRect(box.left, box.top, box.width, box.height),
                         Qt::AlignLeft | Qt::AlignVCenter, qtText(label.text));
    }
}

} // namespace lumorix
