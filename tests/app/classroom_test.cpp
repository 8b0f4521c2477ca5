#include "window_fixture.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace lumorix {
namespace {

constexpr QSize screenSize(2560, 1440);

// An impact run and a light run: the impact dots show where the random sequence stands.
void makeRuns(InterferenceWindow& window) {
    for (const char* mode : {"opDopad", "opSvětlo"}) {
        window.findChild<QRadioButton*>(QString::fromUtf8(mode))->click();
        window.cmdStart_Click();
    }
}

class ClassroomTest : public WindowTest {
protected:
    ClassroomTest() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A key pressed in a window that the user has made active.
    static void press(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        target.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&target));
        QTest::keyClick(&target, key, modifiers);
    }

    // The picture of a window that has been shown at that size from the start, then made the
    // runs.
    QImage drawnFromTheStartAt(const std::function<void(InterferenceWindow&)>& enlarge, QSize size,
                               const std::function<void(InterferenceWindow&)>& runs = makeRuns) {
        InterferenceWindow reference{std::chrono::nanoseconds(0)};
        reference.show();
        enlarge(reference);
        EXPECT_TRUE(QTest::qWaitFor([&] { return reference.size() == size; }));
        EXPECT_TRUE(waitForTheBoard(reference));
        runs(reference);
        return reference.surface().copy();
    }

    // The controls and their fonts take the scale, to within the rounding of a pixel.
    void expectControlsScaledBy(double scale, QPoint origin) {
        const QRect start = control<QPushButton>("cmdStart")->geometry();
        EXPECT_NEAR(start.x(), origin.x() + 536 * scale, 0.5);
        EXPECT_NEAR(start.y(), origin.y() + 8 * scale, 0.5);
        EXPECT_NEAR(start.width(), 73 * scale, 1);
        const QWidget* option = control<QRadioButton>("opDc150");
        EXPECT_NEAR(option->mapTo(&window, QPoint()).x(), origin.x() + 72 * scale, 1.5);
        EXPECT_NEAR(option->height(), 17 * scale, 1);
        EXPECT_NEAR(QFontInfo(control<QPushButton>("cmdStart")->font()).pixelSize(), 19 * scale, 1);
        EXPECT_NEAR(
            option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option),
            QApplication::style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) * scale, 0.5);
    }
};

TEST_F(ClassroomTest, EachZoomStepScalesTheControlsAndDrawsTheBoardAsARunAtThatZoomWould) {
    makeRuns(window);
    const QImage atDesignSize = window.surface().copy();
    int steps = 0;
    for (const double zoom : {1.25, 1.5, 1.75, 2.0}) {
        press(window, Qt::Key_Plus, Qt::ControlModifier);
        ++steps;
        const QSize size(qRound(800 * zoom), qRound(600 * zoom));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == size; })) << zoom;
        ASSERT_TRUE(waitForTheBoard(window));
        expectControlsScaledBy(zoom, QPoint());
        EXPECT_EQ(window.surface().devicePixelRatio(), zoom);
        const QImage reference = drawnFromTheStartAt(
            [steps](InterferenceWindow& w) {
                for (int i = 0; i < steps; ++i)
                    w.zoomIn();
            },
            size);
        EXPECT_TRUE(window.surface() == reference) << "redrawn at " << zoom;
    }
    press(window, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window.zoom(), 2) << "200 % is the last step";

    press(window, Qt::Key_0, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(800, 600); }));
    ASSERT_TRUE(waitForTheBoard(window));
    EXPECT_TRUE(window.surface() == atDesignSize);
    expectControlsScaledBy(1, QPoint());
}

TEST_F(ClassroomTest, AfterHeavyRunsAZoomStepRedrawsTheBoardWhileTheWindowGoesOnAnswering) {
    window.setRedrawSlice(std::chrono::milliseconds(0)); // a break after every step
    const auto heavyRuns = [](InterferenceWindow& w) {
        for (const char* option : {"opdc100", "op0", "opDopad"})
            w.findChild<QRadioButton*>(option)->click();
        for (int run = 0; run < 3; ++run)
            w.cmdStart_Click();
    };
    heavyRuns(window);
    const QImage before = window.surface().copy();
    bool answered = false;
    bool oldPictureShown = false;
    QString fieldMeanwhile;
    // A timer that fires as soon as the board is being redrawn.
    QTimer whileDrawing;
    QObject::connect(&whileDrawing, &QTimer::timeout, [&] {
        if (!window.isBoardBusy())
            return;
        whileDrawing.stop();
        answered = true;
        oldPictureShown = window.surface() == before;
        select("op40");
        fieldMeanwhile = field("nOdchylka");
    });
    whileDrawing.start(0);
    press(window, Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(1000, 750); }));
    ASSERT_TRUE(waitForTheBoard(window));
    EXPECT_TRUE(answered) << "the window went on answering while the board was redrawn";
    EXPECT_TRUE(oldPictureShown) << "the old picture, never a half-drawn one";
    EXPECT_EQ(fieldMeanwhile, "0") << "a click meanwhile waited for the board";
    EXPECT_TRUE(window.surface() == drawnFromTheStartAt([](InterferenceWindow& w) { w.zoomIn(); },
                                                        QSize(1000, 750), heavyRuns));
    EXPECT_TRUE(QTest::qWaitFor([&] { return field("nOdchylka") == "10"; }));
}

