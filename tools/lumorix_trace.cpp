// lumorix-trace DISTANCE OFFSET FREQUENCY MODE SLOWDOWN [RUNS]
//
// Performs RUNS runs (default 1) with the five texts in the parameter fields, in one fresh program
// state, and prints every call the runs make, one per line, as it is made. Nothing waits and
// nothing is drawn.

#include "experiment/run_call.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view usage =
    "usage: lumorix-trace DISTANCE OFFSET FREQUENCY MODE SLOWDOWN [RUNS]\n"
    "  Prints every canvas call, label operation and pause of RUNS runs (default 1)\n"
    "  made with the five texts as the parameter fields nVzdalenost, nOdchylka,\n"
    "  nKmitočet, nInterference and nSpomaleni.\n";

void printLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

bool parseRuns(std::string_view text, int& runs) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), runs);
    return error == std::errc{} && end == text.data() + text.size() && runs >= 1;
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 1;
    if ((argc != 6 && argc != 7) || (argc == 7 && !parseRuns(argv[6], runs))) {
        std::fputs(usage.data(), stderr);
        return 2;
    }

    const lumorix::ParameterTexts fields(argv[1], argv[2], argv[3], argv[4], argv[5]);
    lumorix::RandomSequence random;
    lumorix::RunCallStream stream(random,
                                  [](const lumorix::RunCall& call) { printLine(toText(call)); });

    std::optional<lumorix::FatalError> failure;
    for (int run = 0; run < runs && !failure; ++run)
        failure = stream.run(fields);
    if (failure) {
        printLine(toText(*failure));
        return 1;
    }
    return 0;
}
