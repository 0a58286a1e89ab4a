// Tests of reading a table as it is pasted from a spreadsheet or a datasheet
// PDF: each dialect gives the points worked out by hand (°C + 273.15, kΩ ×
// 1000), and each row that cannot be read is named by its line.
#include "models/pasted_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using models::CellSeparator;
using models::DecimalMark;
using models::PastedProblemKind;

struct Point {
    double kelvin, ohms;
    std::size_t line;
};

struct DialectCase {
    const char* name;
    const char* text;
    CellSeparator separator;
    std::vector<Point> points;
    DecimalMark mark = DecimalMark::automatic;
};

const DialectCase kDialects[] = {
    {"a CSV with the command line's header", "temperature_c,resistance_ohm\n25,10000\n50,3588\n",
     CellSeparator::comma, {{298.15, 10000, 2}, {323.15, 3588, 3}}},
    {"Excel's tabs, decimal commas, kΩ in the header", "T (°C)\tR (kΩ)\n-40\t195,652\n25\t10,0\n",
     CellSeparator::tab, {{233.15, 195652, 2}, {298.15, 10000, 3}}},
    {"semicolons, told the decimal comma", "-40;195,652\n-35;148,171\n", CellSeparator::semicolon,
     {{233.15, 195.652, 1}, {238.15, 148.171, 2}}, DecimalMark::comma},
    {"a PDF's copy: blanks, units apart", "Temp [°C]   R [kΩ]\n-40   195.652\n25 °C  10.00\n",
     CellSeparator::blanks, {{233.15, 195652, 2}, {298.15, 10000, 3}}},
    {"units in the cells, no header", "25°C,10kΩ\n85 °C,1.4k\n", CellSeparator::comma,
     {{298.15, 10000, 1}, {358.15, 1400, 2}}},
    {"resistance first, told by the units", "10k,25°C\n1k4,oops\n", CellSeparator::comma, {{298.15, 10000, 1}}},
    {"Fahrenheit header", "T(°F),R(Ω)\n77,10000\n212,1000\n", CellSeparator::comma,
     {{298.15, 10000, 2}, {373.15, 1000, 3}}},
    {"kelvin header", "temperature_k,resistance_ohm\n298.15,10000\n", CellSeparator::comma, {{298.15, 10000, 2}}},
    {"notes, a byte order mark and CR LF", "\xEF\xBB\xBF# Murata XH\r\n\r\ntemperature_c,resistance_ohm\r\n25,10000\r\n",
     CellSeparator::comma, {{298.15, 10000, 4}}},
    {"both marks: the last is the decimal mark", "25\t1.234,5\n30\t1,234.5\n", CellSeparator::tab,
     {{298.15, 1234.5, 1}, {303.15, 1234.5, 2}}},
    {"quoted cells", "\"T\",\"R\"\n\"25\",\"10000\"\n", CellSeparator::comma, {{298.15, 10000, 2}}},
    {"a datasheet's columns by place, the unit from the header",
     "T (°C)\tRnom (kΩ)\tRmax (kΩ)\n25\t10\t10.1\n", CellSeparator::tab, {{298.15, 10000, 2}}},
    {"an old Mac's lone CR", "25,10000\r50,3588\r", CellSeparator::comma, {{298.15, 10000, 1}, {323.15, 3588, 2}}},
};

TEST(PastedTable, EachDialectGivesTheHandWorkedPoints)
{
    for (const DialectCase& c : kDialects) {
        const auto table = models::readPastedTable(c.text, {c.mark});
        EXPECT_EQ(table.separator, c.separator) << c.name;
        ASSERT_EQ(table.points.size(), c.points.size()) << c.name;
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_DOUBLE_EQ(table.points[i].kelvin, c.points[i].kelvin) << c.name << ", row " << i;
            EXPECT_DOUBLE_EQ(table.points[i].ohms, c.points[i].ohms) << c.name << ", row " << i;
            EXPECT_EQ(table.points[i].line, c.points[i].line) << c.name << ", row " << i;
        }
    }
}

struct ProblemCase {
    const char* name;
    const char* text;
    PastedProblemKind kind;
    std::size_t line;
    const char* cell;
};

