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

std::string finishedRunDescription(std::string_view modeText) {
    std::string description =
        "Vlevo bodový zdroj světla, uprostřed clona se dvěma dírkami A a B, za ní svislý "
        "detektor. Šipky ukazují, jak se v bodech detektoru skládají vlny z obou dírek.";
    for (const auto& [mode, pattern] : patternDescriptions) {
        if (mode == modeText)
            description.append(" ").append(pattern);
    }
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
