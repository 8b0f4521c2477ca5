#pragma once

#include "experiment/parameter_fields.h"
#include "experiment/run_states.h"
#include "window_texts.h"

#include <string>
#include <string_view>

namespace lumorix {

// The pattern of a run of these settings as numbers, for a worksheet, in the CSV that Czech
// spreadsheets open as it is: UTF-8 with a byte-order mark, ';' between fields, CRLF line ends,
// decimal commas. A header row in Czech, then one row per scan row in the order the run scans
// them, 499 up to 101: the row, its height above the axis (negative below it), the path lengths
// from hole A and hole B (a covered hole's too: the distance the light would travel), the path
// difference B − A in wavelengths, the raw intensity (of 10000), what the display mode plots (the
// bar's length, in impact mode the impact intensity) and, in impact mode, the row's dots.
// Throws the FatalError that a run of these settings ends with.
std::string patternDataCsv(const ParameterFields& fields, const RunStates& states);

// Saving it: the dialog's title, the file type it offers, the name it proposes for data saved at
// a time ("lumorix-data-2026-12-08-1405.csv"), and the message when the file cannot be written,
// which names the file and the reason.
inline constexpr std::string_view savePatternDataTitle = "Uložit data";
inline constexpr std::string_view patternDataFileFilter = "Data CSV (*.csv)";
std::string patternDataFileName(const LocalTime& savedAt);
std::string patternDataNotSavedMessage(std::string_view path, std::string_view reason);

} // namespace lumorix
