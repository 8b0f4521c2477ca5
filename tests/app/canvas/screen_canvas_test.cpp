#include "app/canvas/screen_canvas.h"
#include "app/canvas/screen_runs.h"
#include "experiment/experiment.h"
#include "fuzz/run_seed.h"

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace lumorix {
namespace {

// Runs one after another on one surface; whether a run ends in a fatal error or not, what it
// drew until then stays drawn.
QImage drawRuns(DrawingPath path, qreal pixelRatio, const std::vector<ParameterTexts>& runs) {
    ScreenSurface surface(clientSize, pixelRatio, qRgb(192, 192, 192));
    RandomSequence random;
    ScreenCanvas canvas(random, surface, path);
    StepByStep scene(canvas, surface);
    for (const ParameterTexts& fields : runs) {
        runExperiment(canvas, fields, scene, scene);
        canvas.flush();
    }
    return surface.image();
}

// The run fuzzer's seeds, whose field texts put the scene between pixels, partly or wholly off
// the surface, or end the run with a fatal error.
std::vector<ParameterTexts> fuzzSeedRuns() {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(LUMORIX_RUN_SEEDS))
        paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::vector<ParameterTexts> runs;
    for (const auto& path : paths) {
        std::ifstream file(path, std::ios::binary);
        const std::string seed((std::istreambuf_iterator<char>(file)), {});
        runs.push_back(fieldsFromRunSeed(seed));
    }
    return runs;
}

// Where two images differ: the number of pixels and the first of them.
std::string differences(const QImage& a, const QImage& b) {
    int count = 0;
    std::string first;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0)
                first =
                    " first at device pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    }
    return std::to_string(count) + " pixels differ" + first;
}

struct Scenario {
    const char* name;
    std::vector<ParameterTexts> runs;
};
void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

const Scenario scenarios[] = {
    {"LightMode", {{"200", "15", "2", "0", "1"}}},
    {"PhotonMode", {{"150", "10", "0.5", "1", "1"}}},
    {"ImpactMode", {{"200", "40", "0.3", "2", "1"}}},
    {"HeaviestImpacts", {{"100", "0", "2", "2", "1"}}},
    // Runs paint over each other, and field texts that no control writes put the apparatus
    // between pixels.
    {"RunsOverEachOther",
     {{"200", "15", "2", "0", "1"},
      {"150", "40", "0.1", "2", "1"},
      {"100", "5", "0.5", "1", "1"},
      {"150.37", "7.3", "0.3", "2", "1"},
      {"200", "0", "2", "0", "1"}}},
};

class DrawingPathsTest : public testing::TestWithParam<std::tuple<qreal, Scenario>> {};

TEST_P(DrawingPathsTest, TheFastPathPaintsThePaintersPixels) {
    const auto& [pixelRatio, scenario] = GetParam();
    const QImage fast = drawRuns(DrawingPath::fast, pixelRatio, scenario.runs);
    const QImage general = drawRuns(DrawingPath::general, pixelRatio, scenario.runs);
    ASSERT_EQ(fast.size(), clientSize * pixelRatio);
    EXPECT_TRUE(fast == general) << differences(fast, general);
}

class FuzzSeedsTest : public testing::TestWithParam<qreal> {};

TEST_P(FuzzSeedsTest, TheFastPathPaintsThePaintersPixelsForEverySeedRun) {
    const std::vector<ParameterTexts> runs = fuzzSeedRuns();
    ASSERT_GT(runs.size(), 10u);
    const QImage fast = drawRuns(DrawingPath::fast, GetParam(), runs);
    const QImage general = drawRuns(DrawingPath::general, GetParam(), runs);
    EXPECT_TRUE(fast == general) << differences(fast, general);
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, FuzzSeedsTest, testing::Values(1.0, 2.0),
                         [](const testing::TestParamInfo<qreal>& info) {
                             return "PixelRatio" + std::to_string(static_cast<int>(info.param));
                         });

TEST(ScreenCanvas, TheAreaACallTouchesIsClippedToTheSurface) {
    // A field text can put a coordinate far beyond the range of whole pixels.
    ScreenSurface surface(clientSize, 1, qRgb(192, 192, 192));
    RandomSequence random;
    ScreenCanvas canvas(random, surface);
    canvas.drawLine(100, 100, 1e30, 100);
    canvas.drawCircle(-1e30, 300, 1);
    canvas.flush();
    EXPECT_EQ(surface.takeTouched(), QRegion(98, 98, 702, 4));
}

// The window shows, at each step, the area the step touched: every pixel the step changed must lie
// in it, and it must be a region as Qt builds it, or what it holds may be misread.
TEST(ScreenCanvas, EveryPixelAStepChangesLiesInTheAreaItTouched) {
    ScreenSurface surface(clientSize, 1, qRgb(192, 192, 192));
    RandomSequence random;
    ScreenCanvas canvas(random, surface);
    QImage before; // the picture after the step before
    int unshown = 0;
    StepByStep steps(canvas, surface, [&](const QRegion& touched) {
        QRegion rebuilt;
        for (const QRect& rect : touched)
            rebuilt += rect;
        EXPECT_EQ(rebuilt, touched);
        const QImage& image = surface.image();
        for (int y = 0; !before.isNull() && y < image.height(); ++y) {
            const auto* now = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            const auto* then = reinterpret_cast<const QRgb*>(before.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (now[x] != then[x] && !touched.contains(QPoint(x, y)))
                    ++unshown;
            }
        }
        before = image.copy();
    });
    // Bars from the axis, and impact dots between pixels over them.
    for (const ParameterTexts& fields : {ParameterTexts{"200", "15", "2", "0", "1"},
                                         ParameterTexts{"150.37", "7.3", "0.3", "2", "1"}})
        runExperiment(canvas, fields, steps, steps);
    // A step's last call, as the axis a run ends with, is shown as well.
    canvas.drawCircle(300, 300, 4);
    steps.wait(0);
    EXPECT_EQ(unshown, 0);
}

// Each colour of the scene on the screen, read as red, green and blue: the rays light cyan, the
// resultant green, the markers blue.
TEST(ScreenCanvas, TheScenesColoursShowAsTheyAreNamed) {
    ScreenSurface surface(clientSize, 1, qRgb(192, 192, 192));
    RandomSequence random;
    ScreenCanvas canvas(random, surface);
    const std::pair<Colour, QRgb> shown[] = {
        {colours::ray, qRgb(192, 255, 255)},  {colours::resultant, qRgb(0, 255, 0)},
        {colours::marker, qRgb(0, 0, 255)},   {colours::white, qRgb(255, 255, 255)},
        {colours::foreground, qRgb(0, 0, 0)},
    };
    canvas.setFillSolid();
    for (std::size_t i = 0; i < std::size(shown); ++i) {
        canvas.setFillColour(shown[i].first);
        canvas.drawCircle(20 + 20 * static_cast<double>(i), 20, 5, shown[i].first);
    }
    canvas.flush();
    for (std::size_t i = 0; i < std::size(shown); ++i)
        EXPECT_EQ(surface.image().pixel(20 + 20 * static_cast<int>(i), 20), shown[i].second) << i;
}

INSTANTIATE_TEST_SUITE_P(WholeRuns, DrawingPathsTest,
                         testing::Combine(testing::Values(1.0, 2.0), testing::ValuesIn(scenarios)),
                         [](const testing::TestParamInfo<DrawingPathsTest::ParamType>& info) {
                             return std::string(std::get<1>(info.param).name) + "AtPixelRatio" +
                                    std::to_string(static_cast<int>(std::get<0>(info.param)));
                         });

} // namespace
} // namespace lumorix
