#include "design/pattern_data.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Output {
    std::vector<std::string> lines;
    int status;
};

Output trace(const std::string& arguments) {
    const std::string command = std::string(LUMORIX_TRACE) + ' ' + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {{}, -1};
    Output output;
    std::string line;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe)) {
        line += buffer.data();
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
            output.lines.push_back(line);
            line.clear();
        }
    }
    const int status = pclose(pipe);
    output.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

std::size_t countOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

TEST(TraceTool, PrintsTheFirstDrawingStepOfADefaultRun) {
    const Output output = trace("200 15 2 0 1");
    ASSERT_EQ(output.status, 0);
    const std::vector<std::string> firstDrawingStep{
        "drawLine 450 480 425.46368 475.2074",
        "drawLine 250 315 450 480 0xFFFFC0",
        "drawCircle 450 480 2",
        "drawLine 425.46368 475.2074 446.84985 462.26013",
        "drawLine 250 285 450 480 0xFFFFC0",
        "setDrawWidth 2",
        "drawLine 450 480 446.84985 462.26013 0x00FF00",
    };
    const auto found = std::search(output.lines.begin(), output.lines.end(),
                                   firstDrawingStep.begin(), firstDrawingStep.end());
    ASSERT_NE(found, output.lines.end());
    EXPECT_EQ(countOf({output.lines.begin(), found}, "pause 30000"), 19u);
    EXPECT_EQ(output.lines.front(), "setScalePixels");
    EXPECT_EQ(output.lines.back(), "top labB 335");
}

TEST(TraceTool, RunsShareOneProgramState) {
    const Output output = trace("100 0 2 2 20 2");
    ASSERT_EQ(output.status, 0);
    EXPECT_EQ(countOf(output.lines, "setScalePixels"), 2u);
    EXPECT_EQ(countOf(output.lines, "pause 600000"), 2u * 399u) << "counts without an exponent";
    // The second run continues the random sequence instead of repeating the first.
    const auto firstRandom =
        std::find_if(output.lines.begin(), output.lines.end(),
                     [](const std::string& line) { return line.rfind("nextRandom", 0) == 0; });
    ASSERT_NE(firstRandom, output.lines.end());
    EXPECT_EQ(countOf(output.lines, *firstRandom), 1u);
}

TEST(TraceTool, AFatalErrorIsTheLastLine) {
    const Output output = trace("200 Odchylka 2 0 1");
    EXPECT_EQ(output.status, 1);
    // Twenty-four calls, up to the source, then the error.
    ASSERT_EQ(output.lines.size(), 25u);
    EXPECT_EQ(output.lines.at(23), "drawCircle 150 300 5");
    EXPECT_EQ(output.lines.back().rfind("fatal 13 ", 0), 0u) << output.lines.back();
}

TEST(TraceTool, TextsReachTheFieldsVerbatim) {
    const Output output = trace("'200 ' 15 2 0 1");
    ASSERT_EQ(output.status, 0);
    // "200 " reads as 200 but is no key of the marker table: no markers at all.
    EXPECT_EQ(countOf(output.lines, "setFillColour 0xFF0000"), 0u);
    EXPECT_EQ(countOf(output.lines, "left labDetektor 450"), 1u);
}

TEST(TraceTool, TheHolesCoveredAndTheDetectorAreOptionsAndCsvPrintsTheDataAsSaved) {
    const Output coveredA = trace("--cover A --which-path 200 15 2 0 1");
    ASSERT_EQ(coveredA.status, 0);
    EXPECT_EQ(countOf(coveredA.lines, "drawCircle 250 285 3"), 1u) << "hole A plugged";
    EXPECT_EQ(countOf(coveredA.lines, "drawCircle 250 315 4 0x0080FF"), 1u) << "hole B ringed";
    EXPECT_EQ(countOf(coveredA.lines, "drawCircle 250 285 2 0xC0C0C0"), 0u) << "A stays closed";
    const Output dark = trace("--cover A --which-path 200 15 2 1 1 --cover B");
    EXPECT_EQ(countOf(dark.lines, "drawLine 598 300 602 300 0x808080"), 1u) << "no light at all";

    const Output csv = trace("--csv --cover B 200 15 2 2 1");
    ASSERT_EQ(csv.status, 0);
    std::string bytes;
    for (const std::string& line : csv.lines)
        bytes += line + '\n';
    EXPECT_EQ(bytes, lumorix::patternDataCsv(lumorix::ParameterTexts("200", "15", "2", "2", "1"),
                                             {false, true, false}));
    const Output failing = trace("--csv 200 15 2 0 Spomaleni");
    EXPECT_EQ(failing.status, 1);
    EXPECT_EQ(failing.lines, std::vector<std::string>{"fatal 13 Neshoda typů"});
}

TEST(TraceTool, WrongArgumentsPrintUsage) {
    EXPECT_EQ(trace("").status, 2);
    EXPECT_EQ(trace("200 15 2 0").status, 2);
    EXPECT_EQ(trace("200 15 2 0 1 2 3").status, 2);
    EXPECT_EQ(trace("200 15 2 0 1 zero").status, 2);
    EXPECT_EQ(trace("200 15 2 0 1 0").status, 2);
    EXPECT_EQ(trace("--cover C 200 15 2 0 1").status, 2);
    EXPECT_EQ(trace("200 15 2 0 1 --cover").status, 2);
    EXPECT_EQ(trace("--csv 200 15 2 0 1 2").status, 2) << "the data of one run";
    EXPECT_TRUE(trace("200 15 2 0").lines.empty());
}

} // namespace
