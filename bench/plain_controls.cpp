// The floor of Lumorix's start-up: a plain Qt Widgets program showing what Lumorix's window shows
// at its first paint (the buttons, the slider, the visible option frames with their options, the
// title and the prompt, at their design places and in the window's fonts) and nothing else, up
// to its first paint. Built from the design tables, so that it shows what the window shows; none
// of the window's own code.

#include "canvas/colour.h"
#include "design/window_design.h"
#include "first_paint.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>
#include <string_view>

namespace {

using namespace lumorix;

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QRect rect(const Box& box) {
    return QRect(box.left, box.top, box.width, box.height);
}

// As the window sets its fonts: the substitute family first, without fallback fonts.
QFont font(const FontDesign& design) {
    QFont font;
    font.setFamilies({text(substituteFamily(design.family).name), text(design.family)});
    font.setPixelSize(design.pixelSize);
    font.setBold(design.bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// The caption on the frame's etched top border, as the window draws its frames.
QString etchedFrame() {
    const Colour colour = frameBorder.colour;
    return QStringLiteral("QGroupBox { border: %1px groove rgb(%2, %3, %4); margin-top: %5px; }"
                          "QGroupBox::title { subcontrol-origin: margin; left: %6px; top: -1px; "
                          "padding: 0 %7px; }")
        .arg(frameBorder.width)
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(frameBorder.top)
        .arg(frameBorder.captionLeft)
        .arg(frameBorder.captionPadding);
}

void addControls(QWidget& window) {
    for (const NamedLabelDesign& named : fixedLabelDesigns()) {
        if (named.name == systemColouredLabel)
            continue; // one pixel high: nobody sees it
        const LabelDesign& design = named.design;
        auto* label = new QLabel(text(design.caption), &window);
        // The substitute fonts set the title a pixel wider than its box, and the window lets
        // captions overhang that much.
        label->setGeometry(rect(design.box).adjusted(-1, 0, 1, 0));
        label->setFont(font(design.font));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignTop | (design.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    }
    for (const ButtonDesign& design : buttonDesigns()) {
        auto* button = new QPushButton(text(design.caption), &window);
        button->setGeometry(rect(design.box));
        button->setFont(font(buttonFont));
        button->setPalette(QApplication::palette());
    }
    auto* slider = new QScrollBar(Qt::Horizontal, &window);
    slider->setGeometry(rect(sliderDesign().box));
    slider->setRange(sliderDesign().minimum, sliderDesign().maximum);
    slider->setPageStep(1);
    slider->setPalette(QApplication::palette());
    for (const FrameDesign& design : frameDesigns()) {
        if (!design.visible)
            continue;
        auto* frame = new QGroupBox(text(design.caption), &window);
        frame->setGeometry(rect(design.box));
        frame->setFont(font(design.font));
        frame->setAutoFillBackground(true);
        frame->setStyleSheet(etchedFrame());
        for (const OptionDesign& optionDesign : design.options) {
            auto* option = new QRadioButton(text(optionDesign.caption), frame);
            option->setGeometry(rect(optionDesign.boxInFrame));
            option->setFont(window.font());
            const auto selected = startUpSelections();
            option->setChecked(std::find(selected.begin(), selected.end(), optionDesign.name) !=
                               selected.end());
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setWindowTitle(text(titleBarText));
    window.setFixedSize(clientWidth, clientHeight);
    QPalette surface = window.palette();
    constexpr Colour background = colours::background;
    surface.setColor(QPalette::Window,
                     QColor(background.red(), background.green(), background.blue()));
    surface.setColor(QPalette::WindowText, Qt::black);
    window.setPalette(surface);
    window.setFont(font(defaultFont));
    addControls(window);
    window.show();
    const EndAtFirstPaint end(window);
    return QApplication::exec();
}
