#include "experiment/board_history.h"
#include "run_recorder.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(BoardHistory, RedrawsTheBoardCallForCallAndLeavesTheProgramStateAsItWas) {
    RandomSequence random;
    RunRecorder recorder(random);
    recorder.run(ParameterTexts("100", "0", "2", "2", "1")); // before the board was last cleaned
    BoardHistory history(recorder.canvasState(), random);
    recorder.clear();
    for (const ParameterTexts& fields :
         {ParameterTexts("200", "15", "2", "2", "1"), ParameterTexts("150", "40", "0.5", "1", "1"),
          ParameterTexts("200", "Odchylka", "2", "0", "1"),
          ParameterTexts("100", "5", "0.3", "2", "20")}) {
        recorder.run(fields);
        history.add(fields);
    }
    std::vector<std::string> live = recorder.script();
    std::erase_if(live, [](const std::string& line) { return line.starts_with("pause "); });
    const CanvasState canvasAfterLive = recorder.canvasState();
    RandomSequence randomAfterLive = random;

    recorder.clear();
    int runsEnded = 0;
    history.redraw(recorder.stream(), random, recorder.stream(), [&runsEnded] { ++runsEnded; });
    EXPECT_EQ(runsEnded, 4);
    EXPECT_EQ(recorder.script(), live) << "the same calls, without the pauses";
    EXPECT_EQ(recorder.canvasState(), canvasAfterLive);
    EXPECT_EQ(random.next(), randomAfterLive.next()) << "the sequence goes on where it was";

    history.clean(recorder.canvasState(), random);
    recorder.clear();
    history.redraw(recorder.stream(), random, recorder.stream(), [] {});
    EXPECT_TRUE(history.isClean());
    EXPECT_TRUE(recorder.calls().empty());
}

} // namespace
} // namespace lumorix
