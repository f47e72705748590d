// zpxtool suggest and fill on a new construction of Thoreau's lines, and the
// refusals that leave the file as it was.

#include "support/RecordBuilder.h"
#include "support/ZpxtoolFixture.h"

#include "construct/WordTexts.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::ToolRun;

using AnswerTool = zpx::test::ZpxtoolFixture;

TEST_F(AnswerTool, SuggestListsCommonWordsWithTheWordsStart)
{
    const std::string file = save(zpx::test::newConstruction());
    const ToolRun run = runLine("suggest " + file + " B --limit 5");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines().size(), 5u);
    int level = 0;
    for (const std::string& line : run.lines()) {
        EXPECT_EQ(line[0], 'E') << line;  // hEnry
        const int shown = std::stoi(line.substr(line.find("\tlevel ") + 7));
        EXPECT_GE(shown, level) << line;
        level = shown;
    }
    EXPECT_EQ(runLine("suggest " + file + " X").err, "The puzzle has no acrostic word X.\n");
    EXPECT_EQ(runLine("suggest " + file + " B --limit 0").exitCode, 2);
    EXPECT_EQ(runLine("suggest " + file + " B --level 5").exitCode, 2);
}

TEST_F(AnswerTool, FillCompletesThePuzzleAndScanFindsNothing)
{
    const TPuzzleRecord before = zpx::test::newConstruction();
    const std::string file = save(before);
    const ToolRun fill = runLine("fill " + file + " --time-limit 20");
    ASSERT_EQ(fill.exitCode, 0) << fill.err;
    TPuzzleRecord after;
    loadPuzzleFile(path("p.zpx"), after);
    EXPECT_TRUE(isComplete(after));
    ASSERT_EQ(fill.lines().size(), 23u);
    for (int w = 1; w <= 23; ++w) {
        EXPECT_EQ(fill.lines()[w - 1], wordLabel(w) + " " + wordText(after, w));
        EXPECT_EQ(after.slotSquareRef(letterSlot(1, w)), before.slotSquareRef(letterSlot(1, w)));
    }
    EXPECT_EQ(runLine("scan " + file).out, "No Matches Found\n");

    // Complete now: nothing to suggest, nothing to fill, nothing written.
    EXPECT_EQ(runLine("suggest " + file + " A").exitCode, 1);
    const std::string image = readText(path("p.zpx"));
    const ToolRun again = runLine("fill " + file);
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.err, "Every acrostic word is complete.\n");
    EXPECT_EQ(readText(path("p.zpx")), image);
}

TEST_F(AnswerTool, LettersNoWordsCanUseAreRefusedAndTheFileKept)
{
    const std::string file = save(zpx::test::newConstruction("Zzz xxx zzz qqq", "ZX"));
    const std::string image = readText(path("p.zpx"));
    const ToolRun fill = runLine("fill " + file);
    EXPECT_EQ(fill.exitCode, 1);
    EXPECT_EQ(fill.err, "No fill exists: the free letters cannot all be used in words of the list.\n");
    EXPECT_TRUE(fill.out.empty());
    EXPECT_EQ(readText(path("p.zpx")), image);
    EXPECT_EQ(runLine("fill " + file + " --time-limit soon").exitCode, 2);
}
