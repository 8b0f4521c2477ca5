#include "interference_window.h"

#include "accessible_window.h"
#include "core/conversions.h"
#include "design/window_design.h"
#include "design/window_texts.h"
#include "help_window.h"
#include "picture_file.h"
#include "qt_design.h"
#include "sound/run_sound.h"
#include "window_style.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <type_traits>
#include <utility>

namespace lumorix {

namespace {

constexpr QSize clientSize(clientWidth, clientHeight);

std::string_view soundFailureMessage(const SoundFailure& failure) {
    switch (failure.reason) {
    case SoundFailure::Reason::noLibrary:
        return noSoundLibraryMessage;
    case SoundFailure::Reason::noServer:
        return noSoundServerMessage;
    case SoundFailure::Reason::lost:
        return soundDeviceLostMessage;
    }
    return noSoundServerMessage;
}

} // namespace

InterferenceWindow::InterferenceWindow(std::chrono::nanoseconds countDuration, QWidget* parent)
    : QWidget(parent)
    , controls_(layOutControls(*this))
    , fields_(controls_.fields)
    , board_(*this, controls_.surfaceLabels, devicePixelRatioF(),
             {[this](const QRegion& area) { update(shownArea(area)); },
              [this] { heldInput_->boardIdle(); }})
    , heldInput_(new HeldInput([this] { return board_.busy(); }, this))
    , drawing_(new AccessibleDrawing(*this))
    , commands_(addBoardCommands(*this))
    , countDuration_(countDuration)
    , reportFatalError_([this](const FatalError& error) { showFatalErrorAndQuit(this, error); })
    , sound_([this](const std::optional<SoundFailure>& reason) { soundWentSilent(reason); },
             nullptr) {
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
    // The program ends: nothing goes on sounding under the message.
    sound_.silence();
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
            [this] { heldInput_->whenIdle(guarded([this] { HScroll1_Change(); })); });
    // Each option's click handler: it also runs when the option is selected from code.
    for (const OptionHandler& handler : controls_.options) {
        connect(handler.option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (!selected)
                return;
            heldInput_->whenIdle(guarded([this, handler] {
                makeTabStopOfSelected(handler.option);
                setField(handler.field, handler.text);
            }));
        });
    }
}

void InterferenceWindow::connectCommands() {
    static constexpr EnumTable<BoardCommand, void (InterferenceWindow::*)()> handlers{{
        {BoardCommand::copyPicture, &InterferenceWindow::copyPicture},
        {BoardCommand::savePicture, &InterferenceWindow::savePicture},
        {BoardCommand::cleanBoard, &InterferenceWindow::cleanBoard},
        {BoardCommand::fullScreen, &InterferenceWindow::toggleFullScreen},
        {BoardCommand::leaveFullScreen, &InterferenceWindow::leaveFullScreen},
        {BoardCommand::zoomIn, &InterferenceWindow::zoomIn},
        {BoardCommand::zoomOut, &InterferenceWindow::zoomOut},
        {BoardCommand::resetZoom, &InterferenceWindow::resetZoom},
        {BoardCommand::help, &InterferenceWindow::showHelp},
        {BoardCommand::sound, &InterferenceWindow::toggleSound},
        {BoardCommand::theory, &InterferenceWindow::toggleTheory},
    }};
    for (const auto& [command, handle] : handlers) {
        QAction* action = commands_[command];
        const auto handler = guarded([this, handle] { (this->*handle)(); });
        // A command that changes nothing a run reads, as the sound, takes effect at once.
        if (boardCommand(command).neverWaits) {
            heldInput_->neverHold(action);
            connect(action, &QAction::triggered, this, handler);
        } else {
            connect(action, &QAction::triggered, this,
                    [this, handler] { heldInput_->whenIdle(handler); });
        }
    }
    commands_[BoardCommand::leaveFullScreen]->setEnabled(false);
}

void InterferenceWindow::Form_Load() {
    for (const std::string_view name : startUpSelections())
        findChild<QRadioButton*>(qtText(name))->setChecked(true);
    fields_.setText(ParameterField::nSpomaleni, qtText(startUpSlowdown));
}

void InterferenceWindow::HScroll1_Change() {
    setField(ParameterField::nSpomaleni,
             QString::fromStdString(numberToText(controls_.HScroll1->value())));
}

void InterferenceWindow::setField(ParameterField field, const QString& text) {
    fields_.setText(field, text);
    if (theoryShown_) {
        theory_.follow(fields_);
        update(shownArea(QRect(QPoint(), clientSize)));
    }
}

