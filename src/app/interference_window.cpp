#include "interference_window.h"

#include "accessible_window.h"
#include "busy_cursor.h"
#include "canvas/qt_colour.h"
#include "core/conversions.h"
#include "design/window_design.h"
#include "experiment/experiment.h"
#include "help_window.h"
#include "picture_file.h"
#include "qt_design.h"
#include "window_style.h"

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <type_traits>
#include <utility>

namespace lumorix {

namespace {

constexpr QSize clientSize(clientWidth, clientHeight);

} // namespace

InterferenceWindow::InterferenceWindow(std::chrono::nanoseconds countDuration, QWidget* parent)
    : QWidget(parent)
    , controls_(layOutControls(*this))
    , surface_(clientSize, devicePixelRatioF(), toQRgb(colours::background))
    , canvas_(random_, surface_)
    , history_(canvas_.state(), random_)
    , fields_(controls_.fields)
    , labels_(controls_.surfaceLabels)
    , drawing_(new AccessibleDrawing(*this))
    , commands_(addBoardCommands(*this))
    , countDuration_(countDuration)
    , reportFatalError_([this](const FatalError& error) { showFatalErrorAndQuit(this, error); }) {
    setObjectName("frmInterference");
    setWindowTitle(qtText(titleBarText));
    setFixedSize(clientSize);
    drawing_->setGeometry(toQRect(placedClientArea(placement_)));
    setAttribute(Qt::WA_OpaquePaintEvent);
    makeAccessibleAsFrame(*this);
    connectHandlers();
    connectCommands();
    Form_Load();
    controls_.cmdStart->setFocus();
}

void InterferenceWindow::setFatalErrorReporter(FatalErrorReporter reporter) {
    reportFatalError_ = std::move(reporter);
}

void InterferenceWindow::report(const FatalError& error) {
    reportFatalError_(error);
}

// No exception leaves a handler into Qt's event dispatch: it becomes a fatal run-time error.
// Signal arguments that the handler does not take are dropped.
template <typename Handler> auto InterferenceWindow::guarded(Handler handler) {
    return [this, handler](auto... arguments) {
        try {
            if constexpr (std::is_invocable_v<Handler, decltype(arguments)...>)
                handler(arguments...);
            else
                handler();
        } catch (...) {
            report(unexpectedFailure(std::current_exception()));
        }
    };
}

void InterferenceWindow::connectHandlers() {
    connect(controls_.cmdStart, &QPushButton::clicked, this, guarded([this] { cmdStart_Click(); }));
    connect(controls_.cmdKonec, &QPushButton::clicked, this, guarded([this] { cmdKonec_Click(); }));
    connect(controls_.HScroll1, &QScrollBar::valueChanged, this,
            guarded([this] { HScroll1_Change(); }));
    // Each option's click handler: it also runs when the option is selected from code.
    for (const OptionHandler& handler : controls_.options) {
        connect(handler.option, &QRadioButton::toggled, this,
                guarded([this, handler](bool selected) {
                    if (!selected)
                        return;
                    makeTabStopOfSelected(handler.option);
                    fields_.setText(handler.field, handler.text);
                }));
    }
}

void InterferenceWindow::connectCommands() {
    const std::pair<QAction*, void (InterferenceWindow::*)()> commands[] = {
        {commands_.copyPicture, &InterferenceWindow::copyPicture},
        {commands_.savePicture, &InterferenceWindow::savePicture},
        {commands_.cleanBoard, &InterferenceWindow::cleanBoard},
        {commands_.fullScreen, &InterferenceWindow::toggleFullScreen},
        {commands_.help, &InterferenceWindow::showHelp},
        {commands_.zoomIn, &InterferenceWindow::zoomIn},
        {commands_.zoomOut, &InterferenceWindow::zoomOut},
        {commands_.resetZoom, &InterferenceWindow::resetZoom},
        {commands_.leaveFullScreen, &InterferenceWindow::leaveFullScreen},
    };
    for (const auto& [action, command] : commands) {
        connect(action, &QAction::triggered, this,
                guarded([this, command] { whenIdle([this, command] { (this->*command)(); }); }));
    }
    commands_.leaveFullScreen->setEnabled(false);
}

void InterferenceWindow::whenIdle(std::function<void()> command) {
    if (running_)
        heldBackCommands_.push_back(std::move(command));
    else
        command();
}

void InterferenceWindow::Form_Load() {
    for (const std::string_view name : startUpSelections())
        findChild<QRadioButton*>(qtText(name))->setChecked(true);
    fields_.setText(ParameterField::nSpomaleni, qtText(startUpSlowdown));
}

void InterferenceWindow::HScroll1_Change() {
    fields_.setText(ParameterField::nSpomaleni,
                    QString::fromStdString(numberToText(controls_.HScroll1->value())));
}

void InterferenceWindow::cmdKonec_Click() {
    close();
}

void InterferenceWindow::cmdStart_Click() {
    if (running_) {
        startRequested_ = true;
        return;
    }
    std::optional<FatalError> failure;
    { // The cursor is back to normal before a fatal error is reported.
        const BusyCursor busy;
        failure = runLive();
    }
    if (failure) {
        heldBackCommands_.clear(); // the program ends
        report(*failure);
        return;
    }
    drawing_->describeRun(fields_.text(ParameterField::nInterference));
    // The input held back during the run waits in a side queue until the event loop wakes.
    QAbstractEventDispatcher::instance()->wakeUp();
    if (closeRequested_) {
        close();
        return;
    }
    for (const std::function<void()>& command : std::exchange(heldBackCommands_, {}))
        command();
    if (startRequested_) {
        startRequested_ = false;
        QTimer::singleShot(0, this, guarded([this] { cmdStart_Click(); }));
    }
}

const QImage& InterferenceWindow::surface() {
    matchBoardToScreen();
    paintFirstPicture();
    return surface_.image();
}

void InterferenceWindow::paintFirstPicture() {
    if (!surface_.isBlank())
        return;
    ScreenSurface::Painting painting(surface_);
    QPainter painter(&painting.image());
    labels_.paintAll(painter);
}

std::optional<FatalError> InterferenceWindow::runLive() {
    // A zoom step that has not been painted yet: the run starts on the board at its new ratio.
    matchBoardToScreen();
    paintFirstPicture();
    const QScopedValueRollback<bool> running(running_, true);
    history_.add(fields_);
    AnimationPause pause([this] { showProgress(); }, countDuration_);
    std::optional<FatalError> failure;
    {
        // However the run ends, its last step is shown: an exception that leaves the run must
        // not leave the surface open for painting while the window reports the error.
        const auto showLastStep = qScopeGuard([this] { showProgress(); });
        failure = runExperiment(canvas_, fields_, labels_, pause);
    }
    commitLabels();
    present();
    return failure;
}

void InterferenceWindow::showProgress() {
    canvas_.flush();
    present();
}

void InterferenceWindow::commitLabels() {
    ScreenSurface::Painting painting(surface_);
    surface_.touched(labels_.commit(painting.image()));
}

void InterferenceWindow::present() {
    const QRegion touched = surface_.takeTouched();
    if (!touched.isEmpty())
        update(shownArea(touched));
}

QRegion InterferenceWindow::shownArea(const QRegion& board) const {
    if (placement_ == ClientPlacement{})
        return board;
    QRegion shown;
    for (const QRect& box : board) {
        // Rounded outwards: the window's pixels that a scaled board pixel touches.
        shown += QRectF(box.x() * placement_.scale + placement_.left,
                        box.y() * placement_.scale + placement_.top, box.width() * placement_.scale,
                        box.height() * placement_.scale)
                     .toAlignedRect();
    }
    return shown;
}

void InterferenceWindow::copyPicture() {
    QGuiApplication::clipboard()->setImage(surface());
}

void InterferenceWindow::savePicture() {
    savePictureAs(*this, surface(), QDateTime::currentDateTime());
}

void InterferenceWindow::cleanBoard() {
    if (!surface_.clean(boardPixelRatio()))
        return;
    history_.clean(canvas_.state(), random_);
    labels_.reset();
    labels_.follow();
    drawing_->describeEmptyBoard();
    update();
}

void InterferenceWindow::showHelp() {
    if (help_ == nullptr)
        help_ = new HelpWindow(*this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void InterferenceWindow::toggleFullScreen() {
    if (isFullScreen()) {
        leaveFullScreen();
        return;
    }
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
}

void InterferenceWindow::leaveFullScreen() {
    if (!isFullScreen())
        return;
    showNormal();
    setZoom(zoom_);
}

void InterferenceWindow::zoomIn() {
    setZoom(zoomStepIn(zoom_));
}

void InterferenceWindow::zoomOut() {
    setZoom(zoomStepOut(zoom_));
}

void InterferenceWindow::resetZoom() {
    setZoom(zoomSteps().front());
}

void InterferenceWindow::setZoom(double zoom) {
    if (isFullScreen())
        return;
    // A window larger than the screen would hide part of the picture: the zoom stops at the
    // largest step that the screen can show whole, frame included.
    const QSize frame = frameGeometry().size() - size();
    const QSize available = screen()->availableGeometry().size() - frame;
    zoom_ = std::min(zoom, largestZoomFitting(available.width(), available.height()));
    setFixedSize(zoomedLength(clientWidth, zoom_), zoomedLength(clientHeight, zoom_));
}

void InterferenceWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const bool fullScreen = isFullScreen();
        commands_.fullScreen->setChecked(fullScreen);
        commands_.leaveFullScreen->setEnabled(fullScreen);
        for (QAction* zoom : {commands_.zoomIn, commands_.zoomOut, commands_.resetZoom})
            zoom->setEnabled(!fullScreen);
    }
    QWidget::changeEvent(event);
}

void InterferenceWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeClientArea();
}

