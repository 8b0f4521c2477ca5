#include "board/input_queue.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumorix {
namespace {

// A front end whose input waits while its board is busy: Start makes it busy until the run ends,
// Konec ends the program, F10 opens a menu that takes a click of its own.
struct FrontEnd {
    void arrive(const std::string& input) {
        if (const auto now = queue.arrive(input, busy))
            handle(*now);
    }
    void handle(const std::string& input) {
        handled.push_back(input);
        if (input == "Start")
            busy = true;
        if (input == "Konec")
            queue.drop();
        if (input == "F10")
            arrive("menu item");
    }
    // The board is idle again.
    void runEnds() {
        busy = false;
        queue.handleWaiting([this] { return busy; },
                            [this](const std::string& input) { handle(input); });
    }

    InputQueue<std::string> queue;
    bool busy = false;
    std::vector<std::string> handled;
};

TEST(InputQueue, InputOfEveryKindWaitsForTheBoardAndIsHandledInTheOrderItArrived) {
    FrontEnd page;
    page.arrive("opDopad");
    page.arrive("Start");
    EXPECT_EQ(page.handled, (std::vector<std::string>{"opDopad", "Start"})) << "idle: at once";

    for (const char* input : {"op0", "Ctrl+N", "Start", "HScroll1 5", "F10", "Konec", "F1"})
        page.arrive(input);
    page.runEnds();
    EXPECT_EQ(page.handled,
              (std::vector<std::string>{"opDopad", "Start", "op0", "Ctrl+N", "Start"}))
        << "the second Start makes the board busy again, and the rest waits for that run";

    page.arrive("op40");
    page.runEnds();
    EXPECT_EQ(page.handled, (std::vector<std::string>{"opDopad", "Start", "op0", "Ctrl+N", "Start",
                                                      "HScroll1 5", "F10", "menu item", "Konec"}))
        << "the menu takes its own click at once; nothing is handled after Konec";
}

TEST(InputQueue, InputThatArrivesBeforeTheWaitingInputIsHandledGoesBehindIt) {
    FrontEnd page;
    page.busy = true;
    page.arrive("op0");
    page.busy = false; // the run has ended, but what waited has not been handled yet
    page.arrive("op40");
    EXPECT_TRUE(page.handled.empty());
    page.runEnds();
    EXPECT_EQ(page.handled, (std::vector<std::string>{"op0", "op40"}));
}

} // namespace
} // namespace lumorix
