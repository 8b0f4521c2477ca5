#pragma once

#include <string>

namespace lumorix {

// The window's design and texts as one JSON document, from which the page builds itself at
// start-up: the title, the client area, the labels in painting order, the buttons, the slider,
// the option frames with what each option writes, the keyboard order, the start-up selections,
// and what the page says.
std::string pageDesignJson();

} // namespace lumorix
