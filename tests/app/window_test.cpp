#include "window_fixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <string_view>

namespace lumorix {
namespace {

const QStringList sceneLabels{"labClona", "labHustota",  "labInterObr", "labPravde",
                              "labZdroj", "labDetektor", "labA",        "labB"};
const QStringList fields{"nOdchylka", "nVzdalenost", "nKmitočet", "nInterference", "nSpomaleni"};

TEST_F(WindowTest, StartsWithTheDefaultParameters) {
    EXPECT_EQ(field("nOdchylka"), "15");
    EXPECT_EQ(field("nVzdalenost"), "200");
    EXPECT_EQ(field("nKmitočet"), "2");
    EXPECT_EQ(field("nInterference"), "0");
    EXPECT_EQ(field("nSpomaleni"), "1");

    for (const char* selected : {"op60", "opDc200", "op2", "opSvětlo", "opRychlá"})
        EXPECT_TRUE(control<QRadioButton>(QString::fromUtf8(selected))->isChecked()) << selected;
    int checked = 0;
    for (const QRadioButton* option : window.findChildren<QRadioButton*>())
        checked += option->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 5) << "one option per frame";

    const QScrollBar* slider = control<QScrollBar>("HScroll1");
    EXPECT_EQ(slider->value(), 1);
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 20);
}

TEST_F(WindowTest, ShowsTheControlsAndHidesTheFieldsAndSceneLabels) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.windowTitle().startsWith("Lumorix - "));
    EXPECT_GE(window.width(), 800);
    EXPECT_GE(window.height(), 580);

    for (const char* name : {"labInterference", "labKlepnete", "Label1"})
        EXPECT_TRUE(control<QLabel>(name)->isVisible()) << name;
    for (const char* name : {"cmdStart", "cmdKonec"})
        EXPECT_TRUE(control<QPushButton>(name)->isVisible()) << name;
    EXPECT_TRUE(control<QScrollBar>("HScroll1")->isVisible());
    for (const char* name :
         {"frmnRozteč", "frmVzdalenostDetektoru", "frmKmitočet", "frmInterfeSvetloFoton"})
        EXPECT_TRUE(control<QGroupBox>(QString::fromUtf8(name))->isVisible()) << name;

    EXPECT_FALSE(control<QGroupBox>("frmAnimace")->isVisible());
    EXPECT_FALSE(control<QRadioButton>("opPomalá")->isVisible());
    for (const QString& name : fields) {
        EXPECT_NE(window.findChild<TextField*>(name), nullptr) << name.toStdString();
        EXPECT_EQ(window.findChild<QWidget*>(name), nullptr) << "a plain text, never shown";
    }
    for (const QString& name : sceneLabels)
        EXPECT_FALSE(control<QLabel>(name)->isVisible()) << name.toStdString();
}

TEST_F(WindowTest, OptionsStandInTheirFramesLikeAStaircase) {
    EXPECT_EQ(control<QRadioButton>("opDc200")->mapTo(&window, QPoint(0, 0)), QPoint(48, 200));
    EXPECT_EQ(control<QRadioButton>("opDc150")->mapTo(&window, QPoint(0, 0)), QPoint(72, 216));
    EXPECT_EQ(control<QRadioButton>("opdc100")->mapTo(&window, QPoint(0, 0)), QPoint(104, 232));
    EXPECT_EQ(control<QRadioButton>("opPomalá")->mapTo(&window, QPoint(0, 0)), QPoint(24, 488));
    EXPECT_EQ(control<QPushButton>("cmdStart")->geometry(), QRect(536, 8, 73, 33));
}

TEST_F(WindowTest, FontsAreTheLiberationSubstitutesAtFixedPixelSizes) {
    const auto expectFont = [](const QWidget* widget, const char* family, int pixelSize,
                               bool bold) {
        const QFontInfo info(widget->font());
        EXPECT_EQ(info.family(), family) << widget->objectName().toStdString();
        EXPECT_EQ(info.pixelSize(), pixelSize) << widget->objectName().toStdString();
        EXPECT_EQ(info.bold(), bold) << widget->objectName().toStdString();
        for (const char32_t letter : std::u32string_view(U"ěščřžýáíéůúňďťĚŠČŘŽ"))
            EXPECT_TRUE(QFontMetrics(widget->font()).inFontUcs4(letter));
    };
    expectFont(control<QLabel>("labInterference"), "Liberation Serif", 21, true);
    expectFont(control<QPushButton>("cmdStart"), "Liberation Serif", 19, true);
    expectFont(control<QLabel>("labA"), "Liberation Serif", 16, true);
    expectFont(control<QLabel>("labClona"), "Liberation Sans", 13, true);
    expectFont(control<QLabel>("labHustota"), "Liberation Sans", 11, true);
    expectFont(control<QGroupBox>("frmKmitočet"), "Liberation Sans", 11, true);
    expectFont(control<QRadioButton>("opVelka"), "Liberation Sans", 11, false);

    EXPECT_EQ(control<QGroupBox>("frmVzdalenostDetektoru")->title(),
              QString::fromUtf8("Vzdálenost Detektor-Clona"));
    EXPECT_EQ(control<QRadioButton>("opPomalejší")->text(), QString::fromUtf8("Pomalejší"));
}

