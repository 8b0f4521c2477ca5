#include "../experiment/plotted_steps.h"
#include "design/pattern_data.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace lumorix {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The rows and fields as a Czech spreadsheet reads them: after the byte-order mark, lines that
// end in CRLF, fields between ';'.
Rows readCsv(const std::string& csv) {
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    Rows rows;
    std::stringstream lines(csv.substr(3));
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(line.ends_with('\r'));
        std::stringstream split(line.substr(0, line.size() - 1));
        rows.emplace_back();
        for (std::string field; std::getline(split, field, ';');)
            rows.back().push_back(field);
    }
    return rows;
}

// A field as a number, its decimal comma read as a point.
double numberOf(std::string field) {
    std::replace(field.begin(), field.end(), ',', '.');
    std::size_t read = 0;
    const double number = std::stod(field, &read);
    EXPECT_EQ(read, field.size()) << field;
    return number;
}

TEST(PatternData, TheDefaultsGiveEachScannedRowAsTheRunPlotsIt) {
    const ParameterTexts defaults("200", "15", "2", "0", "1");
    const Rows rows = readCsv(patternDataCsv(defaults, {}));
    ASSERT_EQ(rows.size(), 1u + 399u);
    EXPECT_EQ(rows[0].at(0), "Řádek");
    const std::vector<PlottedStep> run = plottedRun(defaults, RandomSequence());
    for (std::size_t step = 0; step < run.size(); ++step) {
        const std::vector<std::string>& row = rows[step + 1];
        ASSERT_EQ(row.size(), rows[0].size());
        ASSERT_EQ(numberOf(row[0]), 499.0 - double(step));
        ASSERT_EQ(numberOf(row[1]), 300 - numberOf(row[0])) << "positive above the axis";
        ASSERT_NEAR(numberOf(row[6]), *run[step].bar, 1e-4) << row[0];
    }
    EXPECT_EQ(rows[215], (std::vector<std::string>{"285", "15", "200,0000", "202,2375", "0,7122",
                                                   "3824,0179", "58,8295"}));
}

TEST(PatternData, ImpactModeGivesTheRowsDotsAndSettingsThatARunFailsOnFailAlike) {
    const ParameterTexts impact("200", "15", "2", "2", "1");
    const Rows rows = readCsv(patternDataCsv(impact, {false, false, true}));
    const std::vector<PlottedStep> run = plottedRun(impact, RandomSequence(), {false, false, true});
    for (std::size_t step = 0; step < run.size(); ++step)
        ASSERT_EQ(numberOf(rows.at(step + 1).at(7)), run[step].impactDots) << step;

    // Refused as the run is: an offset of 1e39, which only the drawing cannot take.
    std::string beyondSingleRange(40, '0');
    beyondSingleRange.front() = '1';
    EXPECT_THROW(patternDataCsv(ParameterTexts("200", beyondSingleRange, "2", "0", "1"), {}),
                 FatalError);
}

} // namespace
} // namespace lumorix
