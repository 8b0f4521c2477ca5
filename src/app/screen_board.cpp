#include "screen_board.h"

#include "animation_pause.h"
#include "app/canvas/qt_colour.h"
#include "busy_cursor.h"
#include "design/window_design.h"
#include "experiment/experiment.h"
#include "qt_design.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTimer>
#include <utility>

namespace lumorix {

namespace {

constexpr QSize clientSize(clientWidth, clientHeight);

// The pauses of a redrawn run take no time, but every so often the window answers the
// window system: it repaints, answers pings and takes in the input that waits for the board.
class RedrawBreaks final : public Pause {
public:
    explicit RedrawBreaks(std::chrono::milliseconds slice)
        : slice_(slice) {}

    void wait(double) override { takeOneIfDue(); }
    void takeOneIfDue() {
        if (StepClock::now() - sliceStart_ < slice_)
            return;
        QCoreApplication::processEvents();
        sliceStart_ = StepClock::now();
    }

private:
    std::chrono::milliseconds slice_;
    StepClock::time_point sliceStart_ = StepClock::now();
};

} // namespace

ScreenBoard::ScreenBoard(QObject& context, std::vector<SurfaceLabel*> labelWidgets,
                         qreal pixelRatio, Hooks hooks)
    : context_(context)
    , hooks_(std::move(hooks))
    , board_(CanvasState{}, pixelRatio)
    , surface_(clientSize, pixelRatio, toQRgb(colours::background))
    , canvas_(board_.random(), surface_)
    , labels_(std::move(labelWidgets)) {}

std::optional<FatalError> ScreenBoard::run(const ParameterFields& fields,
                                           std::chrono::nanoseconds countDuration,
                                           const std::function<void()>& firstStepBegins) {
    paintFirstPicture();
    board_.runBegins(fields);
    std::optional<FatalError> failure;
    {
        const BusyCursor busy;
        firstStepBegins();
        AnimationPause pause([this] { showProgress(); }, countDuration);
        // However the run ends, its last step is shown: an exception that leaves the run must
        // not leave the surface open for painting while the window reports the error.
        const auto showLastStep = qScopeGuard([this] { showProgress(); });
        failure = runExperiment(canvas_, fields, board_.labels(), pause);
    }
    {
        ScreenSurface::Painting painting(surface_);
        surface_.touched(
            labels_.paint(painting.image(), board_.labels(), board_.labels().commit()));
    }
    labels_.follow(board_.labels());
    showProgress();
    board_.runEnds();
    if (board_.redrawing())
        scheduleRedraw();
    else
        hooks_.idle();
    return failure;
}

void ScreenBoard::showProgress() {
    canvas_.flush();
    const QRegion touched = surface_.takeTouched();
    if (!touched.isEmpty())
        hooks_.show(touched);
}

void ScreenBoard::clean() {
    if (!surface_.clean(board_.pixelRatio()))
        return;
    board_.clean(canvas_.state());
    labels_.follow(board_.labels());
    hooks_.show(QRect(QPoint(), clientSize));
}

void ScreenBoard::paintFirstPicture() {
    if (!surface_.isBlank())
        return;
    ScreenSurface::Painting painting(surface_);
    QPainter painter(&painting.image());
    labels_.paintAll(painter, board_.labels());
}

const QImage& ScreenBoard::picture() {
    paintFirstPicture();
    return surface_.image();
}

void ScreenBoard::setPlacement(const ClientPlacement& placement) {
    labels_.setPlacement(placement);
    labels_.follow(board_.labels());
}

bool ScreenBoard::paint(QPainter& painter, const QRect& area,
                        const ClientPlacement& placement) const {
    if (surface_.isBeingPainted())
        return false;
    const QRect board = toQRect(placedClientArea(placement));
    if (surface_.isBlank() || !board.contains(area))
        painter.fillRect(area, QColor(surface_.background()));
    if (surface_.isBlank()) {
        painter.setClipRect(area);
        painter.translate(board.topLeft());
        painter.scale(placement.scale, placement.scale);
        labels_.paintAll(painter, board_.labels());
        return true;
    }
    // The image's pixels that fall on the window's pixels in the area: one to one, but while the
    // picture at a new ratio is still being drawn.
    const QImage& image = surface_.image();
    const qreal ratio = image.devicePixelRatio() / placement.scale;
    const QRect shown = area & board;
    painter.drawImage(shown, image,
                      QRectF((shown.x() - board.x()) * ratio, (shown.y() - board.y()) * ratio,
                             shown.width() * ratio, shown.height() * ratio));
    return true;
}

void ScreenBoard::showAt(qreal pixelRatio) {
    board_.showAt(pixelRatio);
    if (board_.redrawing())
        scheduleRedraw();
}

void ScreenBoard::scheduleRedraw() {
    // A change during a redraw is taken up by the redraw itself, at its next step.
    if (redrawScheduled_ || insideRedraw_)
        return;
    redrawScheduled_ = true;
    QTimer::singleShot(0, &context_, [this] {
        redrawScheduled_ = false;
        redraw();
    });
}

void ScreenBoard::redraw() {
    if (!board_.redrawing())
        return;
    const QScopedValueRollback<bool> inside(insideRedraw_, true);
    const BusyCursor busy;
    RedrawBreaks breaks(redrawSlice_);
    while (board_.redrawing()) {
        switch (board_.nextRedrawStep()) {
        case Board::RedrawStep::begin:
            beginRedrawnPicture();
            break;
        case Board::RedrawStep::drawRun:
            redrawNextRun(breaks);
            break;
        case Board::RedrawStep::show:
            showRedrawnPicture();
            break;
        }
        breaks.takeOneIfDue();
    }
    // Given up, back at the ratio shown; or shown.
    redrawnCanvas_.reset();
    redrawn_.reset();
    hooks_.idle();
}

void ScreenBoard::beginRedrawnPicture() {
    redrawnCanvas_.reset();
    redrawn_.emplace(clientSize, board_.redrawPixelRatio(), surface_.background());
    redrawnCanvas_.emplace(board_.redrawRandom(), *redrawn_, canvas_);
    board_.redrawBegun();
    // A board without runs stays blank until something is painted on it, as at start-up.
    if (board_.nextRedrawStep() == Board::RedrawStep::drawRun) {
        ScreenSurface::Painting painting(*redrawn_);
        QPainter painter(&painting.image());
        labels_.paintAll(painter, board_.redrawLabels());
    }
}

void ScreenBoard::redrawNextRun(Pause& breaks) {
    const LabelBoard::Repaint repaint = board_.redrawNextRun(*redrawnCanvas_, breaks);
    redrawnCanvas_->flush();
    ScreenSurface::Painting painting(*redrawn_);
    labels_.paint(painting.image(), board_.redrawLabels(), repaint);
}

void ScreenBoard::showRedrawnPicture() {
    redrawnCanvas_.reset();
    surface_.adopt(*redrawn_);
    board_.redrawShown();
    hooks_.show(QRect(QPoint(), clientSize));
}

} // namespace lumorix
