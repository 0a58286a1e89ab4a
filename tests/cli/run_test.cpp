// Tests of ntc-beta-cli as a user runs it, driven in-process through cli::run:
// arguments, exit codes, help and version, in both languages.
#include "cli/messages/language.h"
#include "cli_run.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using cli::Language;

using cli_test::Outcome;
using cli_test::runCli;

// ---------------------------------------------------------------------------
// One command line each: exit status and what it prints.
struct CommandCase {
    std::initializer_list<std::string> args;
    int status;
    std::string out;       // exact standard output
    std::string errPart;   // found in standard error ("" = error is empty)
    const char* guards;
};

const CommandCase kCommands[] = {
    // ln(10) / (1/298.15 − 1/373.15) = 3415.6446723257946... (50 digits)
    {{"beta", "10000", "25", "1000", "100"}, 0, "B25/100 = 3415.64467232579 K\n", "", "the issue's example"},
    {{"beta", "10k\u03a9", "25\u00b0C", "1k", "100C"}, 0, "B25/100 = 3415.64467232579 K\n", "", "units"},
    {{"beta", "--kelvin", "10000", "298.15", "1000", "373.15"}, 0, "B25/100 = 3415.64467232579 K\n", "",
     "kelvin"},
    {{"beta", "10000", "298.15K", "1000", "100"}, 0, "B25/100 = 3415.64467232579 K\n", "", "kelvin and °C mixed"},
    // Murata NCP03WF104 from its datasheet, temperatures in °F (77 °F = 25 °C, 185 °F = 85 °C).
    {{"beta", "100k", "77F", "8873", "185\u00b0F"}, 0, "B25/85 = 4310.73027493548 K\n", "", "Fahrenheit"},
    {{"beta", "10000", "-40", "1000", "100"}, 3, "B-40/100 = 1430.89089028669 K\n",
     "warning: B-40/100 = 1430.89089028669 K lies outside 1500 K to 7000 K", "a negative temperature, a B no NTC has"},
    {{"beta", "10000", "25", "1000", "25"}, 1, "", "the two temperatures are equal", "equal temperatures"},
    {{"beta", "10000", "0K", "1000", "100"}, 1, "", "T1 '0K': a temperature is 0 K", "0 K"},
    {{"beta", "10000", "-300", "1000", "100"}, 1, "", "T1 '-300': a temperature is below 0 K", "below 0 K"},
    {{"beta", "10000", "25", "-1000", "100"}, 1, "", "R2 '-1000': a thermistor's resistance is above 0 \u03a9",
     "opposite signs"},
    {{"beta", "1e300", "25", "1e-300", "100"}, 1, "", "range of a double", "overflow"},
    {{"beta", "10x", "25", "1000", "100"}, 2, "",
     "R1 '10x': expected a resistance such as 10000, 10k, 4.7M or 680\u03a9", "unreadable resistance"},
    {{"beta", "10000", "25", "1000", "373.15 K"}, 0, "B25/100 = 3415.64467232579 K\n", "",
     "a blank before the unit is allowed"},
    {{"beta", "1e999", "25", "1000", "100"}, 2, "", "R1 '1e999': the number lies beyond the range of a double",
     "a number beyond range says so"},
    {{"beta", "10000", "25", "1000", "100x"}, 2, "", "T2 '100x': expected a temperature", "unreadable temperature"},
    {{"beta", "10000", "25", "1000", "1,5"}, 2, "", "T2 '1,5'", "a decimal comma is refused"},
    {{"beta", "10000", "25", "1000"}, 2, "", "R1 T1 R2 T2", "three values"},
    {{"beta", "10000", "25", "1000", "100", "5"}, 2, "", "R1 T1 R2 T2", "five values"},
    {{"beta", "--csv", "-", "10000"}, 2, "", "R1 T1 R2 T2", "CSV and values"},
    {{"beta", "--csv", "/nonexistent/parts.csv"}, 2, "", "cannot open /nonexistent/parts.csv", "missing file"},
    {{"beta", "--bogus"}, 2, "", "--bogus", "unknown option"},
    {{}, 2, "", "give a command: beta, steinhart", "no command"},
    {{""}, 2, "", "give a command: beta, steinhart", "an empty command"},

    // Mistakes that must not come back as a number with exit status 0.
    {{"beta", "10k", "1k", "25", "100"}, 2, "",
     "T1 '1k': a lower-case k after a temperature is kilo, not kelvin; write kelvin as K (298.15K)\n"
     "ntc-beta-cli: the values look like R1 R2 T1 T2, the window's order; beta takes R1 T1 R2 T2: "
     "ntc-beta-cli beta 10k 25 1k 100\n",
     "the window's field order, 1k read as 1 kelvin"},
    // ln(10000/25) / (1/1273.15 - 1/373.15) = -3162.667...
    {{"beta", "10000", "1000", "25", "100"}, 1, "",
     "T1 '1000': 1000 \u00b0C lies outside -100 \u00b0C to 500 \u00b0C, where thermistors are used\n"
     "ntc-beta-cli: B = -3162.667",
     "the window's order without units"},
    {{"beta", "10000", "1000", "25", "100"}, 1, "", "ntc-beta-cli beta 10000 25 1000 100\n",
     "... names the command's order"},
    {{"beta", "1k", "25", "10k", "100"}, 1, "", "B = -3415.64467232579 K is not above 0", "rising resistance"},
    {{"beta", "10k", "25", "10k", "50"}, 1, "", "the two resistances are equal, so B would be 0 K", "B = 0"},
    {{"beta", "-10k", "25", "-1k", "100"}, 1, "",
     "R1 '-10k': a thermistor's resistance is above 0 \u03a9\nntc-beta-cli: R2 '-1k'", "two negative resistances"},
    {{"beta", "10000", "-150", "1000", "100"}, 3, "",
     "warning: T1 '-150': -150 \u00b0C lies outside -100 \u00b0C to 500 \u00b0C", "a cold reading is printed, with a warning"},
    {{"beta", "1e-999", "25", "1k", "100"}, 2, "", "R1 '1e-999': the number lies beyond the range of a double",
     "too small is named as too large is"},
    {{"beta", "4k7", "25", "1k", "100"}, 2, "", "R1 '4k7': write 4.7k (", "resistor marking"},
    {{"beta", "4R7", "25", "1k", "100"}, 2, "", "R1 '4R7': write 4.7 (", "resistor marking in ohms"},
    {{"resistance", "--r25", "10k", "--beta", "3435", "10k"}, 2, "", "T1 '10k': a lower-case k", "kilo on a temperature"},
    {{"resistance", "--r25", "10k", "--beta", "3435", "25", "-300", "298.15K"}, 1,
     "R(25) = 10000 \u03a9\nR(298.15K) = 10000 \u03a9\n", "T2 '-300': a temperature is below 0 K",
     "every good value printed, the bad one named"},
    {{"table", "--r25", "10k", "--beta", "0"}, 1, "", "--beta '0': B must be above 0 K", "B = 0 model"},
    {{"table", "--r25", "10k", "--beta", "-3435"}, 1, "", "--beta '-3435': B must be above 0 K", "B < 0 model"},
    {{"table", "--r25", "-10k", "--beta", "3435"}, 1, "", "--r25 '-10k': a thermistor's resistance is above 0",
     "R25 < 0 model"},
    {{"steinhart", "10k", "25", "4k", "50", "1k", "100", "--kelvin"}, 3, "",
     "warning: T1 '25': -248.15 \u00b0C lies outside", "25 K, 50 K, 100 K"},
    {{"steinhart", "10k", "25", "4k", "50", "1k", "100", "--kelvin"}, 3, "",
     "warning: Steinhart-Hart B <= 0", "... and the curve they give"},
    {{"temperature", "--steinhart", "8.2649517014797e-04", "1.99562430992111e-04", "1.50702832891752e-07", "100k",
      "1628"},
     0, "T(100k) = 25 \u00b0C = 298.15 K\nT(1628) = 150 \u00b0C = 423.15 K\n", "",
     "readings after the three coefficients"},
    {{"beta", "10000", "25", "1000", "100", "--csv", "."}, 2, "", "R1 T1 R2 T2", "values and a file"},
    {{"beta", "--csv", "."}, 2, "", "ntc-beta-cli: . is a folder, not a file", "a folder named"},

    {{"steinhart", "100k", "25", "1628", "150", "205", "250"}, 0,
     "A = 8.2649517014797e-04\nB = 1.99562430992111e-04\nC = 1.50702832891752e-07\n"
     "B25/150 = 4156.10283636599 K\nB25/250 = 4291.04673552894 K\nB150/250 = 4587.02150010674 K\n",
     "", "the published firmware set"},
    {{"steinhart", "205", "250", "100k", "25", "1628", "150"}, 0,
     "A = 8.2649517014797e-04\nB = 1.99562430992111e-04\nC = 1.50702832891752e-07\n"
     "B25/150 = 4156.10283636599 K\nB25/250 = 4291.04673552894 K\nB150/250 = 4587.02150010674 K\n",
     "", "points in any order"},
    {{"steinhart", "200720", "6", "57094", "22", "28766", "37"}, 3,
     "A = -2.33721619460982e-03\nB = 6.78956296651436e-04\nC = -1.30224830124524e-06\n"
     "B6/22 = 6473.943572943 K\nB6/37 = 5425.71793520016 K\nB22/37 = 4183.44319527896 K\n",
     "warning: C < 0", "negative C warns and still prints"},
    {{"steinhart", "1k", "25", "5k", "50", "10k", "85"}, 1, "", "do not fall", "rising resistances are refused"},
    {{"steinhart", "1k", "25", "5k", "25", "10k", "85"}, 1, "", "temperatures are equal", "equal temperatures"},
    {{"steinhart", "1k", "25", "5k", "50"}, 2, "", "R1 T1 R2 T2 R3 T3", "four values"},

    {{"temperature", "--r25", "10k", "--beta", "3435", "10k"}, 0, "T(10k) = 25 \u00b0C = 298.15 K\n", "",
     "beta model"},
    {{"resistance", "--r25", "10k", "--beta", "3435", "25", "298.15K"}, 0,
     "R(25) = 10000 \u03a9\nR(298.15K) = 10000 \u03a9\n", "", "beta model, two values"},
    {{"resistance", "--r25", "10k", "25"}, 2, "", "give one model: --r25, or --r0 (with --t0), and --beta",
     "half a model"},
    {{"resistance", "--r25", "10k", "--beta", "3435", "--steinhart", "1", "2", "3", "25"}, 2, "", "give one model",
     "two models"},
    {{"resistance", "--r25", "10k", "--beta", "3435K", "25"}, 2, "", "--beta '3435K'", "B is a plain number"},
    {{"temperature", "--r25", "10k", "--beta", "3435", "-5"}, 1, "", "R1 '-5': a thermistor's resistance is above 0",
     "negative resistance"},

    {{"table", "--r25", "10k", "--beta", "3435", "--from", "0", "--to", "10", "--step", "5"}, 0,
     "temperature_c,resistance_ohm,alpha_percent_per_k\n"
     "0,28704.3,-4.604\n"
     "5,22896.6,-4.44\n"
     "10,18410.4,-4.284\n",
     "", "CSV table"},
    {{"table", "--r25", "10k", "--beta", "3435", "--from", "0", "--to", "5", "--format", "markdown"}, 0,
     "| T (\u00b0C) | R (\u03a9) | \u03b1 (%/K) |\n|---:|---:|---:|\n"
     "| 0 | 28704.3 | -4.604 |\n| 5 | 22896.6 | -4.44 |\n",
     "", "Markdown table"},
    {{"table", "--r25", "10k", "--beta", "3435", "--from", "5", "--to", "0"}, 2, "", "--from", "empty range"},
    {{"table", "--r25", "10k", "--beta", "3435", "--format", "xml"}, 2, "", "xml", "unknown format"},
    {{"table", "--steinhart", "-2.33721619460982e-03", "6.78956296651436e-04", "-1.30224830124524e-06"}, 1, "",
     "at -40 \u00b0C: the model gives no value here", "a table with a hole is refused"},
};