TEST_F(ClassroomTest, FullScreenScalesTheClientAreaToFitCentredAndEscLeavesIt) {
    makeRuns(window);
    const QImage atDesignSize = window.surface().copy();
    press(window, Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == screenSize; }));
    ASSERT_TRUE(waitForTheBoard(window));
    // 1440 pixels high: the client area 2.4 times larger, 1920 wide, 320 from the left.
    expectControlsScaledBy(2.4, QPoint(320, 0));
    EXPECT_TRUE(
        window.surface() ==
        drawnFromTheStartAt([](InterferenceWindow& w) { w.toggleFullScreen(); }, screenSize));
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixel(100, 700) & 0xFFFFFF, grey) << "the surround";
    EXPECT_EQ(shown.pixel(320 + qRound(249.5 * 2.4), 200 * 2.4) & 0xFFFFFF, black) << "the wall";

    press(window, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(800, 600); }));
    ASSERT_TRUE(waitForTheBoard(window));
    EXPECT_TRUE(window.surface() == atDesignSize);
}

TEST_F(ClassroomTest, CtrlNGivesTheStartUpPictureAndKeepsTheSettingsAndTheRandomSequence) {
    const QImage startUp = window.grab().toImage();
    makeRuns(window);
    select("op0");
    press(window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(control<QLabel>("labClona")->isHidden());
    EXPECT_EQ(field("nOdchylka"), "0");
    EXPECT_TRUE(control<QRadioButton>("op0")->isChecked());
    select("op60");
    EXPECT_TRUE(window.grab().toImage() == startUp);

    select("opDopad");
    start();
    InterferenceWindow fresh{std::chrono::nanoseconds(0)};
    fresh.findChild<QRadioButton*>("opDopad")->click();
    fresh.cmdStart_Click();
    EXPECT_FALSE(window.surface() == fresh.surface()) << "the dots of the next numbers";
}

TEST_F(ClassroomTest, CtrlSSavesThePictureAsCopiedAndAFailureKeepsIt) {
    makeRuns(window);
    const QImage picture = window.surface().copy();
    const QTemporaryDir folder;
    const QString path = folder.filePath("obrazec.png");
    answerWhenShown<QFileDialog>([path](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    press(window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QImage(path).convertToFormat(QImage::Format_RGB32) == picture);

    QFile notAFolder(folder.filePath("soubor"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    const QString unwritable = folder.filePath("soubor/obrazec.png");
    QString message;
    answerWhenShown<QFileDialog>([&](QFileDialog* dialog) {
        answerWhenShown<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        dialog->selectFile(unwritable);
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    press(window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(message.contains(unwritable)) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromUtf8("nepodařilo"))) << message.toStdString();
    EXPECT_TRUE(window.surface() == picture);
}

TEST_F(ClassroomTest, F1OpensTheCzechHelpBesideTheWindowAndEscClosesIt) {
    pressOnTheWindowSystem(Qt::Key_F1);
    QWidget* help = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        help = window.findChild<QDialog*>("help");
        return help != nullptr && help->isVisible();
    }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "not modal";
    EXPECT_TRUE(help->findChild<QTextBrowser*>()->toPlainText().contains("Ctrl+N"));
    const auto* buttons = help->findChild<QDialogButtonBox*>();
    EXPECT_EQ(buttons->button(QDialogButtonBox::Close)->text(), QString::fromUtf8("Zavřít"))
        << "Qt's own texts in Czech";
    press(*help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(ClassroomTest, TheMenuKeyOpensTheContextMenuOfTheCommandsInOrder) {
    QStringList listed;
    answerWhenShown<QMenu>([&](QMenu* menu) {
        for (const QAction* action : menu->actions())
            listed << action->text() + " " + action->shortcut().toString();
        menu->close();
    });
    // The Menu key, as the window system reports it.
    QWindowSystemInterface::handleContextMenuEvent(window.windowHandle(), false, QPoint(),
                                                   window.mapToGlobal(QPoint()), {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !listed.isEmpty(); }));
    EXPECT_EQ(listed, QStringList({QString::fromUtf8("Kopírovat obrázek Ctrl+C"),
                                   QString::fromUtf8("Uložit obrázek… Ctrl+S"),
                                   QString::fromUtf8("Nový obrazec Ctrl+N"),
                                   QString::fromUtf8("Celá obrazovka F11"),
                                   QString::fromUtf8("Nápověda F1"), QString::fromUtf8("Zvuk Z"),
                                   QString::fromUtf8("Teorie T")}));
}

TEST_F(ClassroomTest, AKeyPressedDuringARunTakesEffectAfterIt) {
    // The timer fires inside the first pause of the run.
    QTimer::singleShot(0, &window,
                       [this] { pressOnTheWindowSystem(Qt::Key_N, Qt::ControlModifier); });
    start();
    EXPECT_FALSE(control<QLabel>("labB")->isHidden()) << "the run went on to its end";
    EXPECT_TRUE(QTest::qWaitFor([this] { return control<QLabel>("labB")->isHidden(); }))
        << "then the board was made clean";
}

} // namespace
} // namespace lumorix
