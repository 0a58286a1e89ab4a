// Tests of the batch's block reading and its quick reading of plain numbers.
#include "cli/input/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& text, std::size_t blockSize)
{
    std::istringstream in(text);
    cli::LineSource source(in, blockSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (source.peek(line)) {
        lines.emplace_back(line);
        source.take();
    }
    return lines;
}

struct LinesCase {
    std::string text;
    std::vector<std::string> lines;
    const char* guards;
};

const LinesCase kLines[] = {
    {"", {}, "an empty text has no line"},
    {"\n", {""}, "one empty line"},
    {"ab,c\nde\n", {"ab,c", "de"}, "the last line end ends no further line"},
    {"ab,c\nde", {"ab,c", "de"}, "a last line without its line end"},
    {"a\r\n\r\nb\r\n", {"a\r", "\r", "b\r"}, "CR LF: the CR stays for the reader to see"},
    {"\n\nx\n\n", {"", "", "x", ""}, "blank lines kept"},
    {std::string(20, 'x') + "\n" + std::string(45, 'y'), {std::string(20, 'x'), std::string(45, 'y')},
     "lines longer than the block, the last without a line end"},
};

TEST(LineSource, EveryLineWhereverTheBlockEnds)
{
    for (const LinesCase& c : kLines) {
        // Blocks that cut lines at every place, and one that holds all.
        for (std::size_t block : {1u, 2u, 3u, 7u, 64u}) {
            SCOPED_TRACE(std::string(c.guards) + ", block " + std::to_string(block));
            EXPECT_EQ(linesOf(c.text, block), c.lines);
        }
    }
}

TEST(LineSource, PeekLeavesTheLineInPlace)
{
    std::istringstream in("one\ntwo\n");
    cli::LineSource source(in, 2);
    std::string_view line;
    ASSERT_TRUE(source.peek(line));
    ASSERT_TRUE(source.peek(line));
    EXPECT_EQ(line, "one");
    source.take();
    ASSERT_TRUE(source.peek(line));
    EXPECT_EQ(line, "two");
}

TEST(SplitCells, Table)
{
    std::vector<std::string_view> cells;
    const struct {
        const char* text;
        std::vector<std::string_view> cells;
    } cases[] = {{"", {""}}, {"a", {"a"}}, {"a,,b,", {"a", "", "b", ""}}, {",", {"", ""}}};
    for (const auto& c : cases) {
        cli::splitCells(c.text, ',', cells);
        EXPECT_EQ(cells, c.cells) << c.text;
    }
}

} // namespace