void InterferenceWindow::placeClientArea() {
    if (width() <= 0 || height() <= 0)
        return;
    const ClientPlacement placement = fitClientArea(width(), height());
    if (placement == placement_)
        return;
    placement_ = placement;
    setControlScale(*this, placement_.scale);
    placeControls(*this, controls_, placement_);
    labels_.setPlacement(placement_);
    drawing_->setGeometry(toQRect(placedClientArea(placement_)));
    update();
}

qreal InterferenceWindow::boardPixelRatio() const {
    return devicePixelRatioF() * placement_.scale;
}

void InterferenceWindow::matchBoardToScreen() {
    const qreal ratio = boardPixelRatio();
    if (running_ || surface_.pixelRatio() == ratio)
        return;
    const bool drawn = !surface_.isBlank();
    if (!surface_.clean(ratio))
        return;
    labels_.reset();
    if (!drawn)
        return;
    const BusyCursor busy;
    paintFirstPicture();
    history_.redraw(canvas_, random_, labels_, [this] {
        canvas_.flush();
        commitLabels();
    });
    surface_.takeTouched();
    update();
}

void InterferenceWindow::contextMenuEvent(QContextMenuEvent* event) {
    whenIdle([this, where = event->globalPos()] {
        QMenu menu(this);
        menu.addActions(commands_.menu());
        menu.exec(where);
    });
}

