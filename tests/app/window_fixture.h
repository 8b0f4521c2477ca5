#pragma once

#include "app/interference_window.h"
#include "core/fatal_error.h"

#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <qpa/qwindowsysteminterface.h>
#include <vector>

namespace lumorix {

// The window with pauses that take no time, unless a count of them is given a duration, and a
// fatal-error reporter that only takes notes.
class WindowTest : public testing::Test {
protected:
    explicit WindowTest(std::chrono::nanoseconds countDuration = std::chrono::nanoseconds(0))
        : window(countDuration) {
        window.setFatalErrorReporter([this](const FatalError& error) { errors.push_back(error); });
    }

    template <typename Control> Control* control(const QString& name) {
        auto* found = window.findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QString field(const QString& name) { return control<TextField>(name)->text(); }
    void setField(const QString& name, const QString& text) {
        control<TextField>(name)->setText(text);
    }
    void select(const QString& option) { control<QRadioButton>(option)->click(); }
    void start() { QTest::mouseClick(control<QPushButton>("cmdStart"), Qt::LeftButton); }
    // Until the board is idle: redrawn at a new size, and the input that waited handled.
    [[nodiscard]] static bool waitForTheBoard(const InterferenceWindow& shown) {
        return QTest::qWaitFor([&shown] { return !shown.isBoardBusy(); });
    }

    // A key pressed as the window system reports one: queued, to be handled in turn, and held
    // back during a run like all input.
    void pressOnTheWindowSystem(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                window.windowHandle(), type, key, modifiers);
        }
    }

    // The same, delivered before this returns: handled by then unless it must wait.
    void pressAndHandle(Qt::Key key) {
        pressOnTheWindowSystem(key);
        QWindowSystemInterface::flushWindowSystemEvents();
    }

    // The surface's colour at a logical pixel, as 0xRRGGBB.
    QRgb pixel(int x, int y) {
        const QImage& surface = window.surface();
        const qreal ratio = surface.devicePixelRatio();
        return surface.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio)) & 0xFFFFFF;
    }

    InterferenceWindow window;
    std::vector<FatalError> errors;
};

// Hands the next popup or modal window of the kind to `answer` from inside the event loop that
// shows it, as a user would meet it.
template <typename Shown> void answerWhenShown(std::function<void(Shown*)> answer) {
    auto* poll = new QTimer(QApplication::instance());
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        QWidget* shown = QApplication::activePopupWidget() != nullptr
                             ? QApplication::activePopupWidget()
                             : QApplication::activeModalWidget();
        if (auto* found = qobject_cast<Shown*>(shown)) {
            poll->stop();
            poll->deleteLater();
            answer(found);
        }
    });
    poll->start(5);
}

inline constexpr QRgb black = 0x000000;
inline constexpr QRgb grey = 0xC0C0C0;

} // namespace lumorix
