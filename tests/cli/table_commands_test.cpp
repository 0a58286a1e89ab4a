// Tests of the commands that read an R/T table (fit, adc --fit, table --fit,
// temperature and resistance --fit) as a firmware engineer runs them: a
// datasheet table copied with each ordinary mistake must be refused or
// warned about at its line, for every model and every command, and every
// clean table in the tests' data must go through without an alarm.
// Expected lines and values come from the datasheets' tables themselves,
// Marlin's published temptable_5, and hand calculation.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

using cli_test::Outcome;
using cli_test::runCli;

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The Murata NCP15XH103 table: two note lines, the header on line 3, -40 °C
// on line 4, so that the row at T °C stands on line 4 + (T + 40) / 5.
const std::string kMurata = fileText(std::string(NTC_MODELS_DATA) + "/murata_ncp15xh103.csv");

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The table's data rows rewritten cell by cell.
std::string rewritten(const std::string& header,
                      const std::function<std::string(const std::string& t, const std::string& r)>& row,
                      char delimiter = ',')
{
    std::string text = header + "\n";
    std::size_t start = kMurata.find("\n-40,") + 1;
    while (start < kMurata.size()) {
        const std::size_t end = kMurata.find('\n', start);
        const std::string line = kMurata.substr(start, end - start);
        const std::size_t comma = line.find(',');
        text += row(line.substr(0, comma), line.substr(comma + 1)) + "\n";
        start = end + 1;
    }
    if (delimiter != ',')
        for (char& c : text)
            if (c == ',') c = delimiter;
    return text;
}

std::string reversedResistances()
{
    std::vector<std::string> ohms;
    rewritten("", [&](const std::string&, const std::string& r) { ohms.push_back(r); return ""; });
    return rewritten("temperature_c,resistance_ohm", [&](const std::string& t, const std::string&) {
        const std::string r = ohms.back();
        ohms.pop_back();
        return t + "," + r;
    });
}

std::string kiloOhms(const std::string& r)
{
    std::string text = std::to_string(std::stod(r) / 1000);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

// Kelvin written where °C belongs: 233.15, 238.15, ... under temperature_c.
std::string kelvinCopy()
{
    return rewritten("temperature_c,resistance_ohm", [](const std::string& t, const std::string& r) {
        const int hundredths = std::stoi(t) * 100 + 27315;
        return std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100) + "," + r;
    });
}

struct Copy {
    const char* mistake;
    std::string table;
    int status;          // for the Steinhart-Hart fits; a beta fit of a clean table is warned about (3)
    std::string errPart; // found in standard error; "" for none at all
};

const std::vector<Copy>& corruptedCopies()
{
    static const std::vector<Copy> copies{
        {"none: the datasheet's table", kMurata, 0, ""},
        {"an extra zero (70 °C: 2228 -> 22280)", replaced(kMurata, "\n70,2228\n", "\n70,22280\n"), 1,
         "line 26: the resistance rises from 2586 Ω at 65 °C (line 25) to 22280 Ω at 70 °C (line 26)"},
        {"a lost minus sign (-20 -> 20)", replaced(kMurata, "\n-20,68237\n", "\n20,68237\n"), 1,
         "lines 8 and 16 both give 20 °C (68237 Ω and 12081 Ω)"},
        {"two resistances swapped (10 and 15 °C)",
         replaced(replaced(kMurata, "\n10,17926\n", "\n10,14674\n"), "\n15,14674\n", "\n15,17926\n"), 1,
         "line 14: the resistance rises from 14674 Ω at 10 °C (line 14) to 17926 Ω at 15 °C (line 15)"},
        {"a temperature written twice with another R", replaced(kMurata, "\n50,4161\n", "\n50,4161\n50,4200\n"), 1,
         "lines 22 and 23 both give 50 °C (4161 Ω and 4200 Ω)"},
        {"two digits transposed (20 °C: 12081 -> 12801)", replaced(kMurata, "\n20,12081\n", "\n20,12801\n"), 3,
         "warning: line 16: 12801 Ω at 20 °C lies 1.54 K off the curve through the other rows"},
        {"resistance rising with temperature (a PTC, or the columns swapped)", reversedResistances(), 1,
         "the resistance rises with the temperature, from 531 Ω at -40 °C (line 2) to 195652 Ω at 125 °C (line 35)"},
        {"kelvin under a temperature_c header", kelvinCopy(), 1,
         "the temperatures of column 'temperature_c' all end in .15 (233.15 to 398.15), as kelvin values do, and are "
         "read as °C: read them with --kelvin, or name the column temperature_k"},
        {"a column in kilohms, read as kilohms",
         rewritten("temperature_c,resistance_kohm",
                   [](const std::string& t, const std::string& r) { return t + "," + kiloOhms(r); }),
         0, ""},
        {"a datasheet's headers, T(°C) and R(kΩ)",
         rewritten("T(°C),R(kΩ)", [](const std::string& t, const std::string& r) { return t + "," + kiloOhms(r); }),
         0, ""},
        {"a kilohm column with a unit in a cell", replaced(rewritten("T(°C),R(kΩ)", [](const std::string& t,
                                                                                     const std::string& r) {
                                                      return t + "," + kiloOhms(r);
                                                  }),
                                                  "\n25,10\n", "\n25,10k\n"),
         1, "line 15: R(kΩ) '10k': the column R(kΩ) gives the unit: write the number alone"},
        {"semicolons and decimal commas",
         rewritten("temperature_c;resistance_ohm",
                   [](const std::string& t, const std::string& r) {
                       std::string k = kiloOhms(r);
                       for (char& c : k)
                           if (c == '.') c = ',';
                       return t + ";" + k + "k";
                   }),
         2, "apart by semicolons, as Excel writes CSV under many European locales (with decimal commas). Read it "
            "with --delimiter ';' --decimal-comma"},
        {"tabs", replaced(kMurata, "temperature_c,resistance_ohm", "temperature_c\tresistance_ohm"), 2,
         "apart by tabs. Read it with --delimiter tab"},
        {"UTF-16", std::string("\xFF\xFEt\0e\0m\0p\0", 10), 2, "is UTF-16 text (Excel's \u201cUnicode text\u201d)"},
        {"GB18030", fileText(std::string(NTC_CLI_DATA) + "/murata_gb18030.csv"), 2,
         "line 2 is not UTF-8; it looks like GB18030 (GBK), Chinese Excel's default for CSV. Read it with "
         "--encoding gb18030"},
    };
    return copies;
}

