#include "window_fixture.h"

#include <QClipboard>
#include <QLabel>

namespace lumorix {
namespace {

class PictureCopyTest : public WindowTest {
protected:
    PictureCopyTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QGuiApplication::clipboard()->clear();
    }

    static QImage copied() { return QGuiApplication::clipboard()->image(); }
};

TEST_F(PictureCopyTest, CtrlCCopiesTheDrawingBoardAsItIs) {
    start();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    const QImage image = copied();
    EXPECT_EQ(image, window.surface());
    EXPECT_EQ(image.devicePixelRatio(), window.surface().devicePixelRatio());
}

TEST_F(PictureCopyTest, CtrlCPressedDuringARunCopiesTheFinishedPicture) {
    bool pressedDuringTheRun = false;
    // The timer fires inside the first pause of the run.
    QTimer::singleShot(0, &window, [&] {
        pressedDuringTheRun = control<QLabel>("labB")->isHidden();
        pressOnTheWindowSystem(Qt::Key_C, Qt::ControlModifier);
    });
    start();
    ASSERT_TRUE(pressedDuringTheRun);
    ASSERT_TRUE(QTest::qWaitFor([] { return !copied().isNull(); }));
    EXPECT_EQ(copied(), window.surface()) << "with the pattern and the labels of the run's end";
}

} // namespace
} // namespace lumorix
