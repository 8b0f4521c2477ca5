#pragma once

#include "app/canvas/screen_canvas.h"
#include "app/canvas/screen_surface.h"
#include "board/board.h"
#include "core/fatal_error.h"
#include "design/client_scale.h"
#include "experiment/parameter_fields.h"
#include "surface_labels.h"

#include <QImage>
#include <QObject>
#include <QPainter>
#include <QRegion>
#include <chrono>
#include <functional>
#include <optional>

namespace lumorix {

// The window's drawing board: the runs' picture in a backing image at the screen's device pixel
// ratio times the client area's scale, with the labels painted into it, redrawn on a picture of
// its own, in slices, when that ratio changes. Until the new picture is complete the old one is
// shown, scaled; then it replaces it at once.
class ScreenBoard final {
public:
    struct Hooks {
        // The window shows this part of the board (logical pixels) again.
        std::function<void(const QRegion&)> show;
        // The board has become idle: input that waited may be handled.
        std::function<void()> idle;
    };

    // `context` runs the redraws from its event loop and outlives the board. The label widgets
    // belong to the window.
    ScreenBoard(QObject& context, std::vector<SurfaceLabel*> labelWidgets, qreal pixelRatio,
                Hooks hooks);

    bool busy() const { return board_.busy(); }

    // The random sequence as the next run will draw from it.
    const RandomSequence& random() const { return board_.random(); }
    // One run, drawn live: each step is shown as its pause begins; the labels it moved reach the
    // picture when it ends. firstStepBegins is called the moment the run's first step begins,
    // before it draws: the run's time is counted from there. A failure comes back as the fatal
    // error to report.
    std::optional<FatalError> run(const ParameterFields& fields,
                                  std::chrono::nanoseconds countDuration,
                                  const std::function<void()>& firstStepBegins);
    // A clean board, as at start-up; the random sequence goes on. Only while idle.
    void clean();
    // The board is to be shown at this pixel ratio: a picture at another is redrawn.
    void showAt(qreal pixelRatio);
    // How long a redraw works before it lets the window answer the window system; zero makes it
    // answer after every scan step.
    void setRedrawSlice(std::chrono::milliseconds slice) { redrawSlice_ = slice; }

    // The picture as shown, labels included, at the ratio it is drawn at.
    const QImage& picture();
    // Paints the part `area` of the window where the placement shows the board. A picture that
    // is being painted on can be neither read nor shown: then nothing is painted, and false
    // returned, for the window to try again.
    bool paint(QPainter& painter, const QRect& area, const ClientPlacement& placement) const;
    // The label widgets follow where the placement puts the client area.
    void setPlacement(const ClientPlacement& placement);

private:
    // Until the first painting the picture is the background and the labels, painted straight
    // on the window.
    void paintFirstPicture();
    void showProgress();
    void scheduleRedraw();
    void redraw();
    void beginRedrawnPicture();
    void redrawNextRun(Pause& breaks);
    void showRedrawnPicture();

    QObject& context_;
    Hooks hooks_;
    Board board_;
    ScreenSurface surface_;
    ScreenCanvas canvas_;
    SurfaceLabels labels_;
    std::optional<ScreenSurface> redrawn_;
    std::optional<ScreenCanvas> redrawnCanvas_;
    std::chrono::milliseconds redrawSlice_{20};
    bool redrawScheduled_ = false;
    // While redraw() runs: the changes it lets the window take in are its own to take up.
    bool insideRedraw_ = false;
};

} // namespace lumorix
