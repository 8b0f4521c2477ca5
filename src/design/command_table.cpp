#include "command_table.h"

namespace lumorix {

namespace {

// A new command is one row here, and a handler for its name in each edition that carries it out.
constexpr EnumTable<BoardCommand, BoardCommandDesign> commands{{
    {BoardCommand::copyPicture,
     {.name = "copyPicture",
      .caption = "Kopírovat obrázek",
      .key = "Ctrl+C",
      .help = "zkopíruje obrázek i s popisky do schránky"}},
    {BoardCommand::savePicture,
     {.name = "savePicture",
      .caption = "Uložit obrázek…",
      .key = "Ctrl+S",
      .help = "uloží obrázek do souboru PNG"}},
    {BoardCommand::cleanBoard,
     {.name = "cleanBoard",
      .caption = "Nový obrazec",
      .key = "Ctrl+N",
      .help = "nový obrazec: čistá plocha jako po spuštění, volby zůstanou"}},
    {BoardCommand::fullScreen,
     {.name = "fullScreen",
      .caption = "Celá obrazovka",
      .key = "F11",
      .checkable = true,
      .onPage = OnPage::commandOnly,
      .help = "celá obrazovka a zpět"}},
    {BoardCommand::leaveFullScreen,
     {.name = "leaveFullScreen",
      .key = "Esc",
      .onPage = OnPage::browsers,
      .help = "opustí celou obrazovku"}},
    // Ctrl+= is Ctrl+plus without Shift on most keyboards.
    {BoardCommand::zoomIn,
     {.name = "zoomIn",
      .key = "Ctrl++",
      .otherKey = "Ctrl+=",
      .onPage = OnPage::browsers,
      .help = "zvětšení okna po krocích 100, 125, 150, 175 a 200 %, zmenšení a návrat na 100 %"}},
    {BoardCommand::zoomOut, {.name = "zoomOut", .key = "Ctrl+-", .onPage = OnPage::browsers}},
    {BoardCommand::resetZoom, {.name = "resetZoom", .key = "Ctrl+0", .onPage = OnPage::browsers}},
    {BoardCommand::help,
     {.name = "help",
      .caption = "Nápověda",
      .key = "F1",
      .help = "tato nápověda; <b>Esc</b> ji zavře"}},
    {BoardCommand::sound,
     {.name = "sound",
      .caption = "Zvuk",
      .key = "Z",
      .checkable = true,
      .neverWaits = true,
      .help = "zvuk zapnout a vypnout, i během běhu"}},
    {BoardCommand::theory,
     {.name = "theory",
      .caption = "Teorie",
      .key = "T",
      .checkable = true,
      .help = "teorie: značky proužků podle vzorce zapnout a vypnout"}},
}};

} // namespace

const EnumTable<BoardCommand, BoardCommandDesign>& boardCommands() {
    return commands;
}

} // namespace lumorix
