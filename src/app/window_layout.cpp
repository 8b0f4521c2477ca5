#include "window_layout.h"

#include "accessible_window.h"
#include "app/canvas/qt_colour.h"
#include "design/window_design.h"
#include "qt_design.h"
#include "slowdown_slider.h"
#include "window_style.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <algorithm>
#include <cmath>
#include <utility>

namespace lumorix {

namespace {

// A frame's caption sits on its etched top border, as on the classic desktop.
QString etchedFrameStyle(double scale) {
    const auto px = [scale](int length) {
        return QString::number(std::lround(length * scale)) + QStringLiteral("px");
    };
    const Colour colour = frameBorder.colour;
    const QString border = QStringLiteral("%1 groove rgb(%2, %3, %4)")
                               .arg(px(frameBorder.width))
                               .arg(colour.red())
                               .arg(colour.green())
                               .arg(colour.blue());
    return QStringLiteral("QGroupBox { border: %1; margin-top: %2; }"
                          "QGroupBox::title { subcontrol-origin: margin; left: %3; top: %4; "
                          "padding: 0 %5; }")
        .arg(border, px(frameBorder.top), px(frameBorder.captionLeft), px(-1),
             px(frameBorder.captionPadding));
}

QPalette surfacePalette() {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, toQColor(colours::background));
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}

// The substitutes asked for by name first, without merging in fallback fonts (they cover every
// Czech letter), spare the start-up a font search for families that are not installed.
// Scaled, a font keeps its design's proportions to the fraction of a pixel: through a point size
// at the window's dpi, since pixel sizes are whole.
QFont toQFont(const FontDesign& design, double scale, int logicalDpi) {
    QFont font;
    font.setFamilies({qtText(substituteFamily(design.family).name), qtText(design.family)});
    if (scale == 1)
        font.setPixelSize(design.pixelSize);
    else
        font.setPointSizeF(design.pixelSize * scale * 72 / logicalDpi);
    font.setBold(design.bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

SurfaceLabel* makeLabel(QWidget& window, const LabelDesign& design, std::string_view name) {
    auto* label = new SurfaceLabel(qtText(design.caption), &window);
    label->setObjectName(qtText(name));
    label->setGeometry(toQRect(design.box));
    label->setFont(toQFont(design.font, 1, window.logicalDpiY()));
    label->setAlignment(Qt::AlignTop | (design.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    return label;
}

QPushButton* makeButton(QWidget& window, const ButtonDesign& design) {
    auto* button = new QPushButton(qtText(design.caption), &window);
    button->setObjectName(qtText(design.name));
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
    QApplication::setStyle(new WindowStyle);
    // DejaVu, which every Debian desktop has, should the Liberation fonts be missing.
    for (const FontSubstitution& substitution : fontSubstitutions()) {
        const QString fallback = substitution.family.generic == serifFamily.generic
                                     ? QStringLiteral("DejaVu Serif")
                                     : QStringLiteral("DejaVu Sans");
        QFont::insertSubstitutions(qtText(substitution.designFamily),
                                   {qtText(substitution.family.name), fallback});
    }
}

WindowControls layOutControls(QWidget& window) {
    window.setPalette(surfacePalette());
    // Before any control exists, so that none measures its caption in the application's font.
    window.setFont(toQFont(defaultFont, 1, window.logicalDpiY()));

    WindowControls controls{};
    std::vector<std::pair<int, QWidget*>> keyboardOrder;

    // One widget for each label of the board, in its painting order.
    const LabelBoard startUpBoard;
    for (const LabelBoard::Label& label : startUpBoard.labels()) {
        SurfaceLabel* widget = makeLabel(window, *label.design, label.name);
        if (label.name == systemColouredLabel) {
            widget->setPalette(QApplication::palette());
            // One pixel high: nobody can see it.
            keepOutOfAccessibleTree(*widget);
        }
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
        frame->setAutoFillBackground(true);
        frame->setVisible(frameDesign.visible);
        if (!frameDesign.visible)
            keepOutOfAccessibleTree(*frame); // and its options with it: nothing ever shows it
        controls.frames.push_back(frame);
        for (const OptionDesign& optionDesign : frameDesign.options) {
            auto* option = new QRadioButton(qtText(optionDesign.caption), frame);
            option->setObjectName(qtText(optionDesign.name));
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
    placeControls(window, controls, ClientPlacement{});
    return controls;
}

void placeControls(QWidget& window, const WindowControls& controls,
                   const ClientPlacement& placement) {
    const double scale = placement.scale;
    const int dpi = window.logicalDpiY();
    window.setFont(toQFont(defaultFont, scale, dpi));

    const std::span<const ButtonDesign> buttons = buttonDesigns();
    for (const auto& [button, design] :
         {std::pair(controls.cmdStart, buttons[0]), std::pair(controls.cmdKonec, buttons[1])}) {
        button->setGeometry(toQRect(placed(design.box, placement)));
        button->setFont(toQFont(buttonFont, scale, dpi));
    }
    controls.HScroll1->setGeometry(toQRect(placed(sliderDesign().box, placement)));

    auto option = controls.options.begin();
    const std::span<const FrameDesign> frames = frameDesigns();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        QGroupBox* frame = controls.frames.at(i);
        frame->setGeometry(toQRect(placed(frames[i].box, placement)));
        frame->setFont(toQFont(frames[i].font, scale, dpi));
        frame->setStyleSheet(etchedFrameStyle(scale));
        for (const OptionDesign& design : frames[i].options) {
            option->option->setGeometry(toQRect(scaled(design.boxInFrame, scale)));
            option->option->setFont(window.font());
            ++option;
        }
    }
}

} // namespace lumorix