// Each copy through each model and each command that reads a table: the
// exit status, the line named, nothing written from a refused table.
TEST(CorruptedCopies, EachMistakeIsCaughtForEachModelAndCommand)
{
    const std::vector<Copy>& copies = corruptedCopies();
    const std::vector<std::vector<std::string>> commands{
        {"fit", "-"},
        {"adc", "--pull-up", "10k", "--bits", "12", "--fit", "-"},
        {"table", "--fit", "-"},
    };
    for (const Copy& copy : copies)
        for (const char* model : {"steinhart", "steinhart4", "beta"})
            for (std::vector<std::string> args : commands) {
                args.insert(args.end(), {"--model", model});
                SCOPED_TRACE(std::string(copy.mistake) + ": " + args[0] + " --model " + model);
                const Outcome o = runCli(args, copy.table);
                const bool betaWarns = std::string(model) == "beta" && copy.status == 0;
                EXPECT_EQ(o.status, betaWarns ? 3 : copy.status) << o.err;
                EXPECT_NE(o.err.find(copy.errPart), std::string::npos) << o.err;
                if (copy.errPart.empty() && !betaWarns) {
                    EXPECT_EQ(cli_test::withoutNotes(o.err), "");
                }
                EXPECT_EQ(o.out.empty(), copy.status == 1 || copy.status == 2) << o.out.substr(0, 300);
            }
}

// The rule may not cry wolf: every clean table the tests hold, in every
// model, fits with nothing but the beta model's own warning.
TEST(CorruptedCopies, EveryCleanTableFitsWithoutAnAlarm)
{
    const std::string models = NTC_MODELS_DATA, cli = NTC_CLI_DATA;
    const std::vector<std::vector<std::string>> tables{
        {models + "/murata_ncp15xh103.csv"},
        {models + "/semitec_104gt2.csv"},
        {models + "/tdk_b57861s_8016.csv"},
        {models + "/vishay_ntcle100e3103.csv"},
        {cli + "/semitec_104gt2.csv"},
        {cli + "/murata_gb18030.csv", "--encoding", "gb18030", "--decimal-comma", "--column", "temperature_c=温度",
         "--column", "resistance_ohm=阻值"},
    };
    for (const auto& table : tables)
        for (const char* model : {"steinhart", "steinhart4", "beta"}) {
            std::vector<std::string> args{"fit", "--model", model};
            args.insert(args.end(), table.begin(), table.end());
            SCOPED_TRACE(table[0] + " " + model);
            const Outcome o = runCli(args);
            EXPECT_EQ(o.status, std::string(model) == "beta" ? 3 : 0) << o.err;
            EXPECT_EQ(o.err.find("line"), std::string::npos) << o.err;
            EXPECT_EQ(o.err.find("off the curve"), std::string::npos) << o.err;
        }
    // Four rows, one at 600 °C: warned about for that, judged no further.
    const Outcome oven = runCli({"fit", "--model", "steinhart4", cli + "/oven_row.csv"});
    EXPECT_EQ(oven.status, 3);
    EXPECT_EQ(oven.err.find("off the curve"), std::string::npos) << oven.err;
}

