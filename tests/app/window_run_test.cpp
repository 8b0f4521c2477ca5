#include "window_fixture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QTimer>

namespace lumorix {
namespace {

class WindowRunTest : public WindowTest {
protected:
    QLabel* label(const char* name) { return control<QLabel>(name); }

    // Whether any pixel of the surface inside the logical box differs from the background.
    bool inkIn(const QRect& box) {
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                if (pixel(x, y) != grey)
                    return true;
            }
        }
        return false;
    }
};

TEST_F(WindowRunTest, ARunLabelsTheSceneWhereTheParametersPutIt) {
    start();
    EXPECT_TRUE(errors.empty());
    const std::pair<const char*, QPoint> placed[] = {
        {"labClona", {210, 90}},  {"labHustota", {540, 150}}, {"labInterObr", {620, 60}},
        {"labZdroj", {120, 310}}, {"labDetektor", {450, 60}}, {"labA", {220, 250}},
        {"labB", {220, 335}},
    };
    for (const auto& [name, place] : placed) {
        EXPECT_FALSE(label(name)->isHidden()) << name;
        EXPECT_EQ(label(name)->pos(), place) << name;
    }
    EXPECT_TRUE(label("labPravde")->isHidden());
    EXPECT_EQ(label("labClona")->size(), QSize(49, 17)) << "moved, never resized";
    EXPECT_FALSE(label("labKlepnete")->isHidden());
    EXPECT_EQ(field("nVzdalenost"), "200") << "a run reads the fields, never writes them";
}

TEST_F(WindowRunTest, TheFinishedPictureIsInTheSurface) {
    start();
    EXPECT_EQ(pixel(249, 200), black) << "the wall, two pixels wide";
    EXPECT_EQ(pixel(250, 200), black);
    EXPECT_EQ(pixel(249, 285), grey) << "the wall open at hole A";
    EXPECT_EQ(pixel(249, 315), grey) << "the wall open at hole B";
    EXPECT_EQ(pixel(449, 505), black) << "the detector line below the scanned rows";
    EXPECT_EQ(pixel(450, 505), black);
    EXPECT_EQ(pixel(452, 505), grey);
    EXPECT_EQ(pixel(600, 99), black) << "the pattern axis";
    EXPECT_EQ(pixel(600, 97), grey);
    EXPECT_EQ(pixel(745, 300), black) << "the base line, one pixel high";
    EXPECT_EQ(pixel(745, 299), grey);
    EXPECT_EQ(pixel(745, 301), grey);
    // Level with hole A the light-mode bar ends at x = 658.83.
    EXPECT_EQ(pixel(655, 285), black);
    EXPECT_EQ(pixel(662, 285), grey);
}

TEST_F(WindowRunTest, TheWindowShowsItsSurface) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    start();
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixel(249, 200) & 0xFFFFFF, black);
    EXPECT_EQ(shown.pixel(745, 300) & 0xFFFFFF, black);
    EXPECT_EQ(shown.pixel(745, 310) & 0xFFFFFF, grey);
}

TEST_F(WindowRunTest, LabelsLeaveNoTraceWhereTheyWereBeforeTheyAppeared) {
    start();
    EXPECT_FALSE(inkIn({16, 8, 49, 17})) << "labClona's design place";
    EXPECT_FALSE(inkIn({464, 8, 57, 25})) << "labDetektor's design place";
    EXPECT_TRUE(inkIn(label("labClona")->geometry())) << "labClona at its new place";
    EXPECT_TRUE(inkIn(label("labDetektor")->geometry()));
}

