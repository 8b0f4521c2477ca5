#pragma once

#include "core/fatal_error.h"

#include <string>
#include <string_view>

namespace lumorix {

// What the program says beyond its captions, in Czech, for every front end: to assistive
// technology, in tooltips and when a run fails.

// The title of the program's message boxes: its name.
inline constexpr std::string_view dialogTitle = "Lumorix";

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
// Added to the description while the sound is on.
inline constexpr std::string_view soundOnDescription =
    "Zvuk je zapnutý: během běhu zní tón, tím hlasitější, čím je v právě snímaném bodě detektoru "
    "jasněji; v obrazci dopadů fotonů cvakne každý dopad.";
// The drawing's description, which says whether the runs are heard.
std::string drawingDescription(std::string_view picture, bool soundOn);

// Why the sound, once turned on, cannot be heard; each message says once in a session that the
// program goes on without it.
inline constexpr std::string_view noSoundServerMessage =
    "Zvuk nelze přehrát: v počítači chybí zvukové zařízení nebo zvukový server (PulseAudio, "
    "PipeWire). Program pokračuje bez zvuku.";
inline constexpr std::string_view noSoundLibraryMessage =
    "Zvuk nelze přehrát: v počítači chybí knihovna libpulse-simple (balíček libpulse0). Program "
    "pokračuje bez zvuku.";
inline constexpr std::string_view soundDeviceLostMessage =
    "Zvukové zařízení přestalo přehrávat. Program pokračuje bez zvuku.";

// A moment on the user's own clock, to the minute; months and days count from 1.
struct LocalTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
};
// The time as the names of saved files carry it, so that they sort by it: "2026-12-08-1405".
std::string timeStamp(const LocalTime& at);

// Saving the picture: the dialog's title, the file type it offers, the name it proposes for a
// picture saved at a time, which sorts by that time ("lumorix-2026-12-08-1405.png"), and the
// message when the file cannot be written, which names the file and the reason.
inline constexpr std::string_view savePictureTitle = "Uložit obrázek";
inline constexpr std::string_view pictureFileFilter = "Obrázek PNG (*.png)";
std::string pictureFileName(const LocalTime& savedAt);
std::string pictureNotSavedMessage(std::string_view path, std::string_view reason);
// The reason when the picture cannot even be encoded, which only a lack of memory causes.
inline constexpr std::string_view pictureNotEncodedReason =
    "Obrázek se nepodařilo převést do formátu PNG.";

// The help window's title.
inline constexpr std::string_view helpTitle = "Nápověda – Lumorix";

} // namespace lumorix
