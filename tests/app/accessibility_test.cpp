#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>

namespace lumorix {
namespace {

class AccessibilityTest : public WindowTest {
protected:
    static QString text(QObject* object, QAccessible::Text kind) {
        return QAccessible::queryAccessibleInterface(object)->text(kind);
    }

    // The window's accessible child that shows the picture, as a screen reader finds it.
    QAccessibleInterface* drawing() {
        QAccessibleInterface* windowInterface = QAccessible::queryAccessibleInterface(&window);
        for (int i = 0; i < windowInterface->childCount(); ++i) {
            QAccessibleInterface* child = windowInterface->child(i);
            if (child->role() == QAccessible::Graphic)
                return child;
        }
        ADD_FAILURE() << "no picture among the window's accessible children";
        return windowInterface;
    }
};

TEST_F(AccessibilityTest, TheSliderIsNamedAndDescribedInCzech) {
    QScrollBar* slider = control<QScrollBar>("HScroll1");
    EXPECT_EQ(text(slider, QAccessible::Name), QString::fromUtf8("Zpomalení animace"));
    EXPECT_TRUE(text(slider, QAccessible::Description).contains("vpravo")) << "right is slower";
}

TEST_F(AccessibilityTest, TheDrawingIsAPictureDescribedByTheLatestRun) {
    EXPECT_EQ(drawing()->text(QAccessible::Name), "Obrazec");
    const QString beforeAnyRun = drawing()->text(QAccessible::Description);
    EXPECT_FALSE(beforeAnyRun.isEmpty());

    select("opDopad");
    start();
    const QString afterImpacts = drawing()->text(QAccessible::Description);
    EXPECT_NE(afterImpacts, beforeAnyRun);
    EXPECT_TRUE(afterImpacts.contains(QString::fromUtf8("dopadů fotonů")))
        << afterImpacts.toStdString();

    select("opSvětlo");
    start();
    const QString afterLight = drawing()->text(QAccessible::Description);
    EXPECT_TRUE(afterLight.contains(QString::fromUtf8("obrazec světla")))
        << afterLight.toStdString();
    EXPECT_FALSE(afterLight.contains(QString::fromUtf8("dopadů")));
}

TEST_F(AccessibilityTest, TheDrawingSpansTheClientAreaAndLetsClicksThrough) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(drawing()->rect(), QAccessible::queryAccessibleInterface(&window)->rect());
    EXPECT_EQ(window.childAt(560, 20)->objectName(), "cmdStart");
    EXPECT_EQ(window.childAt(700, 300), nullptr) << "the window's own client area";
}

TEST_F(AccessibilityTest, EnterAndKeypadEnterPressTheFocusedButton) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(control<QPushButton>("cmdStart"), Qt::Key_Return);
    EXPECT_FALSE(control<QLabel>("labB")->isHidden()) << "a run ran";

    control<QPushButton>("cmdKonec")->setFocus();
    QTest::keyClick(control<QPushButton>("cmdKonec"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(window.isVisible()) << "the window closed";
}

TEST_F(AccessibilityTest, TheSliderTellsItsValueAndFramesItselfWhileFocused) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QScrollBar* slider = control<QScrollBar>("HScroll1");
    const QRgb highlight = slider->palette().color(QPalette::Highlight).rgb();
    const QPoint leftEdge(0, slider->height() / 2);
    EXPECT_NE(slider->grab().toImage().pixel(leftEdge), highlight);

    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_TRUE(slider->toolTip().contains("20")) << slider->toolTip().toStdString();
    EXPECT_EQ(slider->grab().toImage().pixel(leftEdge), highlight);
}

} // namespace
} // namespace lumorix
