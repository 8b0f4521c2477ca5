#include "window_fixture.h"

#include <QAccessible>

namespace lumorix {
namespace {

constexpr QRgb orange = 0xFF8000;
constexpr QRgb magenta = 0xFF00FF;
constexpr QRgb yellow = 0xFFFF00;
// Right of the pattern axis, where the bars or their outlines are drawn.
const QRect pattern(602, 101, 198, 399);

class RunStatesTest : public WindowTest {
protected:
    RunStatesTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    int count(const QRect& box, QRgb colour) {
        int found = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                found += pixel(x, y) == colour ? 1 : 0;
        return found;
    }
};

TEST_F(RunStatesTest, ABAndDChangeOnlyTheNextRunAndWaitWhileARunLasts) {
    bool detectedDuringTheRun = true;
    // The timer fires inside the first pause of the run.
    QTimer::singleShot(0, &window, [&] {
        pressAndHandle(Qt::Key_D);
        detectedDuringTheRun = window.runStates().whichPath;
    });
    start();
    EXPECT_FALSE(detectedDuringTheRun);
    EXPECT_EQ(count(pattern, orange), 0) << "the run draws as it began";
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.runStates().whichPath; }));
    EXPECT_TRUE(command("Detektor průchodu")->isChecked());

    start();
    EXPECT_GT(count({244, 279, 13, 43}, orange), 0) << "the detector at the holes";
    EXPECT_GE(count(pattern, orange), 399) << "the pattern's outline, over the bars";
    EXPECT_GT(count(pattern, black), 1000) << "the bars of the run before";

    pressAndHandle(Qt::Key_D);
    pressAndHandle(Qt::Key_B);
    start();
    EXPECT_EQ(pixel(249, 315), black) << "hole B plugged";
    EXPECT_EQ(pixel(249, 285), grey) << "hole A open";
    EXPECT_GE(count(pattern, magenta), 399) << "light through hole A alone";

    pressAndHandle(Qt::Key_B);
    pressAndHandle(Qt::Key_A);
    start();
    EXPECT_EQ(pixel(249, 285), black) << "hole A plugged";
    EXPECT_EQ(pixel(249, 315), grey) << "hole B open";
    EXPECT_GE(count(pattern, yellow), 399) << "light through hole B alone";
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(control<QWidget>("Obrazec"))
                    ->text(QAccessible::Description)
                    .contains(QString::fromUtf8("Dírka A byla zakrytá")));
}

} // namespace
} // namespace lumorix
