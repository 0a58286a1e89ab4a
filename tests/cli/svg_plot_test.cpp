// Tests of the pictures --plot draws, run as an engineer runs them: axes
// named with their units in the session's language, and a file that cannot
// be written named as a failure.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using cli_test::Outcome;
using cli_test::runCli;

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Each --plot writes a picture with its axes named, in the session's
// language; a file that cannot be written is a failure, named.
TEST(Plots, AxesWithUnitsInBothLanguages)
{
    const auto folder = std::filesystem::temp_directory_path() / ("ntc-plots-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder);
    const std::string data = std::string(NTC_MODELS_DATA) + "/murata_ncp15xh103.csv";
    const struct {
        std::vector<std::string> args;
        const char *english, *chinese;
    } cases[] = {
        {{"fit", data}, "Error (K)", "误差（K）"},
        {{"adc", "--fit", data, "--pull-up", "10k", "--bits", "12"}, "Resolution (°C per count)", "分辨率（每码 °C）"},
        {{"pullup", "--fit", data, "--bits", "12"}, "Fixed resistor (Ω)", "固定电阻（Ω）"},
        {{"budget", "--fit", data, "--pull-up", "10k", "--bits", "12", "--r25-tol", "1"}, "worst case (± worst_k)",
         "最坏情况（± worst_k）"},
    };
    for (const auto& c : cases)
        for (const auto language : {cli::Language::english, cli::Language::chinese}) {
            const auto file = folder / (c.args[0] + ".svg");
            std::vector<std::string> args = c.args;
            args.insert(args.end(), {"--plot", file.string()});
            const Outcome o = runCli(args, "", language);
            EXPECT_LE(o.status, 3) << o.err;
            const std::string svg = fileText(file);
            EXPECT_EQ(svg.rfind("<?xml", 0), 0u) << c.args[0];
            EXPECT_NE(svg.find(language == cli::Language::english ? c.english : c.chinese), std::string::npos)
                << c.args[0];
            EXPECT_NE(svg.find("</svg>"), std::string::npos);
        }
    const Outcome o = runCli({"fit", data, "--plot", (folder / "no-such-folder" / "x.svg").string()});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("cannot write the picture to"), std::string::npos) << o.err;
    std::filesystem::remove_all(folder);
}

} // namespace
