// lumorix-trace [--cover A] [--cover B] [--which-path] [--csv]
//               DISTANCE OFFSET FREQUENCY MODE SLOWDOWN [RUNS]
//
// Performs RUNS runs (default 1) with the five texts in the parameter fields and the holes
// covered and the which-path detector as the options say, in one fresh program state, and prints
// every call the runs make, one per line, as it is made. Nothing waits and nothing is drawn. With
// --csv it prints the pattern's data instead, the bytes that the editions save.

#include "design/pattern_data.h"
#include "experiment/run_call.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view usage =
    "usage: lumorix-trace [--cover A] [--cover B] [--which-path] [--csv]\n"
    "                     DISTANCE OFFSET FREQUENCY MODE SLOWDOWN [RUNS]\n"
    "  Prints every canvas call, label operation and pause of RUNS runs (default 1)\n"
    "  made with the five texts as the parameter fields nVzdalenost, nOdchylka,\n"
    "  nKmitočet, nInterference and nSpomaleni, with hole A or B covered and the\n"
    "  which-path detector on as the options say. --csv prints the pattern's data\n"
    "  of such a run instead, as the editions save it.\n";

struct Options {
    lumorix::RunStates states;
    bool csv = false;
    std::vector<const char*> texts;
    int runs = 1;
};

void printLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

bool parseRuns(std::string_view text, int& runs) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), runs);
    return error == std::errc{} && end == text.data() + text.size() && runs >= 1;
}

bool parseOptions(int argc, char* argv[], Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--cover" && i + 1 < argc && argv[i + 1] == std::string_view("A")) {
            options.states.coverA = true;
            ++i;
        } else if (argument == "--cover" && i + 1 < argc && argv[i + 1] == std::string_view("B")) {
            options.states.coverB = true;
            ++i;
        } else if (argument == "--cover") {
            return false;
        } else if (argument == "--which-path") {
            options.states.whichPath = true;
        } else if (argument == "--csv") {
            options.csv = true;
        } else {
            options.texts.push_back(argv[i]);
        }
    }
    const std::size_t count = options.texts.size();
    if (count == 6 && !options.csv)
        return parseRuns(options.texts.back(), options.runs);
    return count == 5;
}

int printFailure(const lumorix::FatalError& failure) {
    printLine(toText(failure));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fputs(usage.data(), stderr);
        return 2;
    }
    const auto& texts = options.texts;
    const lumorix::ParameterTexts fields(texts[0], texts[1], texts[2], texts[3], texts[4]);

    if (options.csv) {
        try {
            const std::string csv = lumorix::patternDataCsv(fields, options.states);
            std::fwrite(csv.data(), 1, csv.size(), stdout);
            return 0;
        } catch (...) {
            return printFailure(lumorix::unexpectedFailure(std::current_exception()));
        }
    }

    lumorix::RandomSequence random;
    lumorix::RunCallStream stream(random,
                                  [](const lumorix::RunCall& call) { printLine(toText(call)); });
    std::optional<lumorix::FatalError> failure;
    for (int run = 0; run < options.runs && !failure; ++run)
        failure = stream.run(fields, options.states);
    return failure ? printFailure(*failure) : 0;
}
