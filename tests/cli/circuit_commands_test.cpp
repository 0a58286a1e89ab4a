// pullup, budget and adc's table size, self-heating and pictures, run as an
// engineer runs them. Expected values come from the issue's hand-measured
// figures and from the beta model and the divider written out here.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

using cli_test::Outcome;
using cli_test::runCli;

std::vector<std::vector<std::string>> csvRows(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');) cells.push_back(cell);
        if (!line.empty() && line.back() == ',') cells.emplace_back();
        rows.push_back(cells);
    }
    return rows;
}

double betaOhms(double r25, double b, double celsius)
{
    return r25 * std::exp(b * (1 / (celsius + 273.15) - 1 / 298.15));
}

// The issue's figures for a 100 kΩ, B 3950 bead, 0 to 300 °C, 10 bits:
// 6.24, 2.86, 2.37 and 4.84 °C per count for 1k, 2.2k, 4.7k and 10k; the
// best E24 value 3.6 kΩ at 1.85. A full scale of 2^N reproduces all five
// (2^N − 1 gives 4.85 for 10k).
TEST(Pullup, TheIssuesFigures)
{
    const Outcome o = runCli({"pullup", "--r25", "100k", "--beta", "3950", "--bits", "10", "--from", "0", "--to", "300"});
    EXPECT_EQ(o.status, 3) << o.err; // a beta model 275 K beyond its anchor is warned about
    const auto rows = csvRows(o.out);
    ASSERT_GT(rows.size(), 90u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"resistor_ohm", "worst_c_per_count", "worst_at_c", "mean_c_per_count",
                                                 "min_count", "max_count", "on_rail"}));
    EXPECT_EQ(rows[1][0], "3600");
    EXPECT_NEAR(std::stod(rows[1][1]), 1.85, 0.005);
    const std::map<std::string, double> issue{{"1000", 6.24}, {"2200", 2.86}, {"4700", 2.37}, {"10000", 4.84}};
    for (const auto& row : rows)
        if (issue.count(row[0])) {
            EXPECT_NEAR(std::stod(row[1]), issue.at(row[0]), 0.005) << row[0];
        }
    // Every candidate that reads a rail comes last.
    bool rail = false;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i][6] == "1") rail = true;
        else EXPECT_FALSE(rail) << rows[i][0];
    }
}

// The issue's budget: a 10 kΩ, B 3435 part with 1 % R25, 1 % B and a 1 %
// 10 kΩ pull-up reads up to 0.52 K wrong at 25 °C and 1.76 K at 100 °C
// before the ADC's own error (corners_k); worst_k adds half a 12-bit count,
// worked out by hand: 1 / (4096 · Rp/(R+Rp)² · R·B/T²) / 2.
TEST(Budget, TheIssuesFigures)
{
    const Outcome o = runCli({"budget", "--r25", "10k", "--beta", "3435", "--pull-up", "10k", "--bits", "12",
                              "--r25-tol", "1", "--beta-tol", "1%", "--resistor-tol", "1", "--from", "25", "--to", "100",
                              "--step", "75"});
    const auto rows = csvRows(o.out);
    ASSERT_EQ(rows.size(), 3u) << o.out << o.err;
    EXPECT_EQ(rows[0], (std::vector<std::string>{"temperature_c", "worst_k", "rss_k", "r25_k", "beta_k", "resistor_k",
                                                 "vref_k", "adc_k", "quantisation_k", "self_heating_k", "corners_k"}));
    const double issue[] = {0.52, 1.76};
    for (std::size_t i = 1; i < 3; ++i) {
        const double celsius = std::stod(rows[i][0]), r = betaOhms(10000, 3435, celsius), t = celsius + 273.15;
        const double half = 1 / (4096 * 10000 / ((r + 10000) * (r + 10000)) * r * 3435 / (t * t)) / 2;
        EXPECT_NEAR(std::stod(rows[i][10]), issue[i - 1], 0.005);
        EXPECT_NEAR(std::stod(rows[i][8]), half, half * 1e-3);
        EXPECT_NEAR(std::stod(rows[i][1]), std::stod(rows[i][10]) + half, 2e-3);
        // The root sum of squares is below the worst case, above each part.
        EXPECT_LT(std::stod(rows[i][2]), std::stod(rows[i][1]));
        EXPECT_GT(std::stod(rows[i][2]), std::stod(rows[i][3]));
    }
}

// At -60 °C a 100 kΩ bead is 19.7 MΩ: 256 · R/(R + 4.7k) = 255.94 rounds
// to the top code, what an open sensor reads, so its row has no error.
TEST(Budget, ReadingsOnARailAreNamed)
{
    const Outcome o = runCli({"budget", "--r25", "100k", "--beta", "3950", "--pull-up", "4.7k", "--bits", "8",
                              "--r25-tol", "5", "--from", "-60", "--to", "0", "--step", "60"});
    EXPECT_EQ(o.status, 3);
    const auto rows = csvRows(o.out);
    ASSERT_EQ(rows.size(), 3u) << o.out;
    EXPECT_EQ(rows[1][1], "");
    EXPECT_NE(rows[2][1], "");
    EXPECT_NE(o.err.find("at -60 °C a corner of the tolerances puts the reading on an ADC rail"), std::string::npos)
        << o.err;
}