TEST(Program, Commands)
{
    for (const CommandCase& c : kCommands) {
        SCOPED_TRACE(c.guards);
        const Outcome o = runCli(c.args);
        EXPECT_EQ(o.status, c.status) << o.err;
        if (!c.out.empty() || c.status == 1 || c.status == 2) {
            EXPECT_EQ(o.out, c.out);
        }
        if (c.errPart.empty()) {
            EXPECT_EQ(o.err, "");
        } else {
            EXPECT_NE(o.err.find(c.errPart), std::string::npos) << o.err;
        }
    }
}

TEST(Program, SteinhartHartResistance)
{
    // 6481.6336333631860545... ohm at 100 degC (50 digits, bisection on ln R);
    // through exp the last of 15 digits may differ by one.
    const Outcome o = runCli(
        {"resistance", "--steinhart", "8.2649517014797e-4", "1.99562430992111e-4", "1.50702832891752e-7", "100"});
    EXPECT_EQ(o.status, 0);
    EXPECT_TRUE(o.out.starts_with("R(100) = 6481.633633363")) << o.out;
    EXPECT_TRUE(o.out.ends_with(" \u03a9\n")) << o.out;
}

TEST(Program, CTableIsReadyForFirmware)
{
    const Outcome o = runCli({"table", "--r25", "10k", "--beta", "3435", "--from", "-10", "--to", "0", "--format", "c"});
    ASSERT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("-10 degC to 0 degC in steps of 5 K, 3 rows"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("R25 = 10000 ohm, B = 3435 K"), std::string::npos);
    // Whole ohms in uint32_t, °C × 10 in int16_t, the array named as asked.
    EXPECT_NE(o.out.find("struct ntc_rt_table_row {\n    int16_t temperature_c_x10;\n    uint32_t ohms;\n};"),
              std::string::npos) << o.out;
    EXPECT_NE(o.out.find("ntc_rt_table[3] = {\n    { -100, 46290 },\n"), std::string::npos) << o.out;
    EXPECT_TRUE(o.out.ends_with("    {    0, 28704 }\n};\n\n#endif /* NTC_RT_TABLE_H */\n")) << o.out;
}

