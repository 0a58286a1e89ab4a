// Tests of the workbench's answers to the page's script: the JSON it reads
// back exactly, the table's checks named as the page words them, and the
// ADC table's and the design view's refusals. The page's numbers against
// ntc-beta-cli's are the browser tests' (tests/ui/web/workbench.test.js).
#include "ui/web/workbench/json_writer.h"
#include "ui/web/workbench/workbench.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using workbench::JsonWriter;

TEST(Workbench, JsonReadsBackAsWritten)
{
    const struct {
        double value;
        const char* text;
    } numbers[] = {{0.1, "0.1"}, {1e21, "1e+21"}, {-2.5e-7, "-2.5e-07"}, {3415.64467232579, "3415.64467232579"},
                   {std::nan(""), "null"}, {std::numeric_limits<double>::infinity(), "null"}};
    for (const auto& n : numbers) EXPECT_EQ(JsonWriter().value(n.value).text(), n.text) << n.text;
    JsonWriter json;
    json.beginObject().field("cell", "a\"b\\c\n\x01").key("list").beginArray().value(1.0).value(true).endArray().endObject();
    EXPECT_EQ(json.text(), R"({"cell":"a\"b\\c\u000a\u0001","list":[1,true]})");
}

TEST(Workbench, SettingsAreNameValueLines)
{
    const auto settings = workbench::settingsOf("model=beta\nr0=10k\n\nnot a setting\nfrom=");
    EXPECT_EQ(settings.at("model"), "beta");
    EXPECT_EQ(settings.at("r0"), "10k");
    EXPECT_EQ(settings.at("from"), "");
    EXPECT_EQ(settings.size(), 3u);
}

// What each faulty table gives, as the page reads it: the refusal's kind
// and the lines it names.
TEST(Workbench, AFaultyTableIsRefusedByItsLines)
{
    const struct {
        const char* table;
        const char* expected;
    } cases[] = {
        {"T,R\n0,32650\n25,10000\n25,9000\n50,3603\n", R"("kind":"repeatedTemperature","row":{"line":4)"},
        // 3603 Ω at 50 °C with an extra zero.
        {"T,R\n0,32650\n25,10000\n50,36030\n75,1481\n", R"("kind":"notFalling","row":{"line":4)"},
        {"T,R\n0,32650\n25,abc\n", R"("problems":[{"kind":"unreadableResistance","line":3,"cell":"abc"}])"},
        {"T,R\n273.15,32650\n298.15,10000\n323.15,3603\n", R"("kind":"kelvin","column":"T","low":"273.15","high":"323.15")"},
        {"T,R\n0,32650\n25,10000\n", R"("kind":"tooFewRows","distinct":2,"needed":3)"},
        {"", R"("kind":"noRows")"},
    };
    for (const auto& c : cases) {
        const std::string answer = workbench::fitJson(c.table, {}, "t.csv");
        EXPECT_NE(answer.find(c.expected), std::string::npos) << c.table << "\n" << answer;
        EXPECT_EQ(answer.find("\"fit\""), std::string::npos) << c.table;
    }
}

TEST(Workbench, TheAdcTablesRefusals)
{
    // No fit yet (a refused one is none), a bound finer than the format
    // stores, Marlin's tables on other bits, a settings value that does not read.
    workbench::fitJson("", {}, "");
    EXPECT_NE(workbench::adcJson({{"fixed", "4.7k"}}).find(R"("error":"noFit")"), std::string::npos);
    const workbench::Settings beta{{"model", "beta"}, {"r0", "10k"}, {"beta", "3950"}, {"fixed", "4.7k"}, {"bits", "12"}};
    const auto with = [&beta](const workbench::Settings& changes) {
        workbench::Settings settings = changes;
        settings.insert(beta.begin(), beta.end()); // keeps the changed values
        return settings;
    };
    EXPECT_NE(workbench::adcJson(with({{"maxerror", "0.04"}, {"format", "c"}})).find(R"("error":"maxErrorTooFine","step":"0.1")"),
              std::string::npos);
    EXPECT_EQ(workbench::adcJson(with({{"format", "marlin"}})).find("error"), std::string::npos);
    EXPECT_NE(workbench::adcOutputJson().find(R"("error":"marlinBits")"), std::string::npos);
    EXPECT_EQ(workbench::adcJson(with({{"fixed", "4k7"}})), R"({"unreadable":"fixed"})");
    EXPECT_EQ(workbench::adcOutputJson(), "{}") << "no table is kept from settings that do not read";
}

TEST(Workbench, AFirmwareIsNotToldOfACircuitItCannotHold)
{
    workbench::Settings settings{{"model", "beta"}, {"r0", "100k"}, {"beta", "3950"}, {"fixed", "4.7k"},
                                 {"parallel", "1M"}, {"format", "klipper"}};
    workbench::adcJson(settings);
    EXPECT_NE(workbench::adcOutputJson().find(R"("error":"circuit","feature":"parallelResistor")"), std::string::npos);
    settings.erase("parallel");
    settings["side"] = "down";
    settings["format"] = "reprap";
    workbench::adcJson(settings);
    EXPECT_NE(workbench::adcOutputJson().find(R"("error":"circuit","feature":"thermistorToSupply")"), std::string::npos);
}

TEST(Workbench, TheDesignViewNeedsAReferenceForItsTolerance)
{
    const std::string answer = workbench::designJson(
        {{"model", "beta"}, {"r0", "10k"}, {"beta", "3435"}, {"fixed", "10k"}, {"vreftol", "1"}});
    EXPECT_NE(answer.find(R"("budget":{"error":"vrefTolNeedsVref"})"), std::string::npos) << answer;
    EXPECT_EQ(workbench::designJson({{"model", "beta"}, {"r0", "10k"}, {"beta", "3435"}, {"fixed", "10k"},
                                     {"r25tol", "-1"}}),
              R"({"unreadable":"r25tol"})");
}

} // namespace