// One command line each: exit status, a part of standard output and one of
// standard error.
struct Case {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string outPart, errPart;
    const char* guards;
};

const std::string kVishay = std::string(NTC_MODELS_DATA) + "/vishay_ntcle100e3103.csv";
const std::string kMurataFile = std::string(NTC_MODELS_DATA) + "/murata_ncp15xh103.csv";
// fit --model steinhart4 of the Vishay table (the README's example).
const std::vector<std::string> kVishay4{"1.1566289390168e-03", "2.25942674619298e-04", "6.75023833980173e-08",
                                        "7.49830140377263e-07"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// 21 rows at temperatures no thermistor is used at (each warned about), then
// a row refused: its message is left out, but it is counted.
std::string warnedRowsThenARefusedOne()
{
    std::string text = "temperature_c,resistance_ohm\n";
    for (int i = 0; i < 21; ++i) text += std::to_string(600 + i) + "," + std::to_string(100 - i) + "\n";
    return text + "700,-1\n";
}

const std::vector<Case>& cases()
{
    static const std::vector<Case> all{
        // Dialects read with the options the messages name.
        {{"fit", "-", "--delimiter", ";", "--decimal-comma"}, corruptedCopies()[11].table, 0, "A = 8.644523884", "",
         "semicolons and decimal commas read with the options the message names"},
        {{"fit", "-", "--delimiter", ";"},
         rewritten("Temp [°C];R [Ohm]", [](const std::string& t, const std::string& r) { return t + ";" + r; }), 0,
         "A = 8.644523884", "", "Temp [°C];R [Ohm]"},
        {{"fit", "-"},
         rewritten("temperature_k,resistance_ohm",
                   [](const std::string& t, const std::string& r) { return std::to_string(std::stoi(t) + 273) + ".15," + r; }),
         0, "A = 8.644523884", "", "a temperature_k column is read as kelvin"},
        {{"fit", "-", "--kelvin"}, kelvinCopy(), 0, "A = 8.644523884", "", "--kelvin reads kelvin in a °C column"},
        {{"fit", "-"}, "T(mV),R(kΩ)\n1,2\n", 2, "", "the column 'T(mV)' names a unit this program does not read",
         "a unit not read is named"},
        {{"fit", "-"}, "Temperatur,Widerstand\n25,10k\n", 2, "",
         "the table's header names no column temperature_c (nor one such as T(°C), Temp [°C], temperature_k); it "
         "holds 'Temperatur', 'Widerstand': name the column with --column temperature_c=NAME",
         "a header in another language"},
        {{"fit", "."}, "", 2, "", "ntc-beta-cli: . is a folder, not a file", "a folder, named as beta --csv names it"},
        {{"fit", "-"}, "# notes only\n", 2, "", "the table holds no rows", "no header"},
        {{"fit", "-"}, warnedRowsThenARefusedOne(), 1, "", "rows refused, their messages left out: 1, the first on line 23",
         "a refused row beyond the messages is counted"},
        // The beta fit with R0 kept and over part of the table.
        {{"fit", "--model", "beta", "--r0", "10k", kMurataFile}, "", 3, "R0 = 10000 Ω\nT0 = 25 °C\nB = 3432.970",
         "the beta model errs up to 3.8 K", "R0 kept: B alone, 3432.97 K and 3.80 K off by an exact rational solve"},
        {{"fit", "--from", "0", "--to", "50", kMurataFile}, "", 0, "from_c = 0\nto_c = 50\n", "", "--from and --to"},
        {{"fit", "--model", "steinhart4", "--from", "0", "--to", "10", kMurataFile}, "", 1, "",
         "--from and --to leave 3 distinct temperatures of the table; --model steinhart4 needs at least 4",
         "too few rows within the range"},
        {{"fit", "--r0", "10k", kMurataFile}, "", 2, "", "--r0 with --fit keeps the R0 of a beta fit",
         "R0 kept in a Steinhart-Hart fit"},
        // B of 0 or less and kelvin read as °C, typed.
        {{"beta", "10k", "298.15", "1k", "373.15"}, "", 3, "B298.15/373.15 = 11335.8164528327 K",
         "T1 '298.15', T2 '373.15': read as °C for want of a unit, yet ending in .15 as kelvin values do",
         "kelvin without --kelvin"},
        {{"beta", "10k", "298.15", "1k", "373.15"}, "", 3, "",
         "B298.15/373.15 = 11335.8164528327 K lies outside 1500 K to 7000 K", "... and the B it gives"},
        {{"beta", "--kelvin", "10k", "298.15", "1k", "373.15"}, "", 0, "B25/100 = 3415.64467232579 K", "",
         "kelvin with --kelvin"},
        {{"steinhart", "100k", "298.15", "1628", "423.15", "205", "523.15"}, "", 3, "",
         "B298.15/423.15 = ", "steinhart's pairs checked against the NTC range"},
        {{"resistance", "--r25", "10k", "--beta", "3435", "298.15"}, "", 3, "R(298.15) = ",
         "T1 '298.15': read as °C for want of a unit", "a kelvin-looking temperature in resistance"},
        {{"table", "--r25", "10k", "--beta", "-3995"}, "", 1, "", "--beta '-3995': B must be above 0 K",
         "B <= 0 typed"},
        // The four-term curve, never read as three coefficients and a reading.
        {with({"resistance", "--steinhart"}, with(kVishay4, {"25"})), "", 2, "",
         "'7.49830140377263e-07' after --steinhart's three values looks like a fourth coefficient",
         "four numbers after --steinhart"},
        {with({"resistance", "--steinhart4"}, with(kVishay4, {"25"})), "", 0, "R(25) = 1000", "",
         "--steinhart4 takes A B C D (Vishay's table: 10000.2 Ω at 25 °C)"},
        {with({"table", "--from", "25", "--to", "25", "--steinhart"}, kVishay4), "", 0, "\n25,10001.1,", "",
         "table takes four values after --steinhart, having no readings"},
        // Every command takes one set of model options.
        {{"table", "--r0", "10k", "--t0", "25", "--beta", "3435", "--from", "0", "--to", "0"}, "", 0,
         "\n0,28704.3,-4.604\n", "", "table with --r0 and --t0"},
        {{"temperature", "--fit", kVishay, "--model", "steinhart4", "10000.2"}, "", 0, "T(10000.2) = 25.00", "",
         "temperature --fit: Vishay's own row back to within 0.006 K"},
        {{"resistance", "--fit", kMurataFile, "--model", "beta", "--r0", "10k", "25"}, "", 3, "R(25) = 10000 Ω",
         "the beta model errs", "resistance --fit, R0 kept"},
        {{"table", "--fit", kMurataFile, "--from", "25", "--to", "25", "--format", "c"}, "", 0,
         "Model: steinhart least-squares fit of", "", "a fitted model in a C header's comment"},
        // The ADC's full scale: Marlin's temptable_5 reproduced count for count.
        {{"adc", "--pull-up", "4.7k", "--bits", "10", "--supply", "5", "--full-scale", "2^N-1", "--fit",
          std::string(NTC_CLI_DATA) + "/semitec_104gt2.csv", "--model", "steinhart4", "--from", "0", "--to", "300",
          "--step", "50", "--format", "marlin"},
         "", 0,
         "  { OV(  17), 300 },\n  { OV(  37), 250 },\n  { OV(  87), 200 },\n  { OV( 230), 150 },\n"
         "  { OV( 554), 100 },\n  { OV( 897),  50 },\n  { OV(1010),   0 }\n",
         "", "--full-scale 2^N-1"},
        {{"adc", "--pull-up", "4.7k", "--bits", "4", "--r25", "100k", "--beta", "4267", "--from", "0", "--to", "300",
          "--step", "50"},
         "", 3, "", "2 left out: 300, 0 °C", "rows on the rails named by temperature"},
        {{"adc", "--pull-up", "4.7k", "--bits", "12", "--r25", "100k", "--beta", "4267", "--format", "marlin"}, "", 2,
         "", "Marlin's tables hold 10-bit counts whatever the board's ADC", "why Marlin takes 10 bits"},
    };
    return all;
}

TEST(TableCommands, Table)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.guards);
        const Outcome o = runCli(c.args, c.input);
        EXPECT_EQ(o.status, c.status) << o.err;
        EXPECT_NE(o.out.find(c.outPart), std::string::npos) << o.out.substr(0, 600);
        if (c.errPart.empty()) {
            EXPECT_EQ(cli_test::withoutNotes(o.err), "");
        } else {
            EXPECT_NE(o.err.find(c.errPart), std::string::npos) << o.err;
        }
    }
}

} // namespace
