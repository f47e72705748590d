#include "support/RecordBuilder.h"
#include "support/ZpxtoolFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <vector>

namespace fs = std::filesystem;
using namespace zpx;

namespace {

using Zpxtool = test::ZpxtoolFixture;
using RunResult = test::ToolRun;

// The first lines of the "answers" array as the tool prints them.
std::string answersOpening(const std::vector<std::string>& rows)
{
    std::string text = "\"answers\": [\n";
    for (std::size_t i = 0; i < rows.size(); ++i)
        text += "    \"" + rows[i] + (i + 1 < rows.size() ? "\",\n" : "\"");
    return text;
}

}  // namespace

TEST_F(Zpxtool, ExitCodesTellSuccessRefusalAndMisuse)
{
    const std::string quote = file("quote.txt", "Don't stop me now,\nI'm having such a good time.\n");
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({"frobnicate"}).exitCode, 2);
    const RunResult help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("info FILE.zpx"), std::string::npos);
    const RunResult version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("zpxtool [0-9]+\\.[0-9]+\n"))) << version.out;

    EXPECT_EQ(run({"new", "--quote-file", quote, path("a.zpx")}).exitCode, 2);
    EXPECT_EQ(run({"new", "--quote-file", quote, "--author", "DION"}).exitCode, 2);
    EXPECT_EQ(run({"new", "--quote-file", quote, "--author", "DION", "--size", "9x8", path("a.zpx")}).exitCode, 2);
    EXPECT_EQ(run({"new", "--quote-file", quote, "--author", "DION", "--size", "ten", path("a.zpx")}).exitCode, 2);
    EXPECT_EQ(run({"new", "--quote-file", quote, "--author", "DION", "--seed", "-1", path("a.zpx")}).exitCode, 2);
    const RunResult misuse = run({"new", "--quote", quote, "--author", "DION", path("a.zpx")});
    EXPECT_EQ(misuse.exitCode, 2);
    EXPECT_NE(misuse.err.find("usage: zpxtool new"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("a.zpx")));

    RunResult refused = run({"new", "--quote-file", quote, "--author", "Queen", path("a.zpx")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "The Author-Title line contains the letter Q that does not appear in the "
                           "Quotation. Please correct the Author-Title line or cancel construction.\n");
    refused = run({"new", "--quote-file", quote, "--author", "DION", "--size", "31x20", path("a.zpx")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("372 squares"), std::string::npos);
    refused = run({"new", "--quote-file", file("empty.txt", ""), "--author", "DION", path("a.zpx")});
    EXPECT_EQ(refused.err, "Please Input the Source Quotation!\n");
    refused = run({"new", "--quote-file", quote, "--author", "", path("a.zpx")});
    EXPECT_EQ(refused.err, "Please Input the Author-Title Line!\n");
    EXPECT_EQ(run({"new", "--quote-file", path("missing.txt"), "--author", "D", path("a.zpx")}).exitCode, 1);
    EXPECT_EQ(run({"new", "--quote-file", dir.string(), "--author", "D", path("a.zpx")}).exitCode, 1);
    EXPECT_FALSE(fs::exists(path("a.zpx")));

    EXPECT_EQ(run({"new", "--quote-file", quote, "--author", "Dion", path("a.zpx")}).exitCode, 0);
    EXPECT_EQ(fs::file_size(path("a.zpx")), PuzzleFileSize);
    EXPECT_EQ(run({"info", path("a.zpx")}).exitCode, 0);
    EXPECT_EQ(run({"info"}).exitCode, 2);
    EXPECT_EQ(run({"info", path("a.zpx"), path("a.zpx")}).exitCode, 2);
}

TEST_F(Zpxtool, NewLaysTheQuotationAndInfoShowsIt)
{
    const std::string quote = file("quote.txt", "Don't stop me now,\r\nI'm having such a good time.\r\n");
    ASSERT_EQ(run({"new", "--quote-file", quote, "--author", "Dion", "--seed", "5", path("a.zpx")}).exitCode, 0);
    TPuzzleRecord record;
    loadPuzzleFile(path("a.zpx"), record);

    const RunResult info = run({"info", path("a.zpx")});
    ASSERT_EQ(info.exitCode, 0);
    EXPECT_NE(info.out.find("\"width\": 10,\n  \"height\": 8,"), std::string::npos);
    EXPECT_NE(info.out.find(answersOpening({"#####DONT#", "STOP#ME#NO", "WIM#HAVING", "#SUCH#A#GO",
                                            "OD#TIME###", "##########"})),
              std::string::npos)
        << info.out;
    EXPECT_NE(info.out.find("\"entries\": [\n    \"#####....#\",\n    \"....#..#..\","), std::string::npos);
    std::string words = "\"words\": [";
    for (int w = 1; w <= 4; ++w)
        words += "\n    [" + std::to_string(record.slotSquareRef(letterSlot(1, w))) + "],";
    EXPECT_NE(info.out.find(words + "\n    [],"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("\"complete\": false\n}\n"), std::string::npos);

    // The same seed makes the same file; a manual size is taken as given.
    ASSERT_EQ(run({"new", "--quote-file", quote, "--author", "Dion", "--seed", "5", path("b.zpx")}).exitCode, 0);
    EXPECT_EQ(readText(path("a.zpx")), readText(path("b.zpx")));
    ASSERT_EQ(run({"new", "--quote-file", quote, "--author=Dion", "--size", "31x12", path("c.zpx")}).exitCode, 0);
    loadPuzzleFile(path("c.zpx"), record);
    EXPECT_EQ(record.GridWidth, 31);
    EXPECT_EQ(record.GridHeight, 12);
}

TEST_F(Zpxtool, InfoPrintsEveryFieldOfAHandBuiltRecord)
{
    TPuzzleRecord record;
    resetPuzzle(record, 2, 2);
    record.answer(1, 1) = 'A';
    record.answer(2, 1) = FilledAnswer;
    record.squareSlot(2, 1) = FilledSlot;
    record.answer(1, 2) = 0;
    record.answer(2, 2) = 0xC9;  // É
    record.entry(1, 1) = 'Q';
    record.entry(2, 1) = 'Z';    // ignored under a filled square
    record.squareSlot(1, 1) = 102;
    record.setSlotSquare(102, 101);
    record.setSlotSquare(302, 202);
    record.setSlotSquare(502, 103);  // row 3 is outside the grid
    record.setSlotSquare(602, 301);  // column 3 too
    record.setSlotSquare(130, 102);
    record.Clues[0].assign("Say \"hi\"\\\t\x01");
    record.Clues[29].assign("Caf\xE9 \x80");
    record.Byline.assign("by \x93Me\x94");
    savePuzzleFile(path("hand.zpx"), record);

    const RunResult info = run({"info", path("hand.zpx")});
    ASSERT_EQ(info.exitCode, 0);
    std::string expected = "{\n  \"width\": 2,\n  \"height\": 2,\n"
                           "  \"answers\": [\n    \"A#\",\n    \".\xC3\x89\"\n  ],\n"
                           "  \"entries\": [\n    \"Q#\",\n    \"..\"\n  ],\n"
                           "  \"words\": [\n    [],\n    [101, 0, 202],";
    for (int w = 3; w <= 29; ++w)
        expected += "\n    [],";
    expected += "\n    [102]\n  ],\n  \"clues\": [\n    \"Say \\\"hi\\\"\\\\\\t\\u0001\",";
    for (int w = 2; w <= 29; ++w)
        expected += "\n    \"\",";
    expected += "\n    \"Caf\xC3\xA9 \xE2\x82\xAC\"\n  ],\n"
                "  \"byline\": \"by \xE2\x80\x9CMe\xE2\x80\x9D\",\n  \"complete\": false\n}\n";
    EXPECT_EQ(info.out, expected);
}

TEST_F(Zpxtool, SavedPuzzleLoadsAndSavesToTheSameBytes)
{
    const std::string quote = file("quote.txt", std::string(200, 'E') + " THE END");
    ASSERT_EQ(run({"new", "--quote-file", quote, "--author", "The End", "--seed", "1", path("a.zpx")}).exitCode, 0);
    TPuzzleRecord record;
    loadPuzzleFile(path("a.zpx"), record);
    savePuzzleFile(path("again.zpx"), record);
    EXPECT_EQ(readText(path("a.zpx")), readText(path("again.zpx")));
}

TEST_F(Zpxtool, InfoRefusesWhatIsNotAPuzzle)
{
    TPuzzleRecord record;
    resetPuzzle(record, 10, 8);
    const PuzzleImage image = encodeRecord(record);
    const std::string shortFile = file("short.zpx", std::string(image.begin(), image.end() - 1));
    const std::string exactFile = file("exact.zpx", std::string(image.begin(), image.end()));
    std::string badSize(image.begin(), image.end());
    badSize[0] = 40;
    const std::string corrupt = "Puzzle not in Zephyrtrace format or is corrupt.\n";
    const std::pair<std::string, std::string> refusals[] = {
        {shortFile, corrupt},
        {file("bad.zpx", badSize), corrupt},
        {path("missing.zpx"), corrupt + "The file does not exist.\n"},
    };
    for (const auto& [refused, message] : refusals) {
        const RunResult info = run({"info", refused});
        EXPECT_EQ(info.exitCode, 1) << refused;
        EXPECT_EQ(info.err, message);
        EXPECT_TRUE(info.out.empty());
    }
    EXPECT_EQ(run({"info", exactFile}).exitCode, 0);
}

TEST_F(Zpxtool, CluesPrintsTheSolveModeListInUtf8)
{
    TPuzzleRecord record = test::gridRecord({"APPLE#PIE"});
    test::placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    test::placeWord(record, 2, {{7, 1}, {8, 1}, {9, 1}});
    record.Clues[0].assign("Caf\xE9 fruit");
    record.Clues[2].assign("Gap");
    record.entry(2, 1) = 'P';
    savePuzzleFile(path("clues.zpx"), record);
    const RunResult clues = run({"clues", path("clues.zpx")});
    EXPECT_EQ(clues.exitCode, 0);
    EXPECT_EQ(clues.out, "Caf\u00E9 fruit     __ P __ __ __ \nGap     \n");
    EXPECT_EQ(run({"clues", file("short.zpx", "x")}).exitCode, 1);
}
