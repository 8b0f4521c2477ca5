#pragma once

#include "accessible_drawing.h"
#include "animation_pause.h"
#include "board_commands.h"
#include "canvas/screen_canvas.h"
#include "canvas/screen_surface.h"
#include "core/random_sequence.h"
#include "design/client_scale.h"
#include "experiment/board_history.h"
#include "fatal_error_report.h"
#include "surface_labels.h"
#include "window_fields.h"
#include "window_layout.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace lumorix {

class HelpWindow;

// frmInterference, the program's one window: option frames, Start and Konec, the slowdown slider,
// and a client area that is at the same time the drawing surface of the runs. What the runs draw
// lives in a persistent backing image, so it survives the window being covered or minimised,
// and each run paints over the last. The teacher can make the whole client area larger, step by
// step or to fill the screen, and it is drawn anew at that size, as crisp as at its own.
class InterferenceWindow final : public QWidget {
    Q_OBJECT

public:
    // countDuration: how long one count of the pause between scan steps lasts; tests use zero.
    explicit InterferenceWindow(std::chrono::nanoseconds countDuration = pauseCountDuration,
                                QWidget* parent = nullptr);

    void setFatalErrorReporter(FatalErrorReporter reporter);

    // The drawing surface, in logical pixels of the client area, at the screen's device pixel
    // ratio times the scale that the client area is shown at.
    const QImage& surface();
    // Where the client area is shown in the window, and how large.
    const ClientPlacement& placement() const { return placement_; }
    // The zoom step of the window when it is not full screen.
    double zoom() const { return zoom_; }

    void cmdStart_Click();
    void cmdKonec_Click();
    void HScroll1_Change();

    // The teacher's commands on the drawing board; the keys and the context menu call them.
    void copyPicture();
    void savePicture();
    void cleanBoard();
    void toggleFullScreen();
    void showHelp();
    void zoomIn();
    void zoomOut();
    void resetZoom();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Form_Load();
    void connectHandlers();
    void connectCommands();
    // Until then the picture is the background and the labels, painted straight on the window.
    void paintFirstPicture();
    // One run, drawn live; the labels it moved reach the surface when it ends.
    std::optional<FatalError> runLive();
    void showProgress();
    void commitLabels();
    // Has the window show what was painted since it last did, as soon as the event loop runs.
    void present();
    template <typename Handler> auto guarded(Handler handler);
    void report(const FatalError& error);

    // Commands, like all input, wait while a run lasts and are carried out after it, in order.
    void whenIdle(std::function<void()> command);
    void setZoom(double zoom);
    void leaveFullScreen();
    // The client area shown as the window's size allows.
    void placeClientArea();
    // The pixel ratio the picture is drawn at: the screen's times the client area's scale.
    qreal boardPixelRatio() const;
    // After a change of zoom or screen, the board is drawn again from its history, at the new
    // ratio, never stretched; a run in progress is shown stretched until it has ended.
    void matchBoardToScreen();
    QRegion shownArea(const QRegion& board) const;

    WindowControls controls_;
    ScreenSurface surface_;
    RandomSequence random_;
    ScreenCanvas canvas_;
    BoardHistory history_;
    WindowFields fields_;
    SurfaceLabels labels_;
    AccessibleDrawing* drawing_;
    BoardCommands commands_;
    QPointer<HelpWindow> help_;
    std::chrono::nanoseconds countDuration_;
    FatalErrorReporter reportFatalError_;
    double zoom_ = 1;
    ClientPlacement placement_;

    // A run handles no input, but timers and posted events still arrive during its pauses:
    // a Start or a close request that comes that way waits for the run's end, and a close
    // request then wins over a Start.
    bool running_ = false;
    bool startRequested_ = false;
    bool closeRequested_ = false;
    std::vector<std::function<void()>> heldBackCommands_;
};

} // namespace lumorix
