#pragma once

#include "board/label_board.h"
#include "board_history.h"
#include "core/random_sequence.h"

#include <cstdint>
#include <optional>

namespace lumorix {

// The drawing board that both editions stand on: the runs made on it since it was clean, the
// labels painted into its picture, and the pixel ratio the picture is drawn at. A run draws on
// the picture shown, live. When the front end comes to show the board at another ratio (a zoom,
// full screen, a resize, another screen), the whole board is redrawn on a picture of its own, run
// by run, while the old picture stays shown, scaled; the new one then replaces it at once. While a
// run lasts or a redraw is under way the board is busy, and input waits (InputQueue). The front
// ends only paint what the board gives them, each with its own toolkit.
class Board {
public:
    // A clean board whose picture is drawn at a pixel ratio; 0 for a front end that has no
    // picture yet, so that the first ratio it asks for draws one.
    Board(const CanvasState& canvas, double pixelRatio);

    // The program's one random sequence, which the runs draw their impacts from.
    RandomSequence& random() { return random_; }
    const RandomSequence& random() const { return random_; }
    // The labels of the picture shown, which a run moves.
    LabelBoard& labels() { return labels_; }
    const LabelBoard& labels() const { return labels_; }
    double pixelRatio() const { return pixelRatio_; }

    bool busy() const { return running_ || redraw_.has_value(); }
    bool running() const { return running_; }

    // A run begins on the board, which keeps its fields and states, whether it finishes or
    // fails; and it ends. A redraw that a change of ratio during the run asked for begins at its
    // end.
    void runBegins(const ParameterFields& fields, const RunStates& states = {});
    void runEnds();

    // The board is clean again, with the canvas as the runs left it; the random sequence goes
    // on. Only while idle.
    void clean(const CanvasState& canvas);

    // The front end would show the board at this pixel ratio now. A picture at another ratio is
    // redrawn: a redraw begins, or the one under way begins again at the new ratio. Back at
    // the ratio of the picture shown, a redraw under way is given up. While a run lasts, the
    // redraw waits for its end.
    void showAt(double pixelRatio);

    // The redraw under way, carried out by the front end one step after another, with a canvas
    // of its own over a picture of its own, made on redrawRandom().
    bool redrawing() const { return redraw_.has_value(); }
    double redrawPixelRatio() const;
    enum class RedrawStep {
        begin,   // take a blank picture at redrawPixelRatio(), with the labels as at start-up
        drawRun, // draw the next run on it, with redrawNextRun()
        show,    // show it, at once; it is complete
    };
    RedrawStep nextRedrawStep() const;
    void redrawBegun();
    // Draws the next run on the redrawn picture and tells how to repaint the labels it changed. Its
    // pauses go to `pause`, where the front end may take its breaks; if the redraw begins again
    // meanwhile, the run is dropped.
    LabelBoard::Repaint redrawNextRun(Canvas& canvas, Pause& pause);
    void redrawShown();
    RandomSequence& redrawRandom() { return redrawRandom_; }
    const LabelBoard& redrawLabels() const { return redrawLabels_; }

private:
    struct Redraw {
        double pixelRatio;
        std::uint64_t generation;
        bool begun = false;
        std::size_t runsDrawn = 0;
    };

    void beginRedraw(double pixelRatio);

    RandomSequence random_;
    BoardHistory history_;
    LabelBoard labels_;
    double pixelRatio_;
    double wantedRatio_;
    bool running_ = false;

    std::optional<Redraw> redraw_;
    std::uint64_t generations_ = 0;
    RandomSequence redrawRandom_;
    LabelBoard redrawLabels_;
};

} // namespace lumorix
