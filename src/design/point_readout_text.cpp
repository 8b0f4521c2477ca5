#include "point_readout_text.h"

#include "czech_numbers.h"

#include <cstdlib>

namespace lumorix {

namespace {

std::string heightText(int height) {
    if (height == 0)
        return "na ose";
    return std::to_string(std::abs(height)) + (height > 0 ? " px nad osou" : " px pod osou");
}

// What passes the holes, where it is not both of them with nothing watching.
std::string statesText(const Apparatus& scene) {
    if (!scene.holeAOpen() && !scene.holeBOpen())
        return "Obě dírky jsou zakryté, světlo neprochází.";
    if (!scene.holeAOpen())
        return "Dírka A je zakrytá, světlo prochází jen dírkou B.";
    if (!scene.holeBOpen())
        return "Dírka B je zakrytá, světlo prochází jen dírkou A.";
    if (scene.states.whichPath)
        return "Detektor průchodu je zapnutý: šipky se neskládají, jasy obou dírek se sčítají.";
    return {};
}

} // namespace

std::string pointReadoutText(const PointReadout& readout) {
    std::string text = "Bod detektoru v řádku " + std::to_string(readout.row) + ", " +
                       heightText(readout.height) + ".\n";
    text += "Dráha od dírky A " + fourSignificantPlaces(readout.pathA) + " px, od dírky B " +
            fourSignificantPlaces(readout.pathB) + " px.\n";
    text += "Rozdíl drah B \u2212 A " + fourSignificantPlaces(readout.pathDifference) +
            " px = " + fourSignificantPlaces(readout.wavelengths) + " λ, fázový rozdíl " +
            fourSignificantPlaces(readout.phaseDifference) + "°.\n";
    text += "Jas " + fourSignificantPlaces(readout.brightness) + " z 10\u00A0000.";
    if (const std::string states = statesText(readout.scene); !states.empty())
        text += "\n" + states;
    return text;
}

} // namespace lumorix
