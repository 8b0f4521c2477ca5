#include "board/label_board.h"
#include "experiment/experiment.h"
#include "experiment/run_call.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumorix {
namespace {

constexpr int background = -1;

// Which label each pixel of the client area shows, as a front end paints the board: every
// showing label in painting order, or the labels' changes as the board tells it to paint them.
class LabelPicture {
public:
    explicit LabelPicture(const LabelBoard& board) {
        for (std::size_t i = 0; i < board.labels().size(); ++i) {
            if (board.labels()[i].visible)
                fill(board.labels()[i].box, static_cast<int>(i), nullptr);
        }
    }

    void paint(const LabelBoard& board, const LabelBoard::Repaint& repaint) {
        for (const Box& box : repaint.cleared)
            fill(box, background, &repaint.invalid);
        for (const std::size_t i : repaint.repainted)
            fill(board.labels()[i].box, static_cast<int>(i), &repaint.invalid);
    }

    friend bool operator==(const LabelPicture&, const LabelPicture&) = default;

private:
    // Fills a box, or only its part within the clip.
    void fill(const Box& box, int owner, const std::vector<Box>* clip) {
        for (int y = std::max(box.top, 0); y < std::min(box.top + box.height, clientHeight); ++y) {
            for (int x = std::max(box.left, 0); x < std::min(box.left + box.width, clientWidth);
                 ++x) {
                if (!clip || std::any_of(clip->begin(), clip->end(), [&](const Box& c) {
                        return intersects(c, Box{x, y, 1, 1});
                    }))
                    pixels_[static_cast<std::size_t>(y * clientWidth + x)] = owner;
            }
        }
    }

    std::vector<int> pixels_ = std::vector<int>(clientWidth * clientHeight, background);
};

TEST(LabelBoard, WhatItTellsFrontEndsToRepaintLeavesThePictureOfAFreshlyPaintedBoard) {
    RandomSequence random;
    RunCallStream stream(random, [](const RunCall&) {});
    LabelBoard board;
    LabelPicture picture(board);
    // The first run shows every scene label away from its design place; then the detector
    // moves nearer and back, the holes apart and together, and the caption changes with the
    // mode, so that every box a label leaves is one the picture must clear.
    const ParameterTexts runs[] = {
        {"200", "15", "2", "0", "1"}, {"100", "15", "2", "0", "1"}, {"100", "40", "2", "1", "1"},
        {"150", "0", "2", "2", "1"},  {"200", "5", "2", "1", "1"},  {"200", "5", "2", "1", "1"},
    };
    for (const ParameterTexts& fields : runs) {
        ASSERT_FALSE(runExperiment(stream, fields, board, stream));
        const LabelBoard::Repaint repaint = board.commit();
        picture.paint(board, repaint);
        EXPECT_TRUE(picture == LabelPicture(board))
            << "after the run with distance " << fields.text(ParameterField::nVzdalenost)
            << ", offset " << fields.text(ParameterField::nOdchylka) << ", mode "
            << fields.text(ParameterField::nInterference);
    }
    EXPECT_EQ(board.commit(), LabelBoard::Repaint{}) << "nothing left to paint";
}

} // namespace
} // namespace lumorix
