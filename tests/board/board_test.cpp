#include "board/board.h"
#include "experiment/experiment.h"
#include "experiment/run_call.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumorix {
namespace {

// Everything runs do, as lines of a trace, but the pauses, which a redraw takes as breaks.
class Trace final : public Pause {
public:
    explicit Trace(RandomSequence& random)
        : stream(random, [this](const RunCall& call) {
            if (!std::holds_alternative<PauseFor>(call))
                lines.push_back(toText(call));
        }) {}

    void wait(double) override { ++breaks; }

    RunCallStream stream;
    std::vector<std::string> lines;
    int breaks = 0;
};

const ParameterTexts runs[] = {
    {"200", "15", "2", "2", "1"},
    {"150", "40", "0.5", "1", "1"},
    {"200", "Odchylka", "2", "0", "1"}, // fails part way, and again when redrawn
    {"100", "5", "0.3", "2", "20"},
};
// Hole A covered in the second, the which-path detector on in the last.
const RunStates runStates[] = {{}, {true, false, false}, {}, {false, false, true}};

// Carries out the redraw under way, as a front end does, on a canvas of its own.
void carryOutRedraw(Board& board, Trace& redrawn) {
    while (board.redrawing()) {
        switch (board.nextRedrawStep()) {
        case Board::RedrawStep::begin:
            board.redrawBegun();
            break;
        case Board::RedrawStep::drawRun:
            board.redrawNextRun(redrawn.stream, redrawn);
            break;
        case Board::RedrawStep::show:
            board.redrawShown();
            break;
        }
    }
}

// A board on which the runs above were drawn live, after a run made before it was last clean.
struct DrawnBoard {
    DrawnBoard() {
        Trace before(board.random());
        (void)runExperiment(before.stream, ParameterTexts("100", "0", "2", "2", "1"), before.stream,
                            before);
        board.clean(before.stream.state());
        live.stream.restore(before.stream.state());
        for (std::size_t run = 0; run < std::size(runs); ++run) {
            board.runBegins(runs[run], runStates[run]);
            (void)runExperiment(live.stream, runs[run], board.labels(), live, runStates[run]);
            board.runEnds();
        }
    }

    Board board{CanvasState{}, 1};
    Trace live{board.random()};
};

TEST(Board, RedrawnRunByRunItMakesTheCallsOfTheLiveRunsAndLeavesTheLiveStateAlone) {
    DrawnBoard drawn;
    RandomSequence randomAfterLive = drawn.board.random();

    drawn.board.showAt(2);
    EXPECT_TRUE(drawn.board.busy());
    Trace redrawn(drawn.board.redrawRandom());
    carryOutRedraw(drawn.board, redrawn);
    EXPECT_EQ(redrawn.lines, drawn.live.lines) << "the same calls, without the pauses";
    EXPECT_EQ(redrawn.breaks, drawn.live.breaks) << "a break the front end may take at every step";
    EXPECT_EQ(redrawn.stream.state(), drawn.live.stream.state());
    EXPECT_EQ(drawn.board.pixelRatio(), 2);
    EXPECT_FALSE(drawn.board.busy());
    EXPECT_EQ(drawn.board.random().next(), randomAfterLive.next())
        << "the live sequence goes on where the runs left it";

    for (std::size_t i = 0; i < drawn.board.labels().labels().size(); ++i) {
        const LabelBoard::Label& live = drawn.board.labels().labels()[i];
        const LabelBoard::Label& redrawn = drawn.board.redrawLabels().labels()[i];
        EXPECT_EQ(redrawn.box, live.box) << live.name;
        EXPECT_EQ(redrawn.visible, live.visible) << live.name;
    }
}

TEST(Board, EachChangeOfRatioRedrawsOnceAndAChangeDuringARedrawBeginsItAgain) {
    DrawnBoard drawn;
    Board& board = drawn.board;
    board.showAt(1);
    EXPECT_FALSE(board.redrawing()) << "the picture is at that ratio already";

    board.showAt(2);
    board.showAt(2);
    board.redrawBegun();
    Trace redrawn(board.redrawRandom());
    board.redrawNextRun(redrawn.stream, redrawn);
    board.showAt(1.5);
    EXPECT_EQ(board.redrawPixelRatio(), 1.5);
    EXPECT_EQ(board.nextRedrawStep(), Board::RedrawStep::begin) << "from a blank picture again";
    board.showAt(1);
    EXPECT_FALSE(board.redrawing()) << "back at the ratio shown: none";

    // A change that arrives while the runs are made again begins the redraw again at once,
    // and the run under way is dropped.
    struct RatioChangeDuringThePause final : Pause {
        Board* board;
        void wait(double) override { board->showAt(1.75); }
    } changing;
    changing.board = &board;
    board.showAt(2);
    board.redrawBegun();
    board.redrawNextRun(redrawn.stream, changing);
    EXPECT_EQ(board.redrawPixelRatio(), 1.75);
    EXPECT_EQ(board.nextRedrawStep(), Board::RedrawStep::begin);
    Trace again(board.redrawRandom());
    carryOutRedraw(board, again);
    EXPECT_EQ(again.lines, drawn.live.lines) << "and it then draws every run";
    EXPECT_EQ(board.pixelRatio(), 1.75);
}

TEST(Board, AChangeOfRatioDuringARunIsDrawnWhenTheRunEnds) {
    Board board(CanvasState{}, 0);
    board.showAt(1);
    EXPECT_EQ(board.nextRedrawStep(), Board::RedrawStep::begin) << "the first picture";
    board.redrawBegun();
    EXPECT_EQ(board.nextRedrawStep(), Board::RedrawStep::show) << "a clean board has no runs";
    board.redrawShown();

    board.runBegins(runs[0]);
    board.showAt(2);
    board.showAt(1.25);
    EXPECT_FALSE(board.redrawing()) << "the run finishes at the ratio it began with";
    board.runEnds();
    EXPECT_TRUE(board.busy());
    EXPECT_EQ(board.redrawPixelRatio(), 1.25) << "one redraw, at the latest ratio";
    Trace redrawn(board.redrawRandom());
    carryOutRedraw(board, redrawn);

    board.runBegins(runs[1]);
    board.showAt(2);
    board.showAt(1.25);
    board.runEnds();
    EXPECT_FALSE(board.busy()) << "back where it was: no redraw";
}

} // namespace
} // namespace lumorix
