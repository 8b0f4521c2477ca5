#include "web/page_session.h"

#include <gtest/gtest.h>
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

    // As the page opens: the board, and the fields as the start-up selections write them.
    Page() {
        picture = copy(session.redraw().values());
        setFields(session, ParameterTexts("200", "15", "2", "0", "1"));
    }

    static std::vector<float> copy(std::span<const float> values) {
        return {values.begin(), values.end()};
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

TEST(PageSession, DrawsTheBoardAgainAsItWasPaintedRunInProgressIncluded) {
    Page page;
    setFields(page.session, ParameterTexts("100", "0", "2", "2", "1"));
    const PageTime end = page.play(0ms);
    setFields(page.session, ParameterTexts("150", "40", "0.5", "1", "20"));
    page.play(end);
    EXPECT_EQ(Page::copy(page.session.redraw().values()), page.picture);

    setFields(page.session, ParameterTexts("200", "15", "2", "2", "1"));
    ASSERT_TRUE(page.session.start(0ms));
    page.advance(0ms);
    page.advance(150ms);
    EXPECT_EQ(Page::copy(page.session.redraw().values()), page.picture)
        << "the steps shown so far, and none beyond";
    for (auto progress = page.advance(150ms); progress.nextStep;
         progress = page.advance(*progress.nextStep)) {
    }
    EXPECT_EQ(Page::copy(page.session.redraw().values()), page.picture)
        << "a redraw part way does not disturb the rest of the run: impacts continue the sequence";
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

} // namespace
} // namespace lumorix
