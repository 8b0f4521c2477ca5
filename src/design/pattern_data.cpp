#include "pattern_data.h"

#include "czech_numbers.h"
#include "experiment/experiment.h"
#include "experiment/row_numbers.h"
#include "experiment/run_call.h"

namespace lumorix {

namespace {

constexpr int decimals = 4;

// A run fails where its drawing does too (a coordinate beyond the canvas's range), so the data
// are refused exactly when the run is: it is made first, drawn nowhere.
void failAsTheRunWould(const ParameterFields& fields, const RunStates& states) {
    RandomSequence random;
    RunCallStream nowhere(random, [](const RunCall&) {});
    if (const auto failure = runExperiment(nowhere, fields, nowhere, nowhere, states))
        throw *failure;
}

void appendField(std::string& line, const std::string& field) {
    line.append(line.empty() ? "" : ";").append(field);
}

} // namespace

std::string patternDataCsv(const ParameterFields& fields, const RunStates& states) {
    failAsTheRunWould(fields, states);
    const Apparatus scene = apparatusFor(fields, states);
    const bool impact = displayMode(fields) == DisplayMode::impact;

    std::string csv = "\xEF\xBB\xBF";
    csv += "Řádek;Výška nad osou (px);Dráha od dírky A (px);Dráha od dírky B (px);"
           "Rozdíl drah B-A (vlnové délky);Intenzita (z 10000);";
    csv += impact ? "Intenzita dopadů;Počet dopadů\r\n" : "Délka pruhu (px)\r\n";
    for (int scanStep = 1; scanStep <= scanSteps; ++scanStep) {
        const RowNumbers row = rowNumbers(fields, scene, scanPointAt(scanStep));
        std::string line;
        appendField(line, std::to_string(row.point.scanY));
        appendField(line, std::to_string(Apparatus::axisY - row.point.scanY));
        appendField(line, fixedDecimals(row.pathA, decimals));
        appendField(line, fixedDecimals(row.pathB, decimals));
        appendField(line,
                    fixedDecimals(inWavelengths(row.pathB - row.pathA, scene.frequency), decimals));
        appendField(line, fixedDecimals(row.rawIntensity, decimals));
        appendField(line, fixedDecimals(row.plotted, decimals));
        if (impact)
            appendField(line, std::to_string(row.impactDots));
        csv += line + "\r\n";
    }
    return csv;
}

std::string patternDataFileName(const LocalTime& savedAt) {
    return "lumorix-data-" + timeStamp(savedAt) + ".csv";
}

std::string patternDataNotSavedMessage(std::string_view path, std::string_view reason) {
    return "Data obrazce se nepodařilo uložit do souboru „" + std::string(path) +
           "“.\nDůvod: " + std::string(reason);
}

} // namespace lumorix
