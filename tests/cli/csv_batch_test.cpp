// Tests of `beta --csv`, B for every row of a CSV stream, driven in-process
// through cli::run: the round trip keeps the columns and line ends, bad rows
// are named with their lines and the rest goes through, GB18030 comes back
// in GB18030.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cli_test::Outcome;
using cli_test::runCli;

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
        input.append("P").append(std::to_string(line)).append(line == 12 ? ",\"10k" : ",10k").append(",25,1k,100\n");
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

// A batch read as GB18030 comes back in GB18030: "r1,t1,r2,t2,备注" and
// "10k,25℃,1k,100℃,测试" in Chinese Excel's encoding.
TEST(CsvBatch, Gb18030ComesBackInGb18030)
{
    const std::string input = "r1,t1,r2,t2,\xB1\xB8\xD7\xA2\r\n10k,25\xA1\xE6,1k,100\xA1\xE6,\xB2\xE2\xCA\xD4\r\n";
    const Outcome o = runCli({"beta", "--csv", "-", "--encoding", "gb18030"}, input);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "r1,t1,r2,t2,\xB1\xB8\xD7\xA2,b,b_name\r\n"
                     "10k,25\xA1\xE6,1k,100\xA1\xE6,\xB2\xE2\xCA\xD4,3415.64467232579,B25/100\r\n");
}

} // namespace
