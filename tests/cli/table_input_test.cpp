// Tests of the one way in for every table: the header matched, the notes
// before it, a header that matches not explained as the file's dialect,
// files that cannot be read (the column names as datasheets write them are
// models/column_header's, tested there).
#include "cli/commands/command.h"
#include "cli/input/rt_file.h"
#include "cli/input/table_input.h"

#include <gtest/gtest.h>

#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<cli::WantedColumn> batchColumns()
{
    std::vector<cli::WantedColumn> wanted;
    for (const char* name : {"r1", "t1", "r2", "t2"})
        wanted.push_back({name, [name](std::string_view cell) { return cli::namesColumn(cell, name); }});
    return wanted;
}

TEST(TableInput, HeaderPlanFindsEachColumnOrTheFirstMissing)
{
    const auto wanted = batchColumns();
    const auto plan = cli::planHeader({"part", " T2", "R2", "t1", "R1"}, wanted);
    EXPECT_FALSE(plan.missing);
    EXPECT_EQ(plan.index, (std::vector<std::size_t>{4, 3, 2, 1}));
    EXPECT_EQ(cli::planHeader({"r1", "t1", "r2"}, wanted).missing, std::optional<std::size_t>(3));
}

// What a header read through the input module gives: its notes, its cells.
TEST(TableInput, NotesBeforeTheHeaderAndTheByteOrderMark)
{
    std::istringstream in("\xEF\xBB\xBF# from the datasheet, \"page 6\"\r\n\r\n#\nr1,t1\r\n10k,25\r\n");
    cli::CsvReader reader(in);
    cli::CsvRecord header;
    std::vector<std::string> notes;
    ASSERT_TRUE(cli::readHeader(reader, header, [&](const std::string& note) { notes.push_back(note); }));
    EXPECT_EQ(notes, (std::vector<std::string>{"\xEF\xBB\xBF# from the datasheet, \"page 6\"\r", "\r", "#"}));
    EXPECT_EQ(header.fields, (std::vector<std::string>{"r1", "t1"}));
    EXPECT_EQ(header.line, 4u);
    std::istringstream bom("\xEF\xBB\xBFr1,t1\n");
    cli::CsvReader bomReader(bom);
    ASSERT_TRUE(cli::readHeader(bomReader, header));
    EXPECT_EQ(header.fields[0], "r1");
    EXPECT_TRUE(header.raw.starts_with("\xEF\xBB\xBF"));
}

struct DialectCase {
    std::string header;
    std::string part;
    const char* guards;
};

const DialectCase kDialects[] = {
    {"part;r1;t1;r2;t2", "apart by semicolons", "European Excel"},
    {"\xEF\xBB\xBFpart;r1;t1;r2;t2", "apart by semicolons", "European Excel, CSV UTF-8"},
    {"part\tr1\tt1\tr2\tt2", "apart by tabs", "tab-separated"},
    {std::string("\xFF\xFEr\0" "1\0", 6), "is UTF-16 text", "UTF-16"},
    {"\xB5\xE7\xD7\xE8,t1", "line 1 is not UTF-8; it looks like GB18030", "GB18030 that does not"},
    {"r1,t1,r2,temp2", "the header names no column x", "a column missing"},
};

TEST(TableInput, AHeaderThatNamesNotEveryColumnIsExplained)
{
    cli::Session session{cli::messages(cli::Language::english), std::cin, std::cout, std::cerr};
    for (const DialectCase& c : kDialects) {
        SCOPED_TRACE(c.guards);
        std::istringstream in(c.header + "\n");
        cli::CsvReader reader(in);
        cli::CsvRecord header;
        ASSERT_TRUE(cli::readHeader(reader, header));
        const auto name = cli::inputName(session.m, "parts.csv");
        const std::string problem =
            cli::headerProblem(session.m, header, name, ',', batchColumns(), "the header names no column x");
        EXPECT_NE(problem.find(c.part), std::string::npos) << problem;
    }
}

TEST(TableInput, FilesThatCannotBeRead)
{
    std::istringstream empty;
    std::ostringstream out, err;
    cli::Session s{cli::messages(cli::Language::english), empty, out, err};
    const struct {
        std::string name;
        bool gb18030;
        std::string message;
    } cases[] = {
        {".", false, ". is a folder, not a file"},
        {"/nonexistent/table.csv", false, "cannot open /nonexistent/table.csv"},
        {std::string(NTC_CLI_DATA) + "/semitec_104gt2.csv", true, ""},
    };
    for (const auto& c : cases) {
        try {
            cli::InputFile input(s, c.name, c.gb18030);
            EXPECT_EQ(c.message, "") << c.name;
        } catch (const cli::UnreadableArgument& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
    std::istringstream notGb("\x81\x20");
    cli::Session bad{s.m, notGb, out, err};
    EXPECT_THROW(cli::InputFile(bad, "-", true), cli::UnreadableArgument);
}

} // namespace
