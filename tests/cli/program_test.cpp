// Tests of ntc-beta-cli as a user runs it, driven in-process through cli::run:
// arguments, the CSV round trip, bad rows, exit codes, help and version.
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
// CSV batches.
TEST(CsvBatch, RoundTripKeepsColumnsAndLineEnds)
{
    const std::string input = "part,T2,R2,\"note, quoted\",t1,r1\r\n"
                              "NCP03WF104,85,8873,\"100k \"\"typ\"\"\",25,100k\r\n"
                              "103AT-2,85\u00b0C,1451\u03a9,\"two\r\nlines\",25,10k\r\n";
    const Outcome o = runCli({"beta", "--csv", "-"}, input);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, "part,T2,R2,\"note, quoted\",t1,r1,b,b_name\r\n"
                     "NCP03WF104,85,8873,\"100k \"\"typ\"\"\",25,100k,4310.73027493548,B25/85\r\n"
                     "103AT-2,85\u00b0C,1451\u03a9,\"two\r\nlines\",25,10k,3435.42566510336,B25/85\r\n");
}

TEST(CsvBatch, BadRowsAreReportedWithTheirLinesAndTheRestGoesThrough)
{
    const std::string input = "r1,t1,r2,t2\n"      // line 1
                              "10000,25,1000,100\n" // 2
                              "10x,25,1000,100\n"   // 3
                              "\n"                  // 4: kept blank
                              "10000,25,1000,25\n"  // 5
                              "10000,25\n"          // 6
                              "\"10000\",\"25\",\"1000\",\"100\"\n" // 7
                              "10000,25,1000,\"100\n";              // 8, never closed
    const Outcome o = runCli({"beta", "--csv", "-"}, input);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "r1,t1,r2,t2,b,b_name\n"
                     "10000,25,1000,100,3415.64467232579,B25/100\n"
                     "10x,25,1000,100,,\n"
                     "\n"
                     "10000,25,1000,25,,\n"
                     "10000,25,,,,\n"
                     "\"10000\",\"25\",\"1000\",\"100\",3415.64467232579,B25/100\n"
                     "10000,25,1000,\"\"\"100\",,\n");
    EXPECT_NE(o.err.find("line 3: r1 '10x': expected a resistance"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("line 5: the two temperatures are equal"), std::string::npos);
    EXPECT_NE(o.err.find("line 6: the row has no field r2"), std::string::npos);
    EXPECT_NE(o.err.find("line 8: the quote that opens field 4 does not close on its line"), std::string::npos);
    EXPECT_NE(o.err.find("line 8: t2 '\"100': expected a temperature"), std::string::npos);
    EXPECT_NE(o.err.find("rows that could not be computed (their b is empty): 4, the first on line 3\n"),
              std::string::npos);
}

// One batch input each: exit status, standard output exactly, and a part of
// standard error.
struct BatchCase {
    std::string input;
    int status;
    std::string out;
    std::string errPart;
    const char* guards;
};

