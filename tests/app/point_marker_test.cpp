#include "design/point_marks.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QScrollBar>

namespace lumorix {
namespace {

class PointMarkerTest : public WindowTest {
protected:
    PointMarkerTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget* marker() { return control<QWidget>(QString::fromUtf8("Zkoumaný bod")); }
    QString value() {
        return QAccessible::queryAccessibleInterface(marker())->text(QAccessible::Value);
    }
    QString readoutAt(int row) {
        return QString::fromStdString(pointMarks(fieldTexts(), window.runStates(), row)->text);
    }
    QImage shown() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(PointMarkerTest, PPutsAFocusedSliderOnTheDetectorLineOverThePictureNeverInIt) {
    start();
    const QImage picture = window.surface().copy();
    const QImage before = shown();
    pressAndHandle(Qt::Key_P);
    ASSERT_TRUE(marker()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), marker());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(marker())->role(), QAccessible::Slider);
    EXPECT_EQ(value(), readoutAt(300));
    EXPECT_FALSE(shown() == before) << "the marks over the picture";
    pressAndHandle(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(window.surface() == picture);
    EXPECT_TRUE(QGuiApplication::clipboard()->image() == picture) << "copied without the marks";

    const std::pair<Qt::Key, int> moves[] = {
        {Qt::Key_Up, 299}, {Qt::Key_PageDown, 309}, {Qt::Key_End, 499}, {Qt::Key_Home, 101}};
    for (const auto& [key, row] : moves) {
        pressAndHandle(key);
        EXPECT_EQ(value(), readoutAt(row)) << row;
    }

    // It stands on the detector line of the next run, wherever that is.
    select("opdc100");
    EXPECT_NEAR(marker()->geometry().center().x(), 350, 1);
    EXPECT_EQ(value(), readoutAt(101));

    // Tab reaches it after the slider; off, the focus goes back where it was.
    control<QScrollBar>("HScroll1")->setFocus();
    pressAndHandle(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), marker());
    pressAndHandle(Qt::Key_P);
    EXPECT_FALSE(marker()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>("cmdStart"));
}

TEST_F(PointMarkerTest, AClickOrADragOnTheDetectorLinePutsTheMarkerThere) {
    pressAndHandle(Qt::Key_P);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(value(), readoutAt(300)) << "beside the line nothing moves";
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(452, 200));
    EXPECT_EQ(value(), readoutAt(200));
    QTest::mouseMove(&window, QPoint(480, 250));
    EXPECT_EQ(value(), readoutAt(250)) << "a drag goes on off the line";
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(480, 250));
    QTest::mouseMove(&window, QPoint(452, 400));
    EXPECT_EQ(value(), readoutAt(250)) << "once let go";
}

} // namespace
} // namespace lumorix
