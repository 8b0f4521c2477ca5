// The program as it starts: its icon and Qt's Czech texts are set up only once the window has
// painted itself, or at the first key if that comes sooner.

#include "app/application_identity.h"
#include "app/interference_window.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>
#include <QWindow>
#include <QtTest/QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

namespace lumorix {
namespace {

QString standardCloseText() {
    const QDialogButtonBox buttons(QDialogButtonBox::Close);
    return buttons.button(QDialogButtonBox::Close)->text();
}

// Each test starts as the program does, without the icon or the Czech texts, and leaves the
// application so, whichever order the tests run in.
class StartUpTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QApplication::windowIcon().isNull()) << "the program has not just started";
        ASSERT_EQ(standardCloseText().toStdString(), "Close") << "the program has not just started";
        setUpIconAndLanguageAfterFirstPaint(window);
    }

    void TearDown() override {
        QApplication::setWindowIcon(QIcon());
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            translator->deleteLater();
        }
    }

    InterferenceWindow window{std::chrono::nanoseconds(0)};
};

TEST_F(StartUpTest, TheWindowTakesTheIconAndQtsTextsSpeakCzechOnceItHasPainted) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The window system's window carries the icon, for the window manager and the taskbar.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window.windowHandle()->icon().isNull(); }));
    EXPECT_EQ(standardCloseText().toStdString(), "Zavřít");
}

TEST_F(StartUpTest, F1PressedAsTheWindowAppearsOpensTheHelpInCzech) {
    window.show();
    // Queued behind the window's first exposure, as the window system delivers a key pressed
    // while the window appears.
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window.windowHandle(), type, Qt::Key_F1, {});
    }
    QDialog* help = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        help = window.findChild<QDialog*>("help");
        return help != nullptr && help->isVisible();
    }));
    const auto* buttons = help->findChild<QDialogButtonBox*>();
    EXPECT_EQ(buttons->button(QDialogButtonBox::Close)->text().toStdString(), "Zavřít");
    help->close();
}

} // namespace
} // namespace lumorix
