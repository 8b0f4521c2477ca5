#pragma once

// Start-up helpers end as soon as their window has painted itself for the first time.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

class QuitAfterFirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::Quit));
        return false;
    }
};
