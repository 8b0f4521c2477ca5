#include "theory_marks.h"

#include "core/fatal_error.h"
#include "experiment/apparatus.h"

#include <QFont>
#include <QString>
#include <algorithm>
#include <cmath>

namespace lumorix {

namespace {

using A = Apparatus;

const QColor brightColour(200, 0, 0);
const QColor darkColour(240, 130, 130);

// Across the pattern, clear of the axis; the label beyond the longest bars that most settings
// draw.
constexpr double patternFrom = A::screenX + 1;
constexpr double patternTo = 752;
constexpr double labelLeft = 756;
constexpr double labelWidth = 40;
constexpr double brightTick = 6;
constexpr double darkTick = 3;

constexpr int labelPixelSize = 10;
// Labels closer than this would overlap.
constexpr double labelSpacing = 12;
// Dark marks between bright ones closer than this would cover the pattern.
constexpr double darkMarksFrom = 8;

// The least step of the orders labelled (1, 2, 5, 10, 20, 50…) whose labels do not overlap.
int labelStep(const std::vector<BrightFringe>& bright) {
    for (int decade = 1;; decade *= 10) {
        for (const int step : {decade, 2 * decade, 5 * decade}) {
            double previous = -labelSpacing * 2;
            bool apart = true;
            for (const BrightFringe& fringe : bright) {
                if (fringe.order % step != 0)
                    continue;
                apart = apart && fringe.row - previous >= labelSpacing;
                previous = fringe.row;
            }
            if (apart)
                return step;
        }
    }
}

double closestBright(const std::vector<BrightFringe>& bright) {
    double closest = A::wallBottom;
    for (std::size_t n = 1; n < bright.size(); ++n)
        closest = std::min(closest, bright[n].row - bright[n - 1].row);
    return closest;
}

QString orderText(int order) {
    if (order == 0)
        return QStringLiteral("0");
    return (order > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) +
           QString::number(std::abs(order));
}

QPen markPen(const QColor& colour) {
    return QPen(colour, 1, Qt::SolidLine, Qt::FlatCap);
}

} // namespace

void TheoryMarks::follow(const ParameterFields& fields) {
    fringes_ = theoryFringes(fields);
    try {
        detectorX_ = apparatusFor(fields).detectorX;
    } catch (const FatalError&) {
        detectorX_.reset();
    }
    labelledEvery_ = labelStep(fringes_.bright);
}

void TheoryMarks::paint(QPainter& painter) const {
    if (!detectorX_)
        return;
    const double detector = *detectorX_;
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (closestBright(fringes_.bright) >= darkMarksFrom) {
        painter.setPen(markPen(darkColour));
        for (const double row : fringes_.dark) {
            painter.drawLine(QLineF(patternFrom, row, patternTo, row));
            painter.drawLine(QLineF(detector - darkTick, row, detector + darkTick, row));
        }
    }
    painter.setPen(markPen(brightColour));
    for (const BrightFringe& fringe : fringes_.bright) {
        painter.drawLine(QLineF(patternFrom, fringe.row, patternTo, fringe.row));
        painter.drawLine(
            QLineF(detector - brightTick, fringe.row, detector + brightTick, fringe.row));
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(labelPixelSize);
    painter.setFont(font);
    for (const BrightFringe& fringe : fringes_.bright) {
        if (fringe.order % labelledEvery_ == 0) {
            painter.drawText(
                QRectF(labelLeft, fringe.row - labelSpacing / 2, labelWidth, labelSpacing),
                Qt::AlignLeft | Qt::AlignVCenter, orderText(fringe.order));
        }
    }
}

} // namespace lumorix
