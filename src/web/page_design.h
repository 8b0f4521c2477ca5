#pragma once

#include "experiment/parameter_fields.h"

#include <string>

namespace lumorix {

// The window's design and texts as one JSON document, from which the page builds itself at
// start-up: the title, the client area, the labels in painting order, the buttons, the slider
// with its tooltip for each value, the option frames, the keyboard order, the start-up
// selections, and what the page says.
std::string pageDesignJson();

// The window's look as the page's style sheet takes it at build time, as JSON: the background,
// the window's own font, the font families and the faces of them that the design uses, and the
// frames' etched border.
std::string pageStyleJson();

// The formula's fringe marks for the settings the fields hold, as JSON: the bright and the dark
// lines, each [left, right, y], and the labels, each with its box and text.
std::string theoryMarksJson(const ParameterFields& fields);

} // namespace lumorix