void InterferenceWindow::paintEvent(QPaintEvent* event) {
    // A surface that is being painted on can be neither read nor drawn again: it is shown at
    // the next paint.
    if (surface_.isBeingPainted()) {
        update();
        return;
    }
    // The window may have moved to a screen with another pixel ratio.
    matchBoardToScreen();
    const QRect area = event->rect();
    const QRect board = toQRect(placedClientArea(placement_));
    QPainter painter(this);
    if (surface_.isBlank() || !board.contains(area))
        painter.fillRect(area, QColor(surface_.background()));
    if (surface_.isBlank()) {
        painter.setClipRect(area);
        painter.translate(board.topLeft());
        painter.scale(placement_.scale, placement_.scale);
        labels_.paintAll(painter);
        return;
    }
    // The image's pixels that fall on the window's pixels in the area: one to one, but while a
    // run goes on at an earlier ratio.
    const QImage& image = surface_.image();
    const qreal ratio = image.devicePixelRatio() / placement_.scale;
    const QRect shown = area & board;
    painter.drawImage(shown, image,
                      QRectF((shown.x() - board.x()) * ratio, (shown.y() - board.y()) * ratio,
                             shown.width() * ratio, shown.height() * ratio));
}

void InterferenceWindow::closeEvent(QCloseEvent* event) {
    if (running_) {
        closeRequested_ = true;
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace lumorix
