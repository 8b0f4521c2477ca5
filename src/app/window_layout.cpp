#include "window_layout.h"

#include "canvas/screen_canvas.h"
#include "core/enum_table.h"
#include "slowdown_slider.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <algorithm>
#include <utility>

namespace lumorix {

namespace {

struct FontDesign {
    const char* family;
    int pixelSize;
    bool bold;
};

// "MS Sans Serif" 8.25 pt, regular: the window's own font, for every control without one.
constexpr FontDesign defaultFont{"MS Sans Serif", 11, false};

struct LabelDesign {
    const char* caption;
    QRect box;
    FontDesign font;
    bool centred;
};

// The title, the prompt and the one-pixel Label1 are there from the start.
constexpr LabelDesign titleLabel{"Interferenční obrazec světla nebo fotonu",
                                 {96, 8, 361, 25},
                                 {"Times New Roman", 21, true},
                                 true};
constexpr LabelDesign promptLabel{
    "Klepněte na tlačitko Start", {208, 280, 217, 57}, {"Times New Roman", 21, true}, true};
constexpr LabelDesign label1{"Label1", {600, 24, 17, 1}, defaultFont, false};

// The scene labels, hidden at their design places until a run shows them.
constexpr EnumTable<SceneLabel, LabelDesign, sceneLabelCount> sceneLabelDesigns{{
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

struct OptionDesign {
    const char* name;
    const char* caption;
    QRect boxInFrame;
    int keyboardOrder;
    const char* text; // what its click handler writes into the frame's field
};

struct FrameDesign {
    const char* name;
    const char* caption;
    QRect box;
    FontDesign font;
    bool visible;
    ParameterField field;
    std::vector<OptionDesign> options;
};

// The names of op60, op40 and op20 are not the values they write.
const FrameDesign frameDesigns[] = {
    {"frmnRozteč",
     "Rozteč dírek",
     {16, 64, 89, 105},
     {"MS Sans Serif", 11, true},
     true,
     ParameterField::nOdchylka,
     {{"opVelka", "velká", {16, 16, 49, 17}, 32, "40"},
      {"op60", "menší", {16, 33, 49, 13}, 13, "15"},
      {"op40", "střední", {16, 48, 57, 17}, 12, "10"},
      {"op20", "malá", {16, 64, 57, 13}, 11, "5"},
      {"op0", "0", {16, 80, 49, 17}, 8, "0"}}},
    {"frmVzdalenostDetektoru",
     "Vzdálenost Detektor-Clona",
     {16, 184, 169, 73},
     {"MS Sans Serif", 11, true},
     true,
     ParameterField::nVzdalenost,
     {{"opDc200", "větší", {32, 16, 49, 13}, 9, "200"},
      {"opDc150", "střední", {56, 32, 65, 17}, 10, "150"},
      {"opdc100", "menší", {88, 48, 65, 17}, 6, "100"}}},
    {"frmKmitočet",
     "Kmitočet",
     {16, 264, 113, 81},
     {"Arial", 11, true},
     true,
     ParameterField::nKmitocet,
     {{"op2", "vyšší", {8, 16, 57, 17}, 31, "2"},
      {"op05", "vysoký", {24, 32, 57, 17}, 15, "0.5"},
      {"op03", "střední", {40, 48, 57, 13}, 17, "0.3"},
      {"op01", "menší", {56, 64, 49, 13}, 18, "0.1"}}},
    {"frmInterfeSvetloFoton",
     "Interfer.obrazce",
     {16, 352, 129, 73},
     {"MS Sans Serif", 11, true},
     true,
     ParameterField::nInterference,
     {{"opSvětlo", "Světla", {16, 16, 65, 13}, 29, "0"},
      {"opFoton", "Fotonu", {24, 32, 57, 13}, 30, "1"},
      {"opDopad", "Dopad fotonů", {32, 48, 89, 13}, 35, "2"}}},
    // Hidden, and nothing ever shows it: after start-up the slider alone sets the slowdown.
    {"frmAnimace",
     "Animace",
     {16, 440, 81, 65},
     {"MS Sans Serif", 11, true},
     false,
     ParameterField::nSpomaleni,
     {{"opRychlá", "Rychlá", {8, 16, 65, 17}, 38, "1"},
      {"opPomalejší", "Pomalejší", {8, 32, 65, 17}, 39, "10"},
      {"opPomalá", "Pomalá", {8, 48, 65, 13}, 40, "20"}}},
};

// What each field holds before the handlers first write it.
constexpr EnumTable<ParameterField, const char*, parameterFieldCount> fieldDesignTexts{{
    {ParameterField::nVzdalenost, "Vzdalenost"},
    {ParameterField::nOdchylka, "Odchylka"},
    {ParameterField::nKmitocet, "Kmitočet"},
    {ParameterField::nInterference, "Interference"},
    {ParameterField::nSpomaleni, "Spomaleni"},
}};

// A frame's caption sits on its etched top border, as on the classic desktop.
constexpr const char* etchedFrameStyle =
    "QGroupBox { border: 2px groove rgb(128, 128, 128); margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 7px; top: -1px; padding: 0 2px; }";

QPalette surfacePalette() {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, toQColor(colours::background));
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}

// The Liberation fonts stand in for the design's Windows fonts: Serif is metric-compatible with
// Times New Roman and Sans with Arial, and Sans is the closest to MS Sans Serif that Debian has.
// Asking for them by name first, without merging in fallback fonts (they cover every Czech
// letter), spares the start-up a font search for families that are not installed.
QString substituteFor(const char* family) {
    return std::string_view(family) == "Times New Roman" ? "Liberation Serif" : "Liberation Sans";
}

// The design font sizes are points at 96 dpi; fixed pixel sizes keep the layout whatever the
// screen's dpi setting.
QFont toQFont(const FontDesign& design) {
    QFont font;
    font.setFamilies({substituteFor(design.family), QString::fromUtf8(design.family)});
    font.setPixelSize(design.pixelSize);
    font.setBold(design.bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QString qtName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

SurfaceLabel* makeLabel(QWidget& window, const LabelDesign& design, const QString& name) {
    auto* label = new SurfaceLabel(QString::fromUtf8(design.caption), &window);
    label->setObjectName(name);
    label->setGeometry(design.box);
    label->setFont(toQFont(design.font));
    label->setAlignment(Qt::AlignTop | (design.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    return label;
}

QPushButton* makeButton(QWidget& window, const char* name, const char* caption, QRect box) {
    auto* button = new QPushButton(QString::fromUtf8(caption), &window);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(box);
    button->setFont(toQFont({"Times New Roman", 19, true}));
    button->setPalette(QApplication::palette());
    // Enter and keypad Enter press the focused button as Space does; outside a dialog a push
    // button answers them only when it is made an auto-default button.
    button->setAutoDefault(true);
    return button;
}

} // namespace

void makeTabStopOfSelected(QRadioButton* selected) {
    const auto siblings =
        selected->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (QRadioButton* option : siblings)
        option->setFocusPolicy(option == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

void setUpLookAndFeel() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
}

WindowControls layOutControls(QWidget& window) {
    window.setPalette(surfacePalette());
    window.setFont(toQFont(defaultFont));

    WindowControls controls{};
    std::vector<std::pair<int, QWidget*>> keyboardOrder;

    SurfaceLabel* title = makeLabel(window, titleLabel, "labInterference");
    SurfaceLabel* prompt = makeLabel(window, promptLabel, "labKlepnete");
    SurfaceLabel* one = makeLabel(window, label1, "Label1");
    one->setPalette(QApplication::palette());
    controls.surfaceLabels = {title, prompt, one};
    for (const auto& [label, design] : sceneLabelDesigns) {
        SurfaceLabel* widget = makeLabel(window, design, qtName(objectName(label)));
        widget->hide();
        controls.sceneLabels.at(static_cast<std::size_t>(label)) = widget;
        controls.surfaceLabels.push_back(widget);
    }

    controls.cmdStart = makeButton(window, "cmdStart", "Start", {536, 8, 73, 33});
    controls.cmdKonec = makeButton(window, "cmdKonec", "Konec", {616, 8, 65, 33});
    keyboardOrder.insert(keyboardOrder.end(), {{1, controls.cmdStart}, {2, controls.cmdKonec}});

    controls.HScroll1 = new SlowdownSlider(&window);
    controls.HScroll1->setObjectName("HScroll1");
    controls.HScroll1->setGeometry(144, 40, 153, 17);
    controls.HScroll1->setRange(1, 20);
    controls.HScroll1->setSingleStep(1);
    controls.HScroll1->setPageStep(1);
    controls.HScroll1->setValue(1);
    // Dragging the thumb changes the value only when it is let go.
    controls.HScroll1->setTracking(false);
    controls.HScroll1->setFocusPolicy(Qt::StrongFocus);
    // Scroll bars invert their keys by default; here Right and End mean slower.
    controls.HScroll1->setInvertedControls(false);
    controls.HScroll1->setPalette(QApplication::palette());
    keyboardOrder.emplace_back(41, controls.HScroll1);

    for (const FrameDesign& frameDesign : frameDesigns) {
        auto* frame = new QGroupBox(QString::fromUtf8(frameDesign.caption), &window);
        frame->setObjectName(QString::fromUtf8(frameDesign.name));
        frame->setGeometry(frameDesign.box);
        frame->setFont(toQFont(frameDesign.font));
        frame->setAutoFillBackground(true);
        frame->setStyleSheet(etchedFrameStyle);
        frame->setVisible(frameDesign.visible);
        for (const OptionDesign& optionDesign : frameDesign.options) {
            auto* option = new QRadioButton(QString::fromUtf8(optionDesign.caption), frame);
            option->setObjectName(QString::fromUtf8(optionDesign.name));
            option->setGeometry(optionDesign.boxInFrame);
            option->setFont(window.font());
            controls.options.push_back({option, frameDesign.field, optionDesign.text});
            keyboardOrder.emplace_back(optionDesign.keyboardOrder, option);
        }
    }

    for (const auto& [field, designText] : fieldDesignTexts) {
        controls.fields.at(static_cast<std::size_t>(field)) =
            new TextField(qtName(objectName(field)), QString::fromUtf8(designText), &window);
    }

    std::sort(keyboardOrder.begin(), keyboardOrder.end());
    for (std::size_t i = 1; i < keyboardOrder.size(); ++i)
        QWidget::setTabOrder(keyboardOrder[i - 1].second, keyboardOrder[i].second);
    return controls;
}

} // namespace lumorix
