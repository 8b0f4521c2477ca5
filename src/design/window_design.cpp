#include "window_design.h"

#include "core/enum_table.h"

namespace lumorix {

namespace {

constexpr NamedLabelDesign fixedLabels[] = {
    {"labInterference",
     {"Interferenční obrazec světla nebo fotonu",
      {96, 8, 361, 25},
      {"Times New Roman", 21, true},
      true}},
    {"labKlepnete",
     {"Klepněte na tlačitko Start", {208, 280, 217, 57}, {"Times New Roman", 21, true}, true}},
    {systemColouredLabel, {"Label1", {600, 24, 17, 1}, defaultFont, false}},
};

constexpr EnumTable<SceneLabel, LabelDesign> sceneLabels{{
    {SceneLabel::labClona, {"Clona", {16, 8, 49, 17}, {"Arial", 13, true}, false}},
    {SceneLabel::labHustota,
     {"Hustota fotonů", {128, 64, 49, 33}, {"MS Sans Serif", 11, true}, false}},
    {SceneLabel::labInterObr,
     {"Interferenční obrazec světla", {312, 40, 97, 33}, {"Arial", 13, true}, true}},
    {SceneLabel::labPravde,
     {"Pravděpodobnostní obrazec fotonu", {8, 32, 121, 33}, {"Arial", 13, true}, true}},
    {SceneLabel::labZdroj, {"Zdroj", {64, 8, 33, 25}, {"Arial", 13, true}, false}},
    {SceneLabel::labDetektor, {"Detektor", {464, 8, 57, 25}, {"Arial", 13, true}, false}},
    {SceneLabel::labA, {"A", {216, 88, 17, 17}, {"Times New Roman", 16, true}, false}},
    {SceneLabel::labB, {"B", {256, 64, 17, 17}, {"Times New Roman", 16, true}, false}},
}};

constexpr ButtonDesign buttons[] = {
    {"cmdStart", "Start", {536, 8, 73, 33}, 1},
    {"cmdKonec", "Konec", {616, 8, 65, 33}, 2},
};

constexpr SliderDesign slider{"HScroll1", {144, 40, 153, 17}, 1, 20, 41};

// The names of op60, op40 and op20 are not the values they write.
constexpr OptionDesign holeSpacings[] = {
    {"opVelka", "velká", {16, 16, 49, 17}, 32, "40"}, {"op60", "menší", {16, 33, 49, 13}, 13, "15"},
    {"op40", "střední", {16, 48, 57, 17}, 12, "10"},  {"op20", "malá", {16, 64, 57, 13}, 11, "5"},
    {"op0", "0", {16, 80, 49, 17}, 8, "0"},
};
constexpr OptionDesign detectorDistances[] = {
    {"opDc200", "větší", {32, 16, 49, 13}, 9, "200"},
    {"opDc150", "střední", {56, 32, 65, 17}, 10, "150"},
    {"opdc100", "menší", {88, 48, 65, 17}, 6, "100"},
};
constexpr OptionDesign frequencies[] = {
    {"op2", "vyšší", {8, 16, 57, 17}, 31, "2"},
    {"op05", "vysoký", {24, 32, 57, 17}, 15, "0.5"},
    {"op03", "střední", {40, 48, 57, 13}, 17, "0.3"},
    {"op01", "menší", {56, 64, 49, 13}, 18, "0.1"},
};
constexpr OptionDesign displayModes[] = {
    {"opSvětlo", "Světla", {16, 16, 65, 13}, 29, "0"},
    {"opFoton", "Fotonu", {24, 32, 57, 13}, 30, "1"},
    {"opDopad", "Dopad fotonů", {32, 48, 89, 13}, 35, "2"},
};
constexpr OptionDesign animationSpeeds[] = {
    {"opRychlá", "Rychlá", {8, 16, 65, 17}, 38, "1"},
    {"opPomalejší", "Pomalejší", {8, 32, 65, 17}, 39, "10"},
    {"opPomalá", "Pomalá", {8, 48, 65, 13}, 40, "20"},
};

constexpr FrameDesign frames[] = {
    {"frmnRozteč",
     "Rozteč dírek",
     {16, 64, 89, 105},
     {"MS Sans Serif", 11, true},
     true,
     ParameterField::nOdchylka,
     holeSpacings},
    {"frmVzdalenostDetektoru",
     "Vzdálenost Detektor-Clona",
     {16, 184, 169, 73},
     {"MS Sans Serif", 11, true},
     true,
     ParameterField::nVzdalenost,
     detectorDistances},
    {"frmKmitočet",
     "Kmitočet",
     {16, 264, 113, 81},
     {"Arial", 11, true},
     true,
     ParameterField::nKmitocet,
     frequencies},
    {"frmInterfeSvetloFoton",
     "Interfer.obrazce",
     {16, 352, 129, 73},
     {"MS Sans Serif", 11, true},
     true,
     ParameterField::nInterference,
     displayModes},
    {"frmAnimace",
     "Animace",
     {16, 440, 81, 65},
     {"MS Sans Serif", 11, true},
     false,
     ParameterField::nSpomaleni,
     animationSpeeds},
};

constexpr EnumTable<ParameterField, std::string_view> fieldDesignTexts{{
    {ParameterField::nVzdalenost, "Vzdalenost"},
    {ParameterField::nOdchylka, "Odchylka"},
    {ParameterField::nKmitocet, "Kmitočet"},
    {ParameterField::nInterference, "Interference"},
    {ParameterField::nSpomaleni, "Spomaleni"},
}};

constexpr std::string_view startUp[] = {"op60", "opDc200", "op2", "opSvětlo", "opRychlá"};

constexpr FontSubstitution substitutions[] = {
    {"MS Sans Serif", sansFamily},
    {"Arial", sansFamily},
    {"Times New Roman", serifFamily},
};

} // namespace

std::span<const FontSubstitution> fontSubstitutions() {
    return substitutions;
}

const FontFamily& substituteFamily(std::string_view designFamily) {
    for (const FontSubstitution& substitution : substitutions) {
        if (substitution.designFamily == designFamily)
            return substitution.family;
    }
    return sansFamily;
}

std::span<const NamedLabelDesign> fixedLabelDesigns() {
    return fixedLabels;
}

const LabelDesign& sceneLabelDesign(SceneLabel label) {
    return sceneLabels[label];
}

std::span<const ButtonDesign> buttonDesigns() {
    return buttons;
}

const SliderDesign& sliderDesign() {
    return slider;
}

std::span<const FrameDesign> frameDesigns() {
    return frames;
}

std::string_view fieldDesignText(ParameterField field) {
    return fieldDesignTexts[field];
}

std::span<const std::string_view> startUpSelections() {
    return startUp;
}

} // namespace lumorix
