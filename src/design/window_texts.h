#pragma once

#include "core/fatal_error.h"

#include <string>
#include <string_view>

namespace lumorix {

// What the program says beyond its captions, in Czech, for every front end: to assistive
// technology, in tooltips and when a run fails.

// The message of a fatal run-time error, before the program ends: "Chyba za běhu číslo 13:"
// and, on the next line, the error's description.
std::string fatalErrorMessage(const FatalError& error);

// The slider as assistive technology names and describes it, and its tooltip for a value.
inline constexpr std::string_view sliderName = "Zpomalení animace";
inline constexpr std::string_view sliderDescription = "Čím víc vpravo, tím pomalejší animace.";
std::string sliderToolTip(int value);

// The drawing board is an image of this name. Its description tells what the latest run drew:
// before the first run, that it is empty; after a run, the scene and the pattern of the display
// mode whose text the run's mode field held.
inline constexpr std::string_view drawingName = "Obrazec";
inline constexpr std::string_view emptyDrawingDescription =
    "Zatím prázdná plocha. Po stisku tlačítka Start se na ni nakreslí pokus se dvěma dírkami.";
std::string finishedRunDescription(std::string_view modeText);

} // namespace lumorix