// ---------------------------------------------------------------------------
// Help, version, language.
TEST(Program, HelpForEveryCommandInBothLanguages)
{
    for (const char* command : {"beta", "steinhart", "table", "temperature", "resistance", "adc", "fit"}) {
        SCOPED_TRACE(command);
        for (const char* flag : {"--help", "-h"}) {
            const Outcome english = runCli({command, flag});
            EXPECT_EQ(english.status, 0);
            EXPECT_NE(english.out.find(std::string("Usage: ntc-beta-cli ") + command), std::string::npos)
                << english.out;
            const Outcome chinese = runCli({command, flag}, "", Language::chinese);
            EXPECT_EQ(chinese.status, 0);
            EXPECT_NE(chinese.out.find(std::string("用法: ntc-beta-cli ") + command), std::string::npos)
                << chinese.out;
            EXPECT_NE(chinese.out.find("显示本帮助并退出"), std::string::npos);
        }
    }
    const Outcome top = runCli({"--help"}, "", Language::chinese);
    EXPECT_EQ(top.status, 0);
    EXPECT_NE(top.out.find("命令:"), std::string::npos) << top.out;
    EXPECT_NE(top.out.find("退出状态：0 成功，1 数值被拒绝或计算失败，2 用法错误或数值无法读取，3 完成但有警"),
              std::string::npos) << top.out;
}