const ProblemCase kProblems[] = {
    {"a word for a resistance", "T,R\n25,10000\n30,abc\n", PastedProblemKind::unreadableResistance, 3, "abc"},
    {"kilo on a temperature", "25k,10000\n", PastedProblemKind::unreadableTemperature, 1, "25k"},
    {"below absolute zero", "-300,100\n", PastedProblemKind::belowAbsoluteZero, 1, "-300"},
    {"a resistance of 0", "25,0\n", PastedProblemKind::resistanceNotPositive, 1, "0"},
    {"a row without its resistance", "T,R\n25\n", PastedProblemKind::missingCell, 2, ""},
    {"a unit of its own in a kΩ column", "T(°C),R(kΩ)\n25,10k\n", PastedProblemKind::unitInScaledColumn, 2, "10k"},
    // Every comma before three digits: kΩ with a decimal comma, or ohms
    // grouped by thousands? Named, not guessed.
    {"thousands or decimals", "-40;195,652\n-35;148,171\n", PastedProblemKind::ambiguousComma, 1, "195,652"},
};

TEST(PastedTable, ARowThatCannotBeReadIsNamedByItsLine)
{
    for (const ProblemCase& c : kProblems) {
        const auto table = models::readPastedTable(c.text);
        ASSERT_FALSE(table.problems.empty()) << c.name;
        EXPECT_EQ(table.problems.front().kind, c.kind) << c.name;
        EXPECT_EQ(table.problems.front().line, c.line) << c.name;
        EXPECT_EQ(table.problems.front().cell, c.cell) << c.name;
    }
}

TEST(PastedTable, AGroupedLookingCommaIsDecimalWhereTheTableWritesOtherDecimals)
{
    const auto table = models::readPastedTable("T\tR\n25\t10,000\n30\t8,3\n");
    EXPECT_TRUE(table.problems.empty());
    ASSERT_EQ(table.points.size(), 2u);
    EXPECT_DOUBLE_EQ(table.points[0].ohms, 10.0);
    EXPECT_DOUBLE_EQ(table.points[1].ohms, 8.3);
}

TEST(PastedTable, WhatTheReaderIsToldOverridesTheHeader)
{
    // kelvin for unitless temperatures, kΩ for plain resistances.
    const auto table = models::readPastedTable("298.15,10\n", {DecimalMark::automatic, true, 1000});
    ASSERT_EQ(table.points.size(), 1u);
    EXPECT_DOUBLE_EQ(table.points[0].kelvin, 298.15);
    EXPECT_DOUBLE_EQ(table.points[0].ohms, 10000);
    EXPECT_TRUE(table.unitlessCelsius.empty());
}

TEST(PastedTable, UnitlessCelsiusValuesAreKeptForTheKelvinCheck)
{
    const auto table = models::readPastedTable("temperature_c,resistance_ohm\n233.15,195652\n25°C,10000\n");
    EXPECT_EQ(table.unitlessCelsius, std::vector<double>{233.15});
    EXPECT_TRUE(table.header);
    EXPECT_FALSE(table.columnsByPlace);
}

// The Murata table of tests/models/data, copied from a spreadsheet set to
// a decimal comma (kΩ, tabs), reads to the CSV's own points.
TEST(PastedTable, AWholeDatasheetTablePastedFromASpreadsheet)
{
    std::ifstream file(NTC_MODELS_DATA "/murata_ncp15xh103.csv");
    std::string line, pasted = "Temperatur (°C)\tR (kΩ)\n";
    std::vector<std::pair<double, double>> expected; // °C and Ω as the CSV has them
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 't') continue;
        const auto comma = line.find(',');
        const std::string celsius = line.substr(0, comma), ohms = line.substr(comma + 1);
        expected.emplace_back(std::stod(celsius), std::stod(ohms));
        // 195652 Ω is 195,652 kΩ; 10000 Ω is 10 kΩ.
        std::string kilo = ohms.size() > 3 ? ohms.substr(0, ohms.size() - 3) + "," + ohms.substr(ohms.size() - 3) : "0," + std::string(3 - ohms.size(), '0') + ohms;
        pasted += celsius + "\t" + kilo + "\n";
    }
    pasted += "126\t0,34\n"; // one row that is no group of three tells the decimal comma
    const auto table = models::readPastedTable(pasted);
    EXPECT_TRUE(table.problems.empty());
    ASSERT_EQ(table.points.size(), expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(table.points[i].kelvin, expected[i].first + 273.15, 1e-9) << i;
        EXPECT_NEAR(table.points[i].ohms, expected[i].second, 1e-9 * expected[i].second) << i;
    }
}

} // namespace
