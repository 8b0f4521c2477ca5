#include "app/surface_labels.h"
#include "app/window_layout.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace lumorix {
namespace {

constexpr QRgb grey = 0xC0C0C0;
constexpr QRgb drawing = 0x123456;

// The window's labels on a surface that a run has drawn all over; labClona's box is at
// (16, 8, 49, 17) and labHustota's at (128, 64, 49, 33) until a run moves them.
class SurfaceLabelsTest : public testing::Test {
protected:
    SurfaceLabelsTest() { surface.fill(drawing); }

    // The labels' changes painted, as at the end of a run, and the widgets following them.
    QRegion commit() {
        const QRegion changed = labels.paint(surface, board, board.commit());
        labels.follow(board);
        return changed;
    }

    // A first run has shown labClona where it is; a second run draws all over it.
    void showClonaThenDrawOver() {
        board.show(SceneLabel::labClona);
        commit();
        surface.fill(drawing);
    }

    bool untouched(const QRect& box) const {
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if ((surface.pixel(x, y) & 0xFFFFFF) != drawing)
                    return false;
        return true;
    }

    QWidget window;
    LabelBoard board;
    SurfaceLabels labels{layOutControls(window).surfaceLabels};
    const SurfaceLabel* clona = window.findChild<SurfaceLabel*>("labClona");
    QImage surface{300, 200, QImage::Format_RGB32};
};

TEST_F(SurfaceLabelsTest, NothingShowsUntilTheCommit) {
    board.show(SceneLabel::labClona);
    board.setLeft(SceneLabel::labClona, 210);
    board.setTop(SceneLabel::labClona, 90);
    EXPECT_TRUE(untouched(surface.rect()));
    EXPECT_TRUE(clona->isHidden()) << "the widget follows with the picture";

    const QRegion changed = commit();
    EXPECT_EQ(clona->pos(), QPoint(210, 90));
    EXPECT_FALSE(clona->isHidden());
    EXPECT_EQ(changed, QRegion(210, 90, 49, 17));
    EXPECT_EQ(surface.pixel(211, 105) & 0xFFFFFF, grey) << "an opaque label over the drawing";
    EXPECT_TRUE(untouched({16, 8, 49, 17})) << "no trace at the design place";
}

TEST_F(SurfaceLabelsTest, AMovedLabelClearsTheBoxItLeft) {
    showClonaThenDrawOver();
    board.show(SceneLabel::labClona);
    board.setLeft(SceneLabel::labClona, 40);
    board.setLeft(SceneLabel::labClona, 150);
    board.setTop(SceneLabel::labClona, 20);
    commit();
    EXPECT_EQ(surface.pixel(20, 9) & 0xFFFFFF, grey) << "old box cleared";
    EXPECT_TRUE(untouched({66, 8, 80, 17})) << "nothing at the place it passed through";
}

TEST_F(SurfaceLabelsTest, AnUnchangedLabelIsLeftUnderTheDrawing) {
    showClonaThenDrawOver();
    board.show(SceneLabel::labClona);
    board.setLeft(SceneLabel::labClona, 16);
    board.setTop(SceneLabel::labClona, 8);
    EXPECT_TRUE(commit().isEmpty());
    EXPECT_TRUE(untouched(surface.rect()));
}

TEST_F(SurfaceLabelsTest, ALabelIsRepaintedWhereItsBoxMeetsAClearedArea) {
    board.show(SceneLabel::labHustota);
    board.setLeft(SceneLabel::labClona, 110);
    board.setTop(SceneLabel::labClona, 70);
    showClonaThenDrawOver();

    board.hide(SceneLabel::labClona);
    EXPECT_EQ(commit(), QRegion(110, 70, 49, 17));
    EXPECT_EQ(surface.pixel(112, 72) & 0xFFFFFF, grey) << "the box cleared";
    EXPECT_FALSE(untouched({128, 70, 31, 17})) << "labHustota where the box was cleared";
    EXPECT_TRUE(untouched({159, 64, 18, 33})) << "and the drawing over the rest of labHustota";
    EXPECT_TRUE(untouched({128, 87, 49, 10}));
}

TEST_F(SurfaceLabelsTest, WidgetCoordinatesStayInRange) {
    board.show(SceneLabel::labClona);
    board.setLeft(SceneLabel::labClona, 3e38f);
    board.setTop(SceneLabel::labClona, -3e38f);
    commit();
    EXPECT_EQ(clona->x(), QWIDGETSIZE_MAX);
    EXPECT_EQ(clona->y(), -QWIDGETSIZE_MAX);
}

} // namespace
} // namespace lumorix
