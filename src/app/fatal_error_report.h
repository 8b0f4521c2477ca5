#pragma once

#include "core/fatal_error.h"

#include <QWidget>
#include <functional>

namespace lumorix {

// Tells the user about a fatal run-time error. The program's own reporter ends the program;
// tests put one in that only notes the error.
using FatalErrorReporter = std::function<void(const FatalError&)>;

// Shows the error's number and description in a dialog over the window, then ends the program
// with a non-zero exit status.
void showFatalErrorAndQuit(QWidget* window, const FatalError& error);

} // namespace lumorix