TEST(Program, MessagesFollowTheLanguage)
{
    const Outcome o = runCli({"beta", "10x", "25", "1000", "100"}, "", Language::chinese);
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("R1\u201c10x\u201d\uff1a应为电阻值"), std::string::npos) << o.err;
    EXPECT_NE(runCli({"beta", "1", "25", "2", "25"}, "", Language::chinese).err.find("两个温度相同"),
              std::string::npos);
}

// The argument parser's own errors, in Chinese: no English word left.
TEST(Program, ParseErrorsSpeakChinese)
{
    const struct {
        std::initializer_list<std::string> args;
        std::string part;
    } cases[] = {
        {{}, "请给出命令：beta、steinhart"},
        {{"-k"}, "请给出命令：beta、steinhart"},
        {{"foo"}, "没有命令\u201cfoo\u201d"},
        {{"beta", "--bogus"}, "无法识别的参数：--bogus"},
        {{"beta", "--csv"}, "--csv：选项缺少取值"},
        {{"temperature", "--r25", "10k", "--beta", "3435"}, "temperature：请至少给出一个电阻值"},
        {{"temperature", "--steinhart", "1", "2"}, "--steinhart：选项缺少取值"},
        {{"table", "--r25", "10k", "--beta", "3435", "--format", "C"}, "--format\u201cC\u201d：应为 csv、markdown、c、klipper、reprap 或 esphome"},
        {{"beta", "--kelvin=x", "1", "2", "3", "4"}, "--kelvin：选项的取值无法读取"},
    };
    for (const auto& c : cases) {
        const Outcome o = runCli(c.args, "", Language::chinese);
        EXPECT_EQ(o.status, 2) << o.err;
        EXPECT_NE(o.err.find(c.part), std::string::npos) << o.err;
        for (const char* english : {"required", "expected", "argument", "not in", "convert", "missing"})
            EXPECT_EQ(o.err.find(english), std::string::npos) << o.err;
    }
}

TEST(Program, Version)
{
    const Outcome o = runCli({"--version"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "ntc-beta-cli 1.00\n");
}

} // namespace
