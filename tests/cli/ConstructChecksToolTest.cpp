// zpxtool letters, scan and analyze: the letters distribution, the grid scan
// and the puzzle analysis of a puzzle file, as the windows show them.

#include "support/RecordBuilder.h"
#include "support/ZpxtoolFixture.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;
using zpx::test::ToolRun;

using ConstructChecksTool = zpx::test::ZpxtoolFixture;

TEST_F(ConstructChecksTool, FreshPuzzleHasEveryWordUnfilledAndNoMatches)
{
    std::ofstream(dir / "quote.txt") << "Don't stop me now, I'm having such a good time.\n";
    ASSERT_EQ(runLine("new --quote-file '" + (dir / "quote.txt").string() + "' --author Dion '" +
                  (dir / "n.zpx").string() + "'")
                  .exitCode,
              0);
    const std::string file = "'" + (dir / "n.zpx").string() + "'";
    const ToolRun letters = runLine("letters " + file);
    ASSERT_EQ(letters.exitCode, 0);
    ASSERT_EQ(letters.lines().size(), 27u);
    EXPECT_EQ(letters.lines()[0], "A- 2");   // hAving, A
    EXPECT_EQ(letters.lines()[1], "B- 0");
    EXPECT_EQ(letters.lines()[25], "Z- 0");
    // 34 quotation letters (13 vowels) less the first letters D, I, O, N.
    EXPECT_EQ(letters.lines()[26],
              "4 unfilled acrostic words  /    11 vowels  +  19 consonants  =  30 remaining letters");
    EXPECT_EQ(runLine("scan " + file).lines(), std::vector<std::string>({"No Matches Found"}));
}

TEST_F(ConstructChecksTool, ScanListsSortedLinesOnce)
{
    TPuzzleRecord record = gridRecord({"WATER#STONE", "THE#ABCDEFG"});
    placeWord(record, 3, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    placeWord(record, 28, {{7, 1}, {8, 1}, {9, 1}, {10, 1}, {11, 1}});
    placeWord(record, 1, {{1, 2}, {5, 2}});
    const std::string file = save(record);
    const ToolRun scan = runLine("scan " + file);
    EXPECT_EQ(scan.exitCode, 0);
    EXPECT_EQ(scan.lines(), std::vector<std::string>({"bb.STONE", "C.WATER"}));
}

TEST_F(ConstructChecksTool, AnalyzePrintsTheFiguresAndTexts)
{
    std::vector<std::string> rows(8, "##########");
    rows[0] = "ACROSTICAL";
    TPuzzleRecord record = gridRecord(rows);
    placeWord(record, 1, {{1, 1}});
    const ToolRun analysis = runLine("analyze " + save(record));
    EXPECT_EQ(analysis.exitCode, 0);
    EXPECT_EQ(analysis.lines(), std::vector<std::string>({
                                  "Quotation Grid Size: 10\u00D78",
                                  "Total Word Count: 1",
                                  "Total Letters: 10",
                                  "Author-Title Length: 1 / 10",
                                  "ACROSTICAL",
                                  "A" + std::string(30, ' '),
                              }));
}

TEST_F(ConstructChecksTool, UnreadableFilesAreRefused)
{
    std::ofstream(dir / "short.zpx") << "too short";
    for (const char* command : {"letters", "scan", "analyze"}) {
        const ToolRun refused = runLine(std::string(command) + " '" + (dir / "short.zpx").string() + "'");
        EXPECT_EQ(refused.exitCode, 1) << command;
        EXPECT_EQ(refused.err, "Puzzle not in Zephyrtrace format or is corrupt.\n") << command;
        EXPECT_TRUE(refused.lines().empty()) << command;
        EXPECT_EQ(runLine(command).exitCode, 2) << command;
    }
}
