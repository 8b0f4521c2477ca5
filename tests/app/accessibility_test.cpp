#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <functional>

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

TEST_F(AccessibilityTest, TheWindowIsAFrameWithoutTheControlsNobodyCanSee) {
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    QStringList listed;
    const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            listed << node->child(i)->object()->objectName();
            visit(node->child(i));
        }
    };
    visit(frame);
    EXPECT_TRUE(listed.contains("cmdStart"));
    EXPECT_TRUE(listed.contains("opDopad"));
    for (const char* unseen : {"Label1", "frmAnimace", "opRychlá", "opPomalejší", "opPomalá"})
        EXPECT_FALSE(listed.contains(QString::fromUtf8(unseen))) << unseen;
}

TEST_F(AccessibilityTest, TheFocusedOptionIsFramedInTheHighlightColour) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* option = control<QRadioButton>("op60");
    const QRgb highlight = option->palette().color(QPalette::Highlight).rgb();
    const auto framed = [&] {
        const QImage image = option->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == highlight ? 1 : 0;
        return count;
    };
    EXPECT_EQ(framed(), 0);
    option->setFocus(Qt::TabFocusReason);
    EXPECT_GT(framed(), 2 * option->height()) << "at least its two sides";
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
