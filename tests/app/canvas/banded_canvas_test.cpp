#include "app/canvas/banded_canvas.h"
#include "app/canvas/screen_runs.h"
#include "experiment/experiment.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumorix {
namespace {

constexpr QRgb grey = 0xFFC0C0C0;

// The labels and pauses of redrawn runs, which nobody sees.
struct Unseen final : SceneLabels, Pause {
    void show(SceneLabel) override {}
    void hide(SceneLabel) override {}
    void setLeft(SceneLabel, float) override {}
    void setTop(SceneLabel, float) override {}
    void wait(double) override {}
};

// A board made clean after runs starts from the state they left, and its first run draws the
// blanking rows in that state's width.
constexpr CanvasState leftByRuns{2, FillStyle::solid, colours::marker};

// The heaviest impacts crowd the middle rows, where the bands meet; the others spread over all
// rows, or lie between pixels.
const std::vector<ParameterTexts> lesson = {
    {"100", "0", "2", "2", "1"},
    {"200", "15", "2", "0", "1"},
    {"150.37", "7.3", "0.3", "2", "1"},
    {"100", "0", "2", "2", "1"},
};

QImage paintedInOne(qreal pixelRatio) {
    ScreenSurface surface(clientSize, pixelRatio, grey);
    RandomSequence random;
    ScreenCanvas canvas(random, surface);
    canvas.restore(leftByRuns);
    StepByStep steps(canvas, surface);
    for (const ParameterTexts& fields : lesson)
        runExperiment(canvas, fields, steps, steps);
    canvas.flush();
    return surface.image();
}

QImage paintedInBands(qreal pixelRatio, int bands) {
    ScreenSurface learnerSurface(clientSize, 1, grey);
    RandomSequence random;
    ScreenCanvas learner(random, learnerSurface);
    ScreenSurface surface(clientSize, pixelRatio, grey);
    BandedCanvas canvas(random, surface, learner, bands, [] {});
    canvas.restore(leftByRuns);
    Unseen unseen;
    for (const ParameterTexts& fields : lesson) {
        runExperiment(canvas, fields, unseen, unseen);
        canvas.paint({});
    }
    canvas.finish();
    return surface.image();
}

class BandedCanvasTest : public testing::TestWithParam<qreal> {};

TEST_P(BandedCanvasTest, ABoardPaintedInBandsIsTheBoardPaintedInOne) {
    const QImage whole = paintedInOne(GetParam());
    for (const int bands : {2, 3})
        EXPECT_TRUE(paintedInBands(GetParam(), bands) == whole) << bands << " bands";
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, BandedCanvasTest, testing::Values(1.0, 2.0, 1.5),
                         [](const testing::TestParamInfo<qreal>& info) {
                             return "PixelRatio" + std::to_string(int(info.param * 10));
                         });

} // namespace
} // namespace lumorix
