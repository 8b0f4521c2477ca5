#pragma once

#include "accessible_drawing.h"
#include "animation_pause.h"
#include "canvas/screen_canvas.h"
#include "canvas/screen_surface.h"
#include "core/random_sequence.h"
#include "fatal_error_report.h"
#include "surface_labels.h"
#include "window_fields.h"
#include "window_layout.h"

#include <QImage>
#include <QWidget>
#include <chrono>
#include <optional>

namespace lumorix {

// frmInterference, the program's one window: option frames, Start and Konec, the slowdown slider,
// and a client area that is at the same time the drawing surface of the runs. What the runs draw
// lives in a persistent backing image, so it survives the window being covered or minimised,
// and each run paints over the last.
class InterferenceWindow final : public QWidget {
    Q_OBJECT

public:
    // countDuration: how long one count of the pause between scan steps lasts; tests use zero.
    explicit InterferenceWindow(std::chrono::nanoseconds countDuration = pauseCountDuration,
                                QWidget* parent = nullptr);

    void setFatalErrorReporter(FatalErrorReporter reporter);

    // The drawing surface, in logical pixels at the screen's device pixel ratio.
    const QImage& surface();

    void cmdStart_Click();
    void cmdKonec_Click();
    void HScroll1_Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void connectHandlers();
    // Until then the picture is the background and the labels, painted straight on the window.
    void paintFirstPicture();
    // One run, drawn live; the labels it moved reach the surface when it ends.
    std::optional<FatalError> runLive();
    void showProgress();
    // Has the window show what was painted since it last did, as soon as the event loop runs.
    void present();
    template <typename Handler> auto guarded(Handler handler);
    void report(const FatalError& error);

    WindowControls controls_;
    ScreenSurface surface_;
    RandomSequence random_;
    ScreenCanvas canvas_;
    WindowFields fields_;
    SurfaceLabels labels_;
    AccessibleDrawing* drawing_;
    std::chrono::nanoseconds countDuration_;
    FatalErrorReporter reportFatalError_;

    // A run handles no input, but timers and posted events still arrive during its pauses:
    // a Start or a close request that comes that way waits for the run's end, and a close
    // request then wins over a Start.
    bool running_ = false;
    bool startRequested_ = false;
    bool closeRequested_ = false;
};

} // namespace lumorix
