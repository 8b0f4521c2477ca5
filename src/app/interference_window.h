#pragma once

#include "accessible_drawing.h"
#include "board_commands.h"
#include "design/client_scale.h"
#include "experiment/pace.h"
#include "fatal_error_report.h"
#include "held_input.h"
#include "screen_board.h"
#include "window_fields.h"
#include "window_layout.h"
#include "window_sound.h"
#include "window_theory_marks.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <chrono>

namespace lumorix {

class HelpWindow;

// frmInterference, the program's one window: option frames, Start and Konec, the slowdown slider,
// and a client area that is at the same time the drawing board of the runs, which each run
// paints over. The teacher can make the whole client area larger, step by step or to fill the
// screen, and the board is redrawn at that size, as crisp as at its own. While a run lasts or
// the board is being redrawn, input waits and is handled after, in the order it came; only
// the sound is turned on or off at once. The runs can be heard, and the formula's fringes shown
// over the picture.
class InterferenceWindow final : public QWidget {
    Q_OBJECT

public:
    // countDuration: how long one count of the pause between scan steps lasts; tests use zero.
    explicit InterferenceWindow(std::chrono::nanoseconds countDuration = pauseCountDuration,
                                QWidget* parent = nullptr);

    void setFatalErrorReporter(FatalErrorReporter reporter);
    // How long a redraw of the board works before the window answers again; tests use zero.
    void setRedrawSlice(std::chrono::milliseconds slice) { board_.setRedrawSlice(slice); }
    // Where the runs' sound goes in place of the sound server; before the sound is turned on.
    void setSoundOutput(WindowSound::Output output) { sound_.setOutput(std::move(output)); }

    // The drawing board's picture as shown, in logical pixels of the client area, at the
    // screen's device pixel ratio times the scale that the client area is shown at, or at the
    // one before while it is being redrawn.
    const QImage& surface() { return board_.picture(); }
    bool isBoardBusy() const { return board_.busy(); }
    bool isSoundOn() const { return sound_.isOn(); }
    bool isTheoryShown() const { return theoryShown_; }
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
    void toggleSound();
    void toggleTheory();

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
    void runExperiment();
    template <typename Handler> auto guarded(Handler handler);
    void report(const FatalError& error);
    void setField(ParameterField field, const QString& text);
    void showSoundState();
    void soundWentSilent(const std::optional<SoundFailure>& firstReason);

    void setZoom(double zoom);
    void leaveFullScreen();
    // The client area shown as the window's size allows.
    void placeClientArea();
    // The board at the screen's pixel ratio times the client area's scale.
    void matchBoardToScreen();
    QRegion shownArea(const QRegion& board) const;
    void paintTheory(QPainter& painter, const QRect& area) const;

    WindowControls controls_;
    WindowFields fields_;
    ScreenBoard board_;
    HeldInput* heldInput_;
    AccessibleDrawing* drawing_;
    BoardCommands commands_;
    QPointer<HelpWindow> help_;
    std::chrono::nanoseconds countDuration_;
    FatalErrorReporter reportFatalError_;
    double zoom_ = 1;
    ClientPlacement placement_;
    WindowSound sound_;
    WindowTheoryMarks theory_;
    bool theoryShown_ = false;
};

} // namespace lumorix
