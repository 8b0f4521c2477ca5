#pragma once

#include <QGuiApplication>

namespace lumorix {

// The wait cursor over every window of the program for as long as this lives. A run holds back
// all input until it ends; the cursor tells the user why a click or a close seems to go unheard.
class BusyCursor final {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }

    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace lumorix
