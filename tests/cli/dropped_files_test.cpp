// Files dragged onto ntc-beta-cli.exe: which arguments are dropped files,
// the name the results get beside each, and the batch into a new file that
// never replaces one.
#include "cli/dropped_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path u8(const char8_t* text)
{
    return fs::path(std::u8string(text));
}

// ---------------------------------------------------------------------------
// The results' name: "-B" after the input's name, then " (2)", " (3)" for
// names already taken.
struct NameCase {
    const char8_t* input;
    std::vector<const char8_t*> taken;
    const char8_t* result;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    const std::u8string input(c.input);
    *out << std::string(input.begin(), input.end());
}

class ResultPathFor : public testing::TestWithParam<NameCase> {};

TEST_P(ResultPathFor, TakesTheFirstFreeName)
{
    const NameCase& c = GetParam();
    const fs::path folder = u8(u8"readings");
    std::set<fs::path> taken;
    for (const char8_t* name : c.taken) taken.insert(folder / u8(name));
    const fs::path result =
        cli::resultPathFor(folder / u8(c.input), [&taken](const fs::path& p) { return taken.count(p) > 0; });
    EXPECT_EQ(result, folder / u8(c.result));
}

INSTANTIATE_TEST_SUITE_P(Table, ResultPathFor, testing::Values(
    NameCase{u8"parts.csv", {}, u8"parts-B.csv"},
    NameCase{u8"parts.csv", {u8"parts-B.csv"}, u8"parts-B (2).csv"},
    NameCase{u8"parts.csv", {u8"parts-B.csv", u8"parts-B (2).csv"}, u8"parts-B (3).csv"},
    NameCase{u8"parts.csv", {u8"parts-B (2).csv"}, u8"parts-B.csv"},
    NameCase{u8"oven.2024.txt", {}, u8"oven.2024-B.txt"},
    NameCase{u8"readings", {}, u8"readings-B"},
    NameCase{u8"热敏电阻 数据.csv", {u8"热敏电阻 数据-B.csv"}, u8"热敏电阻 数据-B (2).csv"}));

// ---------------------------------------------------------------------------
// Dropped files: full paths after the program's name, and nothing else.
struct ArgumentsCase {
    std::vector<std::string> arguments; // "FULL" stands for a full path
    bool dropped;
};

void PrintTo(const ArgumentsCase& c, std::ostream* out)
{
    *out << testing::PrintToString(c.arguments);
}

class AreDroppedFiles : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(AreDroppedFiles, OnlyFullPaths)
{
    const std::u8string full = (fs::temp_directory_path() / "parts.csv").u8string();
    std::vector<std::string> texts{"ntc-beta-cli"};
    for (const std::string& a : GetParam().arguments)
        texts.push_back(a == "FULL" ? std::string(full.begin(), full.end()) : a);
    std::vector<char*> argv;
    for (std::string& t : texts) argv.push_back(t.data());
    argv.push_back(nullptr);
    EXPECT_EQ(cli::areDroppedFiles(int(texts.size()), argv.data()), GetParam().dropped);
}

INSTANTIATE_TEST_SUITE_P(Table, AreDroppedFiles, testing::Values(
    ArgumentsCase{{}, false},
    ArgumentsCase{{"FULL"}, true},
    ArgumentsCase{{"FULL", "FULL"}, true},
    ArgumentsCase{{"parts.csv"}, false},
    ArgumentsCase{{"beta", "FULL"}, false},
    ArgumentsCase{{"FULL", "--help"}, false}));

// ---------------------------------------------------------------------------
// The batch on a dropped file, in a folder of the test's own. B25/100 of
// 10k and 1k by hand: ln 10 / (1/298.15 − 1/373.15) = 3415.64467232579 K.
constexpr const char* kReadings = "part,r1,t1,r2,t2\r\nA,10k,25,1k,100\r\n";
constexpr const char* kResults = "part,r1,t1,r2,t2,b,b_name\r\nA,10k,25,1k,100,3415.64467232579,B25/100\r\n";

struct DropCase {
    const char* name;
    const char* dropped;   // what the dropped file holds; nullptr: it is a folder
    std::vector<const char*> before; // files of that folder before the drop, each holding "keep"
    const char* written;   // the new file, nullptr for none
    const char* results;
    int status;
};

std::string contents(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

void PrintTo(const DropCase& c, std::ostream* out)
{
    *out << c.name;
}

class RunDroppedFiles : public testing::TestWithParam<DropCase> {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("ntc-beta-drop-" + std::string(GetParam().name));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_P(RunDroppedFiles, WritesANewFileBesideIt)
{
    const DropCase& c = GetParam();
    const fs::path dropped = folder_ / "parts.csv";
    if (c.dropped) std::ofstream(dropped, std::ios::binary) << c.dropped;
    else fs::create_directory(dropped);
    for (const char* name : c.before) std::ofstream(folder_ / name, std::ios::binary) << "keep";
    std::set<std::string> expected = namesIn(folder_);
    if (c.written) expected.insert(c.written);

    std::ostringstream err;
    const std::u8string path = dropped.u8string();
    EXPECT_EQ(cli::runDroppedFiles({std::string(path.begin(), path.end())}, err, cli::Language::english), c.status);

    EXPECT_EQ(namesIn(folder_), expected) << err.str();
    if (c.written) {
        EXPECT_EQ(contents(folder_ / c.written), c.results);
        EXPECT_NE(err.str().find(std::string("Written beside it: ") + c.written), std::string::npos) << err.str();
    }
    if (c.dropped) {
        EXPECT_EQ(contents(dropped), c.dropped) << "the dropped file changed";
    }
    for (const char* name : c.before) EXPECT_EQ(contents(folder_ / name), "keep") << name << " was written over";
    EXPECT_NE(err.str().find("--help"), std::string::npos) << "says how else to use the program";
}

INSTANTIATE_TEST_SUITE_P(Table, RunDroppedFiles, testing::Values(
    DropCase{"fresh", kReadings, {}, "parts-B.csv", kResults, 0},
    DropCase{"taken", kReadings, {"parts-B.csv", "parts-B (2).csv"}, "parts-B (3).csv", kResults, 0},
    // A Chinese Excel's CSV, GB18030 ("备注", "测试"): read as such and written back
    // in GB18030, which is what that Excel opens.
    DropCase{"gb18030", "r1,t1,r2,t2,\xB1\xB8\xD7\xA2\r\n10k,25,1k,100,\xB2\xE2\xCA\xD4\r\n", {}, "parts-B.csv",
             "r1,t1,r2,t2,\xB1\xB8\xD7\xA2,b,b_name\r\n10k,25,1k,100,\xB2\xE2\xCA\xD4,3415.64467232579,B25/100\r\n", 0},
    // No r1..t2 header: the batch's diagnosis, and no empty file left.
    DropCase{"no_header", "a,b\r\n1,2\r\n", {}, nullptr, "", 2},
    DropCase{"folder", nullptr, {}, nullptr, "", 2}),
    [](const testing::TestParamInfo<DropCase>& info) { return std::string(info.param.name); });

} // namespace