TEST(Budget, UsageErrors)
{
    const struct {
        std::vector<std::string> args;
        const char* errPart;
    } cases[] = {
        {{"--vref-tol", "1"}, "--vref-tol needs --vref"},
        {{"--r25-tol", "-1"}, "--r25-tol: a tolerance is 0 or more"},
        {{"--dissipation", "0"}, "the dissipation constant is above 0"},
        {{"--r25-tol", "1x"}, "--r25-tol '1x'"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"budget", "--r25", "10k", "--beta", "3435", "--pull-up", "10k", "--bits", "12"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome o = runCli(args);
        EXPECT_EQ(o.status, 2) << c.errPart;
        EXPECT_NE(o.err.find(c.errPart), std::string::npos) << o.err;
        EXPECT_EQ(o.out, "");
    }
}

// adc --max-error: the C table's rows, read back, keep every code within
// the bound (checked here with the beta model's own inverse), with fewer
// rows than steps of 5 K need for about the same error.
TEST(AdcTableSize, FewestRowsWithinTheBound)
{
    const Outcome o = runCli({"adc", "--r25", "10k", "--beta", "3435", "--beta-pair", "25/85", "--pull-up", "10k",
                              "--bits", "12", "--from", "0", "--to", "100", "--max-error", "0.1", "--format", "c"});
    ASSERT_EQ(o.status, 3) << o.err; // 25 K beyond the beta's anchors
    std::vector<std::pair<int, double>> rows;
    std::istringstream lines(o.out);
    for (std::string line; std::getline(lines, line);) {
        int count = 0, tenths = 0;
        if (std::sscanf(line.c_str(), " { %d, %d }", &count, &tenths) == 2) rows.emplace_back(count, tenths / 10.0);
    }
    ASSERT_GE(rows.size(), 2u) << o.out;
    double worst = 0;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        for (int c = rows[i].first; c <= rows[i + 1].first; ++c) {
            const double f = c / 4096.0;
            const double truth = 1 / (1 / 298.15 + std::log(10000 * f / (1 - f) / 10000) / 3435) - 273.15;
            const double line = rows[i].second + (rows[i + 1].second - rows[i].second) * (c - rows[i].first) /
                                                     double(rows[i + 1].first - rows[i].first);
            worst = std::max(worst, std::fabs(line - truth));
        }
    EXPECT_LE(worst, 0.1 + 1e-9);
    EXPECT_LT(rows.size(), 21u); // 0 to 100 °C in steps of 5 K: 21 rows, 0.08 K
    EXPECT_NE(o.out.find("Linear interpolation between rows, as stored, errs up to"), std::string::npos);
    EXPECT_NE(o.err.find("note: --max-error 0.1 K: " + std::to_string(rows.size()) + " rows"), std::string::npos)
        << o.err;
    // A bound finer than whole degrees hold, in Marlin's format: refused.
    const Outcome marlin = runCli({"adc", "--r25", "10k", "--beta", "3435", "--pull-up", "10k", "--bits", "10",
                                   "--max-error", "0.3", "--format", "marlin"});
    EXPECT_EQ(marlin.status, 2);
    EXPECT_NE(marlin.err.find("give at least 0.5 K"), std::string::npos) << marlin.err;
}

// Self-heating by hand: 10 kΩ at 25 °C against 10 kΩ from 3.3 V is
// 1.65²/10k = 0.27225 mW; at 0.1 mW/K (a bead in still air, say) 2.72 K,
// far above a tenth of the 12-bit resolution.
TEST(AdcSelfHeating, ColumnAndWarning)
{
    const Outcome o = runCli({"adc", "--r25", "10k", "--beta", "3435", "--pull-up", "10k", "--bits", "12", "--from",
                              "25", "--to", "25", "--dissipation", "0.1"});
    EXPECT_EQ(o.status, 3) << o.err;
    const auto rows = csvRows(o.out);
    ASSERT_EQ(rows.size(), 2u) << o.out;
    EXPECT_EQ(rows[0].back(), "self_heating_k");
    EXPECT_NEAR(std::stod(rows[1].back()), 2.7225, 1e-3);
    EXPECT_NE(o.err.find("self-heating warms the thermistor by up to 2.72 K (at 25 °C)"), std::string::npos) << o.err;
    // At 1000 mW/K it is 0.00027 K, under a tenth of the resolution there,
    // 1 / (4096 · 10k/20k² · 10k · 3435/298.15²) = 0.0253 °C per count: no warning.
    const Outcome quiet = runCli({"adc", "--r25", "10k", "--beta", "3435", "--pull-up", "10k", "--bits", "12",
                                  "--from", "25", "--to", "25", "--dissipation", "1000"});
    EXPECT_EQ(quiet.status, 0) << quiet.err;
}

} // namespace