const BatchCase kBatches[] = {
    {"r1,t1,r2,t2,note\n10k,25,1k,100\n10k,25,1k,100,a,extra\n10k,25,1k,100,,,\n", 3,
     "r1,t1,r2,t2,note,b,b_name\n10k,25,1k,100,,3415.64467232579,B25/100\n"
     "10k,25,1k,100,a,3415.64467232579,B25/100,extra\n10k,25,1k,100,,3415.64467232579,B25/100,,\n",
     "warning: line 3: the row has 6 fields, the header 5", "b and b_name stay in the header's columns"},
    // A row read with a stray quote is written back quoted as RFC 4180 says,
    // so that no reader of the output swallows the rows after it.
    {"part,r1,t1,r2,t2,note\nA,10k,25,1k,100,\"5 inch\nB,10k,25,1k,100,ok\nC,10k,25,1k,100,ok\n", 3,
     "part,r1,t1,r2,t2,note,b,b_name\nA,10k,25,1k,100,\"\"\"5 inch\",3415.64467232579,B25/100\n"
     "B,10k,25,1k,100,ok,3415.64467232579,B25/100\nC,10k,25,1k,100,ok,3415.64467232579,B25/100\n",
     "line 2: the quote that opens field 6 does not close on its line", "a stray quote swallows no rows"},
    {"part,r1,t1,r2,t2,note\nA,10k,25,1k,100,\"5 inch\nB,10k,25,1k,100,ok\nC,10k,25,1k,100,probe 5\"\n", 3,
     "part,r1,t1,r2,t2,note,b,b_name\nA,10k,25,1k,100,\"\"\"5 inch\",3415.64467232579,B25/100\n"
     "B,10k,25,1k,100,ok,3415.64467232579,B25/100\nC,10k,25,1k,100,\"probe 5\"\"\",3415.64467232579,B25/100\n",
     "line 2: the quote that opens field 6", "... nor rows up to a quote that would close it"},
    {"part,r1,t1,r2,t2,note\nA,10k,25,1k,100,\"ab\"c\nB,10k,25,1k,100,\"a, b\",x\n", 3,
     "part,r1,t1,r2,t2,note,b,b_name\nA,10k,25,1k,100,abc,3415.64467232579,B25/100\n"
     "B,10k,25,1k,100,\"a, b\",3415.64467232579,B25/100,x\n",
     "line 3: the row has 7 fields", "text after a closing quote: written anew; a valid quoted field as it came"},
    {"# bath of 2024-05-02, \"probe\" 3\n\nr1,t1,r2,t2\n10k,25,1k,100\n", 0,
     "# bath of 2024-05-02, \"probe\" 3\n\nr1,t1,r2,t2,b,b_name\n10k,25,1k,100,3415.64467232579,B25/100\n", "",
     "notes before the header are copied, a quote in them no field"},
    {"r1,t1,r2,t2,note\n10k,25,1k,100,\"two\nlines\"\n", 0,
     "r1,t1,r2,t2,note,b,b_name\n10k,25,1k,100,\"two\nlines\",3415.64467232579,B25/100\n", "",
     "a quoted line end is no stray quote"},
    {"r1,t1,r2,t2\n10k,1k,1k,100\n", 1, "r1,t1,r2,t2,b,b_name\n10k,1k,1k,100,,\n",
     "line 2: t1 '1k': a lower-case k", "the batch applies the command's rules"},
    {"r1,t1,r2,t2\n1k,25,10k,100\n10k,-150,1k,100\n", 1,
     "r1,t1,r2,t2,b,b_name\n1k,25,10k,100,,\n10k,-150,1k,100,423.246662482229,B-150/100\n",
     "warning: line 3: t1 '-150'", "refused rows empty, warned rows filled"},
    {"r1,t1,r2,t2\r\n10000,25,1000,100\r\n\r\n10000,25,1000,100", 0,
     "r1,t1,r2,t2,b,b_name\r\n10000,25,1000,100,3415.64467232579,B25/100\r\n\r\n"
     "10000,25,1000,100,3415.64467232579,B25/100\r\n",
     "", "plain rows: CR LF, a blank line, no line end at the end"},
    {"r1,t1,r2,t2\n10000,-150,1000,100\n0,25,1000,100\n", 1,
     "r1,t1,r2,t2,b,b_name\n10000,-150,1000,100,423.246662482229,B-150/100\n0,25,1000,100,,\n",
     "warning: line 2: t1 '-150'", "plain rows the checks find fault with are worded"},
    {"part;r1;t1;r2;t2\nA;4,7k;25;1k;85\n", 2, "", "apart by semicolons", "European Excel"},
    {"\xEF\xBB\xBFpart;r1;t1;r2;t2\r\n", 2, "", "apart by semicolons", "European Excel, CSV UTF-8"},
    {"part\tr1\tt1\tr2\tt2\n", 2, "", "apart by tabs", "tab-separated"},
    {std::string("\xFF\xFEr\0001\0,\0t\0001\0\n\0", 14), 2, "", "is UTF-16 text", "UTF-16"},
    // "r1,t1,r2,t2,备注" and "10k,25℃,1k,100℃,测试" in GB18030.
    {"r1,t1,r2,t2,\xB1\xB8\xD7\xA2\n10k,25\xA1\xE6,1k,100\xA1\xE6,\xB2\xE2\xCA\xD4\n", 1,
     "r1,t1,r2,t2,\xB1\xB8\xD7\xA2,b,b_name\n10k,25\xA1\xE6,1k,100\xA1\xE6,\xB2\xE2\xCA\xD4,,\n",
     "line 2 is not UTF-8; it looks like GB18030", "Chinese Excel"},
    {"r1,t1,r2,t2\n10k,25\xA1\xE6,1k,100\n", 1, "r1,t1,r2,t2,b,b_name\n10k,25\xA1\xE6,1k,100,,\n",
     "t1 '25\\xA1\\xE6'", "no raw GBK byte in a message"},
    {"r1,t1,r2,t2\n" + std::string(1 << 20, '1') + "x,25,1k,100\n", 1, "", "(1048577 bytes)", "a huge cell"},
};

