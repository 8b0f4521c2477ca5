#pragma once

#include "interference_window.h"

#include <memory>

namespace lumorix {

// The program's start-up, after the application object: who it is to the desktop, its look, and
// its window, shown, with its icon and language to follow the window's first paint.
std::unique_ptr<InterferenceWindow> showProgramWindow();

} // namespace lumorix
