#include "web/page_session.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace lumorix {
namespace {

using namespace std::chrono_literals;

void setFields(PageSession& session, const ParameterTexts& fields) {
    for (std::size_t i = 0; i < parameterFieldCount; ++i) {
        const auto field = static_cast<ParameterField>(i);
        ASSERT_TRUE(session.setFieldText(field, fields.text(field)));
    }
}

// A page that keeps every painting it was handed, as its board would show them one over another.
struct Page {
    PageSession session;
    std::vector<float> picture;

    // As the page opens: the board fitted to the screen, and the fields as the start-up
    // selections write them.
    Page() {
        session.showAt(1);
        picture = redraw();
        setFields(session, ParameterTexts("200", "15", "2", "0", "1"));
    }

    PageSession::Progress advance(PageTime now) {
        const PageSession::Progress progress = session.advance(now);
        picture.insert(picture.end(), progress.paint.begin(), progress.paint.end());
        return progress;
    }
    // Plays a run to its end, waking exactly when asked; returns when it ended.
    PageTime play(PageTime start) {
        EXPECT_TRUE(session.start(start));
        PageTime now = start;
        for (auto progress = advance(now); progress.nextStep; progress = advance(now))
            now = *progress.nextStep;
        return now;
    }
    // The picture that the redraw under way paints, part by part, until it is shown.
    std::vector<float> redraw() {
        std::vector<float> redrawn;
        for (;;) {
            const std::optional<Board::RedrawStep> step = session.nextRedrawStep();
            if (step == Board::RedrawStep::begin)
                redrawn.clear();
            if (!step || step == Board::RedrawStep::show)
                return redrawn;
            redrawn.insert(redrawn.end(), session.boardPaint().begin(), session.boardPaint().end());
        }
    }
};

TEST(PageSession, PlaysEachStepAfterTheOneBeforeHasPausedAndLastsTheSumOfItsPauses) {
    Page page;
    ASSERT_TRUE(page.session.start(1000ms));
    const auto first = page.advance(1000ms);
    EXPECT_FALSE(first.paint.empty()) << "the apparatus and the first step at once";
    EXPECT_EQ(first.nextStep, PageTime(1003ms)) << "the default slowdown pauses 3 ms a step";
    EXPECT_TRUE(page.advance(1002.9ms).paint.empty()) << "nothing before the pause is over";
    EXPECT_FALSE(page.session.setFieldText(ParameterField::nOdchylka, "40"));
    EXPECT_FALSE(page.session.start(1002.9ms)) << "one run at a time";

    // A wake-up that comes late is taken out of the pauses after it; a stall longer than 100 ms
    // is let go, so that the steps after it do not rush.
    EXPECT_EQ(page.advance(1004.5ms).nextStep, PageTime(1006ms));
    EXPECT_EQ(page.advance(1050ms).nextStep, PageTime(1051ms)) << "14 steps at once";
    EXPECT_EQ(page.advance(1400ms).nextStep, PageTime(1402ms)) << "from 1300 ms on";
    for (auto progress = page.advance(1402ms); progress.nextStep;
         progress = page.advance(*progress.nextStep)) {
    }
    EXPECT_FALSE(page.session.running());
    EXPECT_FALSE(page.session.failure());
    EXPECT_NE(page.session.drawingDescription().find("interferenční obrazec světla"),
              std::string::npos);
    EXPECT_TRUE(page.session.setFieldText(ParameterField::nOdchylka, "40"));

    EXPECT_EQ(page.play(5000ms), 5000ms + 399 * 3ms) << "399 pauses of 3 ms";
    ASSERT_TRUE(page.session.setFieldText(ParameterField::nSpomaleni, "20"));
    EXPECT_EQ(page.play(0ms), 399 * 60ms);
}

TEST(PageSession, DrawsTheBoardAgainAsItWasPaintedOnceTheRunInProgressHasEnded) {
    Page page;
    setFields(page.session, ParameterTexts("100", "0", "2", "2", "1"));
    const PageTime end = page.play(0ms);
    setFields(page.session, ParameterTexts("150", "40", "0.5", "1", "20"));
    ASSERT_TRUE(page.session.setRunStates({true, false, true})); // drawn so again
    page.play(end);
    page.session.showAt(2);
    EXPECT_TRUE(page.session.busy());
    EXPECT_FALSE(page.session.start(end)) << "Start waits for the redraw";
    EXPECT_EQ(page.redraw(), page.picture);
    EXPECT_EQ(page.session.pixelRatio(), 2);

    setFields(page.session, ParameterTexts("200", "15", "2", "2", "1"));
    ASSERT_TRUE(page.session.start(0ms));
    page.advance(0ms);
    page.session.showAt(1.5);
    EXPECT_EQ(page.session.nextRedrawStep(), std::nullopt)
        << "the run goes on at the ratio it began with";
    for (auto progress = page.advance(150ms); progress.nextStep;
         progress = page.advance(*progress.nextStep)) {
    }
    EXPECT_TRUE(page.session.busy()) << "and the board is redrawn when it has ended";
    EXPECT_EQ(page.redraw(), page.picture);
    EXPECT_EQ(page.session.pixelRatio(), 1.5);
}

TEST(PageSession, InputThatArrivesWhileTheBoardIsBusyIsHandedBackInOrderWhenItIsIdle) {
    // Input as the page writes it, whole, Czech letters included.
    const std::string key = R"({"type":"keydown","key":"ž","shiftKey":false})";
    const std::string start = R"({"type":"click","target":[1,0,1],"clientX":570.5})";
    const std::string keyAfter = R"({"type":"keydown","key":"T"})";
    Page page;
    std::vector<std::string> handled;
    const auto handle = [&](const std::string& input) {
        handled.push_back(input);
        if (input == start)
            page.session.start(0ms);
    };
    ASSERT_TRUE(page.session.start(0ms));
    for (const std::string& input : {key, start, keyAfter}) {
        ASSERT_TRUE(page.session.inputMustWait());
        page.session.holdInput(input);
    }
    page.session.handleWaitingInput(handle);
    EXPECT_TRUE(handled.empty()) << "the run is still playing";
    for (auto progress = page.advance(0ms); progress.nextStep;
         progress = page.advance(*progress.nextStep)) {
    }
    page.session.handleWaitingInput(handle);
    EXPECT_EQ(handled, (std::vector<std::string>{key, start}))
        << "the Start began a run: the last key waits for it";
    EXPECT_TRUE(page.session.inputMustWait());
}

TEST(PageSession, ReportsAFatalErrorOnceTheStepsBeforeItHaveBeenPlayed) {
    Page page;
    ASSERT_TRUE(page.session.setFieldText(ParameterField::nSpomaleni, "Spomaleni"));
    ASSERT_TRUE(page.session.start(0ms));
    const auto progress = page.advance(0ms);
    EXPECT_FALSE(progress.paint.empty()) << "the apparatus and the first step were drawn";
    EXPECT_FALSE(progress.nextStep);
    ASSERT_TRUE(page.session.failure());
    EXPECT_EQ(page.session.failure()->number(), 13);
}

TEST(PageSession, ARunTakesTheStatesSetWhileTheBoardWasIdle) {
    Page page;
    page.session.keepTrace();
    ASSERT_TRUE(page.session.setRunStates({true, false, false}) && page.session.start(0ms));
    EXPECT_FALSE(page.session.setRunStates({})) << "not while the run lasts";
    EXPECT_NE(page.session.trace().find("\ndrawCircle 250 285 3\n"), std::string::npos);
}

TEST(PageSession, KeepsTheCallsOfTheRunsAsATraceOnlyWhenAsked) {
    PageSession session;
    ASSERT_TRUE(session.setFieldText(ParameterField::nVzdalenost, "Vzdalenost"));
    ASSERT_TRUE(session.start(0ms));
    session.advance(0ms);
    EXPECT_EQ(session.trace(), "");

    session.keepTrace();
    ASSERT_TRUE(session.start(0ms));
    const std::string trace = session.trace();
    EXPECT_TRUE(trace.starts_with("setScalePixels\ndrawLine 5 1 800 1 0xC0C0C0\n")) << trace;
    EXPECT_TRUE(trace.ends_with("drawLine 5 571 800 571 0xC0C0C0\nfatal 13 Neshoda typů\n"))
        << "the distance fails as soon as the set-up reads it: " << trace;
}

TEST(DisplayList, EveryRecordIsAsLongAsThePageReadsItByItsCode) {
    DisplayList list;
    LabelBoard labels;
    list.paintBoard(labels);
    list.draw(DrawLine{1, 2, 3, 4, std::nullopt}, CanvasState{});
    list.draw(DrawCircle{5, 6, 1, colours::background}, CanvasState{});
    labels.show(SceneLabel::labA);
    labels.setLeft(SceneLabel::labA, 300);
    labels.show(SceneLabel::labB);
    list.paintLabelChanges(labels, labels.commit());

    std::vector<std::string> read;
    for (std::size_t i = 0; i < list.size();) {
        const float code = list.values()[i];
        const auto records = DisplayList::records();
        const auto record = std::find_if(records.begin(), records.end(), [code](const auto& r) {
            return static_cast<float>(r.code) == code;
        });
        ASSERT_NE(record, records.end()) << "no operation " << code << " at " << i;
        read.emplace_back(record->name);
        const auto boxes = record->perBox ? static_cast<std::size_t>(list.values()[i + 1]) : 0;
        i += static_cast<std::size_t>(record->length) + boxes * record->perBox;
        ASSERT_LE(i, list.size());
    }
    EXPECT_EQ(read, (std::vector<std::string>{"fill", "label", "label", "label", "line", "circle",
                                              "clip", "label", "label", "unclip"}));
}

} // namespace
} // namespace lumorix