void InterferenceWindow::cmdKonec_Click() {
    close();
}

void InterferenceWindow::cmdStart_Click() {
    // A change of screen that has not been painted yet: the run starts on the board at the new
    // ratio, once the board has been redrawn.
    matchBoardToScreen();
    heldInput_->whenIdle(guarded([this] { runExperiment(); }));
}

void InterferenceWindow::runExperiment() {
    // Worked out from the random sequence as the run will draw from it, without moving it on.
    const RandomSequence random = board_.random();
    // However the run ends, even by an exception on its way to the report.
    const auto runEnds = qScopeGuard([this] { sound_.runEnds(); });
    const std::optional<FatalError> failure = board_.run(fields_, countDuration_, [&] {
        sound_.runBegins([this, random] { return soundOfRun(fields_, random, countDuration_); });
    });
    if (failure) {
        heldInput_->drop(); // the program ends
        report(*failure);
        return;
    }
    drawing_->describeRun(fields_.text(ParameterField::nInterference));
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
    QGuiApplication::clipboard()->setImage(board_.picture());
}

void InterferenceWindow::savePicture() {
    savePictureAs(*this, board_.picture(), QDateTime::currentDateTime());
}

void InterferenceWindow::cleanBoard() {
    board_.clean();
    drawing_->describeEmptyBoard();
}

void InterferenceWindow::toggleSound() {
    sound_.setOn(!sound_.isOn());
    showSoundState();
}

void InterferenceWindow::showSoundState() {
    commands_[BoardCommand::sound]->setChecked(sound_.isOn());
    drawing_->describeSound(sound_.isOn());
}

void InterferenceWindow::soundWentSilent(const std::optional<SoundFailure>& firstReason) {
    showSoundState();
    if (!firstReason)
        return;
    heldInput_->whenIdle(guarded([this, message = qtText(soundFailureMessage(*firstReason))] {
        QMessageBox::warning(this, qtText(dialogTitle), message);
    }));
}

void InterferenceWindow::toggleTheory() {
    theoryShown_ = !theoryShown_;
    commands_[BoardCommand::theory]->setChecked(theoryShown_);
    if (theoryShown_)
        theory_.follow(fields_);
    update(shownArea(QRect(QPoint(), clientSize)));
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
        commands_[BoardCommand::fullScreen]->setChecked(fullScreen);
        commands_[BoardCommand::leaveFullScreen]->setEnabled(fullScreen);
        for (const BoardCommand zoom :
             {BoardCommand::zoomIn, BoardCommand::zoomOut, BoardCommand::resetZoom})
            commands_[zoom]->setEnabled(!fullScreen);
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
    const ClientPlacement placement = fitClientArea(width(), height(), devicePixelRatioF());
    if (placement == placement_)
        return;
    placement_ = placement;
    setControlScale(*this, placement_.scale);
    placeControls(*this, controls_, placement_);
    board_.setPlacement(placement_);
    drawing_->setGeometry(toQRect(placedClientArea(placement_)));
    matchBoardToScreen();
    update();
}

void InterferenceWindow::matchBoardToScreen() {
    board_.showAt(devicePixelRatioF() * placement_.scale);
}

void InterferenceWindow::contextMenuEvent(QContextMenuEvent* event) {
    heldInput_->whenIdle(guarded([this, where = event->globalPos()] {
        QMenu menu(this);
        menu.addActions(commands_.menu);
        menu.exec(where);
    }));
}

void InterferenceWindow::paintEvent(QPaintEvent* event) {
    // The window may have moved to a screen with another pixel ratio.
    matchBoardToScreen();
    QPainter painter(this);
    if (!board_.paint(painter, event->rect(), placement_)) {
        update();
        return;
    }
    if (theoryShown_)
        paintTheory(painter, event->rect());
}

void InterferenceWindow::paintTheory(QPainter& painter, const QRect& area) const {
    const QRect board = toQRect(placedClientArea(placement_));
    painter.resetTransform();
    painter.setClipRect(area & board);
    painter.translate(board.topLeft());
    painter.scale(placement_.scale, placement_.scale);
    theory_.paint(painter);
}

void InterferenceWindow::closeEvent(QCloseEvent* event) {
    if (heldInput_->mustWait()) {
        heldInput_->whenIdle(guarded([this] { close(); }));
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace lumorix
