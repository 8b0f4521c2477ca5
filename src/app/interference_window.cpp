#include "interference_window.h"

#include "busy_cursor.h"
#include "canvas/qt_colour.h"
#include "core/conversions.h"
#include "design/window_design.h"
#include "experiment/experiment.h"
#include "picture_copy.h"
#include "qt_design.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTimer>
#include <type_traits>

namespace lumorix {

namespace {

constexpr QSize clientSize(clientWidth, clientHeight);

} // namespace

InterferenceWindow::InterferenceWindow(std::chrono::nanoseconds countDuration, QWidget* parent)
    : QWidget(parent)
    , controls_(layOutControls(*this))
    , surface_(clientSize, devicePixelRatioF(), toQRgb(colours::background))
    , canvas_(random_, surface_)
    , fields_(controls_.fields)
    , labels_(controls_.surfaceLabels)
    , drawing_(new AccessibleDrawing(*this))
    , countDuration_(countDuration)
    , reportFatalError_([this](const FatalError& error) { showFatalErrorAndQuit(this, error); }) {
    setObjectName("frmInterference");
    setWindowTitle(qtText(titleBarText));
    setFixedSize(clientSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connectHandlers();
    addPictureCopyShortcut(*this, [this]() -> const QImage& { return surface(); });
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
        report(*failure);
        return;
    }
    drawing_->describeRun(fields_.text(ParameterField::nInterference));
    // The input held back during the run waits in a side queue until the event loop wakes.
    QAbstractEventDispatcher::instance()->wakeUp();
    if (closeRequested_) {
        close();
    } else if (startRequested_) {
        startRequested_ = false;
        QTimer::singleShot(0, this, guarded([this] { cmdStart_Click(); }));
    }
}

const QImage& InterferenceWindow::surface() {
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
    const QScopedValueRollback<bool> running(running_, true);
    paintFirstPicture();
    AnimationPause pause([this] { showProgress(); }, countDuration_);
    std::optional<FatalError> failure;
    {
        // However the run ends, its last step is shown: an exception that leaves the run must
        // not leave the surface open for painting while the window reports the error.
        const auto showLastStep = qScopeGuard([this] { showProgress(); });
        failure = runExperiment(canvas_, fields_, labels_, pause);
    }
    {
        ScreenSurface::Painting painting(surface_);
        surface_.touched(labels_.commit(painting.image()));
    }
    present();
    return failure;
}

void InterferenceWindow::showProgress() {
    canvas_.flush();
    present();
}

void InterferenceWindow::present() {
    const QRegion touched = surface_.takeTouched();
    if (!touched.isEmpty())
        update(touched);
}

void InterferenceWindow::paintEvent(QPaintEvent* event) {
    // A surface that is being painted on can be neither read nor matched to the pixel ratio of
    // the screen the window may have moved to: it is shown at the next paint.
    if (surface_.isBeingPainted() || !surface_.matchPixelRatio(devicePixelRatioF())) {
        update();
        return;
    }
    const QRect area = event->rect();
    QPainter painter(this);
    if (surface_.isBlank()) {
        painter.setClipRect(area);
        painter.fillRect(area, QColor(surface_.background()));
        labels_.paintAll(painter);
        return;
    }
    const QImage& image = surface_.image();
    const qreal ratio = image.devicePixelRatio();
    painter.drawImage(
        area, image,
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
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
