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
    {BoardCommand::savePatternData,
     {.name = "savePatternData",
      .caption = "Uložit data…",
      .key = "Ctrl+E",
      .help = "uloží obrazec jako čísla, řádek po řádku detektoru, do souboru CSV pro tabulkový "
              "procesor"}},
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
    {BoardCommand::coverHoleA,
     {.name = "coverHoleA",
      .caption = "Zakrýt dírku A",
      .key = "A",
      .checkable = true,
      .help = "zakrýt dírku A a zase ji odkrýt; platí od dalšího běhu"}},
    {BoardCommand::coverHoleB,
     {.name = "coverHoleB",
      .caption = "Zakrýt dírku B",
      .key = "B",
      .checkable = true,
      .help = "zakrýt dírku B a zase ji odkrýt; platí od dalšího běhu"}},
    {BoardCommand::whichPath,
     {.name = "whichPath",
      .caption = "Detektor průchodu",
      .key = "D",
      .checkable = true,
      .help = "detektor průchodu u dírek zapnout a vypnout; platí od dalšího běhu"}},
    {BoardCommand::examinePoint,
     {.name = "examinePoint",
      .caption = "Zkoumat bod",
      .key = "P",
      .checkable = true,
      .help = "značka bodu na detektoru: dráhy z obou dírek, jejich rozdíl, fáze a jas v tom bodě; "
              "šipky nahoru a dolů, Page Up, Page Down, Home a End ji posouvají"}},
    // Single-letter keys can be tripped over by speech input and by a keyboard user; this entry
    // turns them all off, and on again.
    {BoardCommand::letterKeys,
     {.name = "letterKeys",
      .caption = "Jednopísmenné zkratky",
      .checkable = true,
      .help = "klávesy A, B, D, P, T a Z vypnout a zase zapnout (v nabídce)"}},
}};

} // namespace

const EnumTable<BoardCommand, BoardCommandDesign>& boardCommands() {
    return commands;
}

} // namespace lumorix