TEST_F(WindowTest, FocusStartsOnStartAndTabStopsOnlyAtSelectedOptions) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QStringList expected{"cmdKonec", "opDc200",  "op60",    "opSvětlo",
                               "op2",      "HScroll1", "cmdStart"};
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "cmdStart");
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);

    // After another distance is chosen, the keyboard stops there instead.
    select("opDc150");
    control<QPushButton>("cmdKonec")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "opDc150");
}

TEST_F(WindowTest, TheWindowIconIsLumorixsOwnDrawing) {
    for (const int size : {16, 48, 256})
        EXPECT_FALSE(window.windowIcon().pixmap(size).isNull()) << size;
    // Rendered ahead at the sizes that menus take, rather than drawn at start-up.
    const QList<QSize> rendered = window.windowIcon().availableSizes();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(rendered.contains(QSize(size, size))) << size;
}

struct OptionText {
    const char* option;
    const char* field;
    const char* text;
};

TEST_F(WindowTest, EachOptionWritesItsTextIntoItsField) {
    const OptionText table[] = {
        {"opVelka", "nOdchylka", "40"},     {"op40", "nOdchylka", "10"},
        {"op20", "nOdchylka", "5"},         {"op0", "nOdchylka", "0"},
        {"op60", "nOdchylka", "15"},        {"opDc150", "nVzdalenost", "150"},
        {"opdc100", "nVzdalenost", "100"},  {"opDc200", "nVzdalenost", "200"},
        {"op05", "nKmitočet", "0.5"},       {"op03", "nKmitočet", "0.3"},
        {"op01", "nKmitočet", "0.1"},       {"op2", "nKmitočet", "2"},
        {"opFoton", "nInterference", "1"},  {"opDopad", "nInterference", "2"},
        {"opSvětlo", "nInterference", "0"}, {"opPomalejší", "nSpomaleni", "10"},
        {"opPomalá", "nSpomaleni", "20"},   {"opRychlá", "nSpomaleni", "1"},
    };
    for (const OptionText& row : table) {
        select(QString::fromUtf8(row.option));
        EXPECT_EQ(field(QString::fromUtf8(row.field)), row.text) << row.option;
        EXPECT_TRUE(control<QRadioButton>(QString::fromUtf8(row.option))->isChecked());
    }
}

TEST_F(WindowTest, SelectingAnOptionLeavesTheSliderAlone) {
    select("opPomalá");
    EXPECT_EQ(field("nSpomaleni"), "20");
    EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 1);
}

TEST_F(WindowTest, SliderArrowsTrackAndKeysStepByOne) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QScrollBar* slider = control<QScrollBar>("HScroll1");
    const int middle = slider->height() / 2;

    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 4, middle));
    EXPECT_EQ(slider->value(), 2) << "right arrow";
    EXPECT_EQ(field("nSpomaleni"), "2");
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 30, middle));
    EXPECT_EQ(slider->value(), 3) << "track right of the thumb";
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(4, middle));
    EXPECT_EQ(slider->value(), 2) << "left arrow";

    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(field("nSpomaleni"), "3");
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(field("nSpomaleni"), "20");
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(slider->value(), 20) << "stops at its end";
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(field("nSpomaleni"), "1");
}

TEST_F(WindowTest, DraggingTheSliderWritesOnlyWhenTheThumbIsLetGo) {
    QScrollBar* slider = control<QScrollBar>("HScroll1");
    slider->setSliderDown(true);
    slider->setSliderPosition(12);
    slider->setSliderPosition(15);
    EXPECT_EQ(field("nSpomaleni"), "1");
    slider->setSliderDown(false);
    EXPECT_EQ(field("nSpomaleni"), "15");
}

} // namespace
} // namespace lumorix
