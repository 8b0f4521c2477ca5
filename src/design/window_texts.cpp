#include "window_texts.h"

#include <cstdio>
#include <utility>

namespace lumorix {

namespace {

constexpr std::pair<std::string_view, std::string_view> patternDescriptions[] = {
    {"0", "Vpravo od osy je interferenční obrazec světla: vodorovné pruhy, tím delší, čím je "
          "v tom místě detektoru jasněji."},
    {"1", "Vpravo od osy je pravděpodobnostní obrazec fotonu: vodorovné pruhy, tím delší, čím "
          "pravděpodobněji tam foton dopadne."},
    {"2", "Vpravo od osy je obrazec dopadů fotonů: bílé tečky, tím hustší, čím víc fotonů tam "
          "dopadá."},
};

std::string_view statesDescription(const RunStates& states) {
    if (states.coverA && states.coverB)
        return "Obě dírky byly zakryté, světlo neprošlo.";
    if (states.coverA)
        return states.whichPath ? "Dírka A byla zakrytá a u dírky B stál detektor průchodu."
                                : "Dírka A byla zakrytá, světlo prošlo jen dírkou B.";
    if (states.coverB)
        return states.whichPath ? "Dírka B byla zakrytá a u dírky A stál detektor průchodu."
                                : "Dírka B byla zakrytá, světlo prošlo jen dírkou A.";
    return "U dírek stál detektor průchodu: šipky se neskládaly, jasy obou dírek se sečetly a "
           "proužky zmizely.";
}

// The colours of the pattern's outline, as the run draws it.
std::string_view outlineDescription(const RunStates& states) {
    if (states.coverA && states.coverB)
        return "Obrazec je jen šedá čára na ose.";
    if (states.coverB)
        return "Obrazec je nakreslen jen obrysem, purpurovým.";
    if (states.coverA)
        return "Obrazec je nakreslen jen obrysem, žlutým.";
    return "Obrazec je nakreslen jen obrysem, oranžovým.";
}

} // namespace

std::string fatalErrorMessage(const FatalError& error) {
    return "Chyba za běhu číslo " + std::to_string(error.number()) + ":\n" + error.description();
}

std::string sliderToolTip(int value) {
    return std::string(sliderName) + ": " + std::to_string(value);
}

std::string drawingDescription(std::string_view picture, bool soundOn) {
    std::string description(picture);
    if (soundOn)
        description.append(" ").append(soundOnDescription);
    return description;
}

std::string finishedRunDescription(std::string_view modeText, const RunStates& states) {
    std::string description =
        "Vlevo bodový zdroj světla, uprostřed clona se dvěma dírkami A a B, za ní svislý "
        "detektor. Šipky ukazují, jak se v bodech detektoru skládají vlny z obou dírek.";
    for (const auto& [mode, pattern] : patternDescriptions) {
        if (mode == modeText)
            description.append(" ").append(pattern);
    }
    if (states.plain())
        return description;
    description.append(" ").append(statesDescription(states));
    // Bars in light and photon mode; impact mode sprays its dots as ever.
    if (modeText == "0" || modeText == "1")
        description.append(" ").append(outlineDescription(states));
    return description;
}

std::string timeStamp(const LocalTime& at) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d-%02d%02d", at.year, at.month, at.day,
                  at.hour, at.minute);
    return stamp;
}

std::string pictureFileName(const LocalTime& savedAt) {
    return "lumorix-" + timeStamp(savedAt) + ".png";
}

std::string pictureNotSavedMessage(std::string_view path, std::string_view reason) {
    return "Obrázek se nepodařilo uložit do souboru „" + std::string(path) +
           "“.\nDůvod: " + std::string(reason) + "\n\nObrazec zůstává v okně.";
}

} // namespace lumorix