TEST_F(WindowRunTest, TheCaptionFollowsTheModeFromRunToRun) {
    select("opFoton");
    start();
    EXPECT_FALSE(label("labPravde")->isHidden());
    EXPECT_EQ(label("labPravde")->pos(), QPoint(620, 60));
    EXPECT_TRUE(label("labInterObr")->isHidden());
    ASSERT_TRUE(inkIn({720, 60, 21, 33})) << "labPravde is wider than labInterObr";

    select("opSvětlo");
    start();
    EXPECT_TRUE(label("labPravde")->isHidden());
    EXPECT_FALSE(label("labInterObr")->isHidden());
    EXPECT_FALSE(inkIn({720, 60, 21, 33})) << "labPravde's box is cleared when it is hidden";
    EXPECT_TRUE(inkIn(label("labInterObr")->geometry()));
}

TEST_F(WindowRunTest, MovedLabelsLeaveTheRestOfThePictureAlone) {
    start();
    select("opVelka");
    select("opDc150");
    start();
    EXPECT_EQ(label("labB")->pos(), QPoint(220, 360));
    // labB's old box touches the prompt; only that corner of the prompt is painted again.
    EXPECT_EQ(pixel(249, 290), black) << "the wall through the prompt";
    EXPECT_EQ(pixel(249, 330), black);
    EXPECT_NE(pixel(350, 300), grey) << "the base line and rays through the prompt";
    EXPECT_FALSE(inkIn({220, 337, 17, 15})) << "labB's old box, below the prompt";
}

TEST_F(WindowRunTest, AFieldThatIsNotANumberIsAFatalError) {
    setField("nVzdalenost", "Vzdalenost");
    start();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].number(), 13);
    EXPECT_FALSE(errors[0].description().empty());
    EXPECT_TRUE(label("labClona")->isHidden()) << "the run stopped before the labels";
    EXPECT_EQ(pixel(745, 300), grey) << "and before the apparatus";
}

TEST_F(WindowRunTest, ACloseRequestDuringARunWaitsForItsEnd) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The timer fires inside the first pause of the run.
    QTimer::singleShot(0, &window, [this] { window.close(); });
    start();
    EXPECT_FALSE(label("labB")->isHidden()) << "the run went on to its end";
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window.isVisible(); }))
        << "then the window closed";
}

TEST_F(WindowRunTest, TheCursorIsBusyWhileARunLastsAndNormalAfterItEvenAfterAFatalError) {
    const auto cursorShape = [] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return cursor == nullptr ? Qt::ArrowCursor : cursor->shape();
    };
    Qt::CursorShape duringTheRun = Qt::ArrowCursor;
    // The timer fires inside the first pause of the run.
    QTimer::singleShot(0, &window, [&] { duringTheRun = cursorShape(); });
    start();
    EXPECT_EQ(duringTheRun, Qt::WaitCursor);
    EXPECT_EQ(cursorShape(), Qt::ArrowCursor);

    Qt::CursorShape whenReported = Qt::WaitCursor;
    window.setFatalErrorReporter([&](const FatalError&) { whenReported = cursorShape(); });
    setField("nVzdalenost", "Vzdalenost");
    start();
    EXPECT_EQ(whenReported, Qt::ArrowCursor) << "the error dialog shows the normal cursor";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(WindowRunTest, AStartRequestDuringARunStartsTheNextRunAfterItBeforeWhatCameLater) {
    select("opDopad");
    // The request arrives inside the first pause of the first run.
    QTimer::singleShot(0, &window, [this] { window.cmdStart_Click(); });
    start();
    EXPECT_FALSE(label("labB")->isHidden());
    const QImage afterTheFirstRun = window.surface().copy();
    // The second run has not begun yet; it starts once control returns to the event loop, and
    // an option chosen meanwhile waits for it.
    select("opFoton");
    EXPECT_EQ(field("nInterference"), "2");
    ASSERT_TRUE(QTest::qWaitFor([this] { return field("nInterference") == "1"; }, 60000));
    EXPECT_FALSE(window.surface() == afterTheFirstRun) << "a second spray of impacts";
    EXPECT_TRUE(label("labPravde")->isHidden()) << "the second run read the mode before";
}

} // namespace
} // namespace lumorix
