#include "experiment/theory_fringes.h"
#include "window_fixture.h"

#include <cmath>

namespace lumorix {
namespace {

class TheoryMarksTest : public WindowTest {
protected:
    TheoryMarksTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QImage shown() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Whether the window's pixels at x, within a row of the given one (logical pixels), hold a
    // bright fringe's mark: red, which nothing else on the window is.
    static bool markedNear(const QImage& image, double x, double row) {
        const double ratio = image.devicePixelRatio();
        for (int y = static_cast<int>(std::floor((row - 1.5) * ratio));
             y <= static_cast<int>(std::ceil((row + 1.5) * ratio)); ++y) {
            if (isMark(image.pixel(static_cast<int>(x * ratio), y)))
                return true;
        }
        return false;
    }
    static int marks(const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += isMark(image.pixel(x, y)) ? 1 : 0;
        return count;
    }
    static bool isMark(QRgb colour) {
        return qRed(colour) > 150 && qGreen(colour) < 80 && qBlue(colour) < 80;
    }

    // Every bright fringe of the settings as they are, marked across the pattern and at the
    // detector line.
    void expectFringesMarked(const QImage& image, double detectorX) {
        const TheoryFringes fringes = theoryFringes(
            ParameterTexts(field("nVzdalenost").toStdString(), field("nOdchylka").toStdString(),
                           field("nKmitočet").toStdString(), field("nInterference").toStdString(),
                           field("nSpomaleni").toStdString()));
        ASSERT_GE(fringes.bright.size(), 3u);
        for (const BrightFringe& fringe : fringes.bright) {
            EXPECT_TRUE(markedNear(image, 680, fringe.row)) << "order " << fringe.order;
            EXPECT_TRUE(markedNear(image, detectorX + 4, fringe.row)) << "order " << fringe.order;
        }
    }
};

TEST_F(TheoryMarksTest, TShowsTheFormulasFringesOverTheWindowNeverInThePicture) {
    start();
    const QImage before = shown();
    const QImage picture = window.surface().copy();
    ASSERT_EQ(marks(before), 0);

    pressAndHandle(Qt::Key_T);
    ASSERT_TRUE(window.isTheoryShown());
    const QImage withMarks = shown();
    expectFringesMarked(withMarks, 450);
    EXPECT_FALSE(markedNear(withMarks, 300, 300)) << "between the wall and the detector";
    EXPECT_TRUE(window.surface() == picture) << "copied and saved without the marks";

    pressAndHandle(Qt::Key_T);
    EXPECT_TRUE(shown() == before) << "off, the window is as before";

    // The marks follow the settings as they change, before any run.
    pressAndHandle(Qt::Key_T);
    select("op40");
    select("opDc150");
    const QImage moved = shown();
    expectFringesMarked(moved, 400);
    EXPECT_FALSE(moved == withMarks);
    EXPECT_TRUE(window.surface() == picture);
}

TEST_F(TheoryMarksTest, TPressedDuringARunTakesEffectAfterIt) {
    bool shownDuringTheRun = true;
    // The timer fires inside the first pause of the run.
    QTimer::singleShot(0, &window, [&] {
        pressAndHandle(Qt::Key_T);
        shownDuringTheRun = window.isTheoryShown();
    });
    start();
    EXPECT_FALSE(shownDuringTheRun);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isTheoryShown(); }));
}

} // namespace
} // namespace lumorix
