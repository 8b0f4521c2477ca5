#include "held_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <utility>

namespace lumorix {

namespace {

// What the window system hands a window as the user's doing.
bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

HeldInput::HeldInput(std::function<bool()> boardBusy, QObject* parent)
    : QObject(parent)
    , boardBusy_(std::move(boardBusy)) {
    QCoreApplication::instance()->installEventFilter(this);
}

void HeldInput::whenIdle(std::function<void()> work) {
    if (const auto now = queue_.arrive(std::move(work), boardBusy_()))
        (*now)();
}

bool HeldInput::eventFilter(QObject* watched, QEvent* event) {
    // Input is taken where the window system hands it to a window, so that when its turn comes
    // the window finds its target and the focus anew; a shortcut that a key has triggered is
    // taken on its way to its command.
    const bool input = watched->isWindowType() && isUserInput(event->type());
    if ((!input && event->type() != QEvent::Shortcut) || !queue_.mustWait(boardBusy_()) ||
        isNeverHeld(watched, event))
        return false;
    const QPointer<QObject> receiver(watched);
    const std::shared_ptr<QEvent> copy(event->clone());
    queue_.arrive(
        [receiver, copy] {
            // Straight to the application, which delivers it as it came, from the window system.
            if (receiver)
                QCoreApplication::instance()->notify(receiver, copy.get());
        },
        true);
    return true;
}

bool HeldInput::isNeverHeld(const QObject* watched, const QEvent* event) const {
    if (event->type() == QEvent::Shortcut)
        return std::ranges::find(neverHeld_, watched) != neverHeld_.end();
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const QKeySequence key(static_cast<const QKeyEvent*>(event)->keyCombination());
    return std::ranges::any_of(
        neverHeld_, [&](const QAction* action) { return action->shortcuts().contains(key); });
}

void HeldInput::boardIdle() {
    QTimer::singleShot(0, this, [this] { handleWaiting(); });
}

void HeldInput::handleWaiting() {
    queue_.handleWaiting(boardBusy_, [](const std::function<void()>& work) { work(); });
}

} // namespace lumorix
