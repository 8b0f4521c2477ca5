#include "window_layout.h"

#include "canvas/qt_colour.h"
#include "design/window_design.h"
#include "qt_design.h"
#include "slowdown_slider.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <algorithm>
#include <utility>

namespace lumorix {

namespace {

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

// The substitutes asked for by name first, without merging in fallback fonts (they cover every
// Czech letter), spare the start-up a font search for families that are not installed.
QFont toQFont(const FontDesign& design) {
    QFont font;
    font.setFamilies({qtText(substituteFamily(design.family)), qtText(design.family)});
    font.setPixelSize(design.pixelSize);
    font.setBold(design.bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

SurfaceLabel* makeLabel(QWidget& window, const LabelDesign& design, std::string_view name) {
    auto* label = new SurfaceLabel(qtText(design.caption), &window);
    label->setObjectName(qtText(name));
    label->setGeometry(toQRect(design.box));
    label->setFont(toQFont(design.font));
    label->setAlignment(Qt::AlignTop | (design.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    return label;
}

QPushButton* makeButton(QWidget& window, const ButtonDesign& design) {
    auto* button = new QPushButton(qtText(design.caption), &window);
    button->setObjectName(qtText(design.name));
    button->setGeometry(toQRect(design.box));
    button->setFont(toQFont(buttonFont));
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

    // One widget for each label of the board, in its painting order.
    const LabelBoard startUpBoard;
    for (const LabelBoard::Label& label : startUpBoard.labels()) {
        SurfaceLabel* widget = makeLabel(window, *label.design, label.name);
        if (label.name == systemColouredLabel)
            widget->setPalette(QApplication::palette());
        if (!label.visible)
            widget->hide();
        controls.surfaceLabels.push_back(widget);
    }

    const std::span<const ButtonDesign> buttons = buttonDesigns();
    controls.cmdStart = makeButton(window, buttons[0]);
    controls.cmdKonec = makeButton(window, buttons[1]);
    keyboardOrder.insert(keyboardOrder.end(), {{buttons[0].keyboardOrder, controls.cmdStart},
                                               {buttons[1].keyboardOrder, controls.cmdKonec}});

    const SliderDesign& slider = sliderDesign();
    controls.HScroll1 = new SlowdownSlider(&window);
    controls.HScroll1->setObjectName(qtText(slider.name));
    controls.HScroll1->setGeometry(toQRect(slider.box));
    controls.HScroll1->setRange(slider.minimum, slider.maximum);
    controls.HScroll1->setSingleStep(1);
    controls.HScroll1->setPageStep(1);
    controls.HScroll1->setValue(slider.minimum);
    // Dragging the thumb changes the value only when it is let go.
    controls.HScroll1->setTracking(false);
    controls.HScroll1->setFocusPolicy(Qt::StrongFocus);
    // Scroll bars invert their keys by default; here Right and End mean slower.
    controls.HScroll1->setInvertedControls(false);
    controls.HScroll1->setPalette(QApplication::palette());
    keyboardOrder.emplace_back(slider.keyboardOrder, controls.HScroll1);

    for (const FrameDesign& frameDesign : frameDesigns()) {
        auto* frame = new QGroupBox(qtText(frameDesign.caption), &window);
        frame->setObjectName(qtText(frameDesign.name));
        frame->setGeometry(toQRect(frameDesign.box));
        frame->setFont(toQFont(frameDesign.font));
        frame->setAutoFillBackground(true);
        frame->setStyleSheet(etchedFrameStyle);
        frame->setVisible(frameDesign.visible);
        for (const OptionDesign& optionDesign : frameDesign.options) {
            auto* option = new QRadioButton(qtText(optionDesign.caption), frame);
            option->setObjectName(qtText(optionDesign.name));
            option->setGeometry(toQRect(optionDesign.boxInFrame));
            option->setFont(window.font());
            controls.options.push_back({option, frameDesign.field, qtText(optionDesign.text)});
            keyboardOrder.emplace_back(optionDesign.keyboardOrder, option);
        }
    }

    for (std::size_t i = 0; i < parameterFieldCount; ++i) {
        const auto field = static_cast<ParameterField>(i);
        controls.fields.at(i) =
            new TextField(qtText(objectName(field)), qtText(fieldDesignText(field)), &window);
    }

    std::sort(keyboardOrder.begin(), keyboardOrder.end());
    for (std::size_t i = 1; i < keyboardOrder.size(); ++i)
        QWidget::setTabOrder(keyboardOrder[i - 1].second, keyboardOrder[i].second);
    return controls;
}

} // namespace lumorix
