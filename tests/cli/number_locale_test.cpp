// Numbers read and written alike whatever the locale: the number text and whole
// command-line runs under a locale whose decimal mark is the comma, as a
// program that embeds them, or a toolkit that calls setlocale, may set.
#include "calc/number_reading.h"
#include "calc/number_writing.h"
#include "cli_run.h"
#include "models/model_text.h"
#include "models/pasted_table.h"
#include "models/quantity.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// German number punctuation for the C++ streams: the decimal comma and a
// full stop between groups of three digits.
class GermanPunctuation : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// The C library's German locale, by the names the systems the tests run on
// give it: glibc (generated into the build tree, LOCPATH) and Windows.
bool setGermanCLocale()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "de-DE"})
        if (std::setlocale(LC_ALL, name)) return true;
    return false;
}

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Each locale-sensitive way of writing a number, under the locale in force.
std::string cWritten() // what printf writes
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", 1234.5);
    return text;
}

std::string streamWritten() // what a stream writes
{
    std::ostringstream out;
    out << 1234.5 << ' ' << 1234567;
    return out.str();
}

// The command-line runs compared, with the picture a run draws.
struct CliRun {
    cli_test::Outcome outcome;
    std::string picture;
};

std::vector<CliRun> commandLineRuns()
{
    const std::string data = std::string(NTC_MODELS_DATA);
    const auto picture = std::filesystem::temp_directory_path() /
                         ("ntc-locale-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".svg");
    const std::vector<std::vector<std::string>> commands = {
        {"beta", "10000", "25", "1000", "100"},
        {"beta", "--csv", "-"},
        {"steinhart", "126.8k", "20", "1360", "150", "80.65", "300", "--format", "reprap"},
        {"fit", "--model", "steinhart4", data + "/vishay_ntcle100e3103.csv"},
        {"fit", data + "/semitec_104gt2.csv", "--format", "esphome"},
        {"table", "--r25", "10k", "--beta", "3435", "--format", "c", "--c-type", "float"},
        {"table", "--r25", "1e-9", "--beta", "3435", "--decimal-comma"},
        {"adc", "--pull-up", "4.7k", "--bits", "10", "--fit", data + "/semitec_104gt2.csv", "--format", "marlin"},
        {"adc", "--pull-up", "10k", "--bits", "12", "--r25", "10k", "--beta", "3435", "--dissipation", "1"},
        {"budget", "--r25", "10k", "--beta", "3435", "--pull-up", "10k", "--bits", "12", "--r25-tol", "1",
         "--plot", picture.string()},
        {"temperature", "--r25", "10k", "--beta", "3435", "4.7k", "1e9"},
    };
    std::vector<CliRun> runs;
    for (const auto& args : commands) {
        std::filesystem::remove(picture);
        runs.push_back({cli_test::runCli(args, "r1,t1,r2,t2\n10k,25,1k,100\n4.7k,0,1.5e3,85.5\n"), fileText(picture)});
    }
    std::filesystem::remove(picture);
    return runs;
}

class GermanLocale : public testing::Test {
protected:
    void SetUp() override
    {
        inC_ = commandLineRuns();
        cLocale_ = setGermanCLocale();
        std::locale::global(std::locale(std::locale::classic(), new GermanPunctuation));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
    }

    std::vector<CliRun> inC_;
    bool cLocale_ = false;
};

// The locale is really in force: printf and the streams write the comma.
// Without it, every other test here would pass for nothing.
TEST_F(GermanLocale, IsInForce)
{
    EXPECT_EQ(streamWritten(), "1.234,5 1.234.567");
#if defined(__linux__)
    ASSERT_TRUE(cLocale_) << "no German C locale: the build generates de_DE.UTF-8 with localedef (package locales)";
#endif
    if (cLocale_) {
        EXPECT_EQ(cWritten(), "1234,5");
    }
}

TEST_F(GermanLocale, WritersKeepThePeriodAndNoGrouping)
{
    const struct {
        std::string written, expected;
    } cases[] = {
        {calc::fullValueText(3415.6446723257946), "3415.64467232579"},
        {calc::fullValueText(1234567.25), "1234567.25"},
        {calc::fullValueText(1.5e20), "1.5E+20"},
        {calc::exponentText(-5), "E-05"},
        {calc::roundedText(195651.999999997, 6), "195652"},
        {calc::roundedText(0.000123456789, 4), "0.0001235"},
        {calc::roundedText(2.48277e-8, 6), "2.48277e-08"},
        {calc::decimalsText(-39.70000000001, 6), "-39.7"},
        {calc::decimalsText(1234.125, 2), "1234.12"},
        {calc::fixedText(120, 1), "120.0"},
        {calc::scientificText(7.0547763e-8, 7), "7.054776e-08"},
        {calc::coefficientText(8.2649517014797e-4), "8.2649517014797e-04"},
        {calc::generalText(15.75), "15.75"},
        {calc::generalText(1234567), "1.23457e+06"},
        {calc::shortestText(1234.5), "1234.5"},
        {calc::shortestText(1e-5), "1e-05"},
        {models::interpolationLine(0.1234, 2048, 25.456),
         "Linear interpolation between rows, as stored, errs up to 0.123 K (at ADC code 2048, 25.46 degC)."},
    };
    for (const auto& c : cases) EXPECT_EQ(c.written, c.expected);
    const std::u16string shown = calc::Str(1234.5);
    EXPECT_EQ(std::string(shown.begin(), shown.end()), " 1234.5");
}

TEST_F(GermanLocale, ReadersTakeThePeriodOnly)
{
    EXPECT_EQ(calc::Val(u"1234.5"), 1234.5);
    EXPECT_EQ(calc::Val(u"3,5"), 3.0);
    EXPECT_EQ(calc::parseNumber("1.50702832891752e-7"), 1.50702832891752e-7);
    EXPECT_EQ(calc::parseNumber("1,5"), std::nullopt);
    EXPECT_EQ(calc::plainNumber("1380.5", '.'), 1380.5);
    EXPECT_EQ(calc::plainNumber("1380,5", ','), 1380.5);
    EXPECT_EQ(calc::plainNumber("1.380,5", ','), std::nullopt);
    EXPECT_EQ(models::parseResistance("4.7k"), 4700.0);
    EXPECT_EQ(models::parseResistance("4,7k"), std::nullopt);
    // A pasted table's decimal comma is the table's, not the locale's.
    const models::PastedTable pasted = models::readPastedTable("T (°C)\tR (kΩ)\n-40\t195,652\n25\t10,0\n");
    ASSERT_EQ(pasted.points.size(), 2u);
    EXPECT_DOUBLE_EQ(pasted.points[0].kelvin, 233.15);
    EXPECT_DOUBLE_EQ(pasted.points[0].ohms, 195652);
    EXPECT_DOUBLE_EQ(pasted.points[1].kelvin, 298.15);
    EXPECT_DOUBLE_EQ(pasted.points[1].ohms, 10000);
}

// Every byte of every run, the picture's included, as in the C locale.
TEST_F(GermanLocale, CommandLineRunsAsInTheCLocale)
{
    const std::vector<CliRun> inGerman = commandLineRuns();
    ASSERT_EQ(inGerman.size(), inC_.size());
    for (std::size_t i = 0; i < inC_.size(); ++i) {
        SCOPED_TRACE("run " + std::to_string(i));
        EXPECT_EQ(inGerman[i].outcome.status, inC_[i].outcome.status);
        EXPECT_EQ(inGerman[i].outcome.out, inC_[i].outcome.out);
        EXPECT_EQ(inGerman[i].outcome.err, inC_[i].outcome.err);
        EXPECT_EQ(inGerman[i].picture, inC_[i].picture);
    }
    // And what the C locale gave is right (B of 10 kΩ at 25 °C, 1 kΩ at
    // 100 °C: 3415.6446723257946... K by hand).
    EXPECT_EQ(inGerman[0].outcome.out, "B25/100 = 3415.64467232579 K\n");
    EXPECT_NE(inGerman[1].outcome.out.find("10k,25,1k,100,3415.64467232579,B25/100"), std::string::npos);
    EXPECT_NE(inGerman[9].picture.find("<svg"), std::string::npos);
}

} // namespace