TEST(CsvBatch, Table)
{
    for (const BatchCase& c : kBatches) {
        SCOPED_TRACE(c.guards);
        const Outcome o = runCli({"beta", "--csv", "-"}, c.input);
        EXPECT_EQ(o.status, c.status) << o.err;
        if (!c.out.empty() || c.status == 2) {
            EXPECT_EQ(o.out, c.out);
        }
        if (c.errPart.empty()) {
            EXPECT_EQ(o.err, "");
        } else {
            EXPECT_NE(o.err.find(c.errPart), std::string::npos) << o.err.substr(0, 2000);
        }
        EXPECT_LT(o.err.size(), 2000u);
    }
}

TEST(CsvBatch, AStrayQuoteInALargeFileCostsOneRowAtMost)
{
    std::string input = "part,r1,t1,r2,t2\n";
    for (int line = 2; line <= 100001; ++line)
        input += "P" + std::to_string(line) + (line == 12 ? ",\"10k" : ",10k") + ",25,1k,100\n";
    const Outcome o = runCli({"beta", "--csv", "-"}, input);
    EXPECT_EQ(o.status, 1);
    std::size_t computed = 0;
    for (std::size_t at = o.out.find(",B25/100\n"); at != std::string::npos; at = o.out.find(",B25/100\n", at + 1))
        ++computed;
    EXPECT_EQ(computed, 99999u);
    EXPECT_NE(o.err.find("rows that could not be computed (their b is empty): 1, the first on line 12"),
              std::string::npos)
        << o.err;
}

TEST(CsvBatch, MessagesStopAfterTwentyRowsAndTheCountsCoverAll)
{
    std::string input = "r1,t1,r2,t2\n";
    for (int i = 0; i < 1000; ++i) input += "10x,25,1k,100\n";
    const Outcome o = runCli({"beta", "--csv", "-"}, input);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("line 21: r1 '10x'"), std::string::npos);
    EXPECT_EQ(o.err.find("line 22: "), std::string::npos);
    EXPECT_NE(o.err.find("messages about further rows are left out"), std::string::npos);
    EXPECT_NE(o.err.find("could not be computed (their b is empty): 1000, the first on line 2"), std::string::npos);
}

TEST(CsvBatch, KelvinAppliesToCellsWithoutUnit)
{
    const Outcome o = runCli({"beta", "--kelvin", "--csv", "-"}, "\xEF\xBB\xBFR1,T1,R2,T2\n10000,298.15,1000,100C\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "\xEF\xBB\xBFR1,T1,R2,T2,b,b_name\n10000,298.15,1000,100C,3415.64467232579,B25/100\n");
}

TEST(CsvBatch, InputWithoutAUsableHeaderIsAUsageError)
{
    EXPECT_EQ(runCli({"beta", "--csv", "-"}, "").status, 2);
    const Outcome o = runCli({"beta", "--csv", "-"}, "r1,t1,r2,temp2\n1,2,3,4\n");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("no column t2"), std::string::npos) << o.err;
    EXPECT_EQ(o.out, "");
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

struct LanguageCase {
    const char *lcAll, *lcMessages, *lang;
    bool systemChinese;
    Language expected;
    const char* guards;
};

const LanguageCase kLanguages[] = {
    {nullptr, nullptr, nullptr, false, Language::english, "nothing set"},
    {nullptr, nullptr, nullptr, true, Language::chinese, "the system's UI language"},
    {nullptr, nullptr, "zh_CN.UTF-8", false, Language::chinese, "LANG"},
    {nullptr, nullptr, "zh_TW.UTF-8", false, Language::chinese, "any zh"},
    {nullptr, nullptr, "en_US.UTF-8", true, Language::english, "the variables come before the system"},
    {"C", nullptr, "zh_CN.UTF-8", false, Language::english, "LC_ALL wins"},
    {"", "zh_CN", "en_US", false, Language::chinese, "an empty variable counts as unset"},
    {nullptr, "en_GB", "zh_CN", false, Language::english, "LC_MESSAGES before LANG"},
    {nullptr, nullptr, "zhx", false, Language::chinese, "a prefix is enough"},
};

TEST(ChooseLanguage, Table)
{
    for (const LanguageCase& c : kLanguages) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(cli::chooseLanguage(c.lcAll, c.lcMessages, c.lang, c.systemChinese), c.expected);
    }
}

} // namespace
