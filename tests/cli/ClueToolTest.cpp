// zpxtool clue, defs and byline: texts in and out of the record as UTF-8,
// refused whole when they cannot be kept or pass the record's 80 characters.

#include "support/RecordBuilder.h"
#include "support/ZpxtoolFixture.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::ToolRun;

namespace {

class ClueTool : public test::ZpxtoolFixture {
protected:
    // Words A "APPLE" and B "PIE"; B's clue is stored already.
    std::string puzzle()
    {
        TPuzzleRecord record = test::gridRecord({"APPLE#PIE"});
        test::placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
        test::placeWord(record, 2, {{7, 1}, {8, 1}, {9, 1}});
        record.Clues[1].assign("Baked dish");
        save(record);
        return path("p.zpx");
    }
};

const std::string Typographic = "\xE2\x80\x9C" "Caf\xC3\xA9 cr\xC3\xA8me\xE2\x80\x9D \xE2\x80\x93 \xC2\xA9 1854";

}  // namespace

TEST_F(ClueTool, TextsRoundTripAndTheDefinitionsListShowsThem)
{
    const std::string file = puzzle();
    EXPECT_EQ(run({"clue", file, "B"}).out, "Baked dish\n");
    EXPECT_EQ(run({"clue", file, "A", Typographic}).exitCode, 0);
    EXPECT_EQ(run({"clue", file, "A"}).out, Typographic + "\n");
    EXPECT_EQ(run({"byline", file, "Zo\xC3\xAB O\xE2\x80\x99Hara \xC2\xA9"}).exitCode, 0);
    EXPECT_EQ(run({"byline", file}).out, "Zo\xC3\xAB O\xE2\x80\x99Hara \xC2\xA9\n");
    EXPECT_EQ(run({"defs", file}).lines(),
              (std::vector<std::string>{"A. " + Typographic + "  | APPLE", "B. Baked dish  | PIE"}));

    // 80 characters fit, in a clue and in the byline alike.
    run({"clue", file, "B", std::string(80, 'x')});
    run({"byline", file, std::string(80, 'y')});
    EXPECT_EQ(run({"clue", file, "B"}).out, std::string(80, 'x') + "\n");
    EXPECT_EQ(run({"byline", file}).out, std::string(80, 'y') + "\n");
}

TEST_F(ClueTool, RefusedTextsAndWordsLeaveTheFileAsItWas)
{
    const std::string file = puzzle();
    const std::string before = readText(file);
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } refused[] = {
        {{"clue", file, "A", "left \xE2\x86\x90 right"}, 1},
        {{"clue", file, "C", "No such word"}, 1},
        {{"clue", file, "ee", "Not a label"}, 2},
        {{"byline", file, "\xF0\x9F\x98\x80 smile"}, 1},
        {{"clue", file, "A", std::string(81, 'x')}, 1},
        {{"byline", file, std::string(80, 'x') + "\xC3\xA9"}, 1},
        {{"clue", file}, 2},
    };
    for (const auto& [args, exitCode] : refused) {
        const ToolRun result = run(args);
        EXPECT_EQ(result.exitCode, exitCode) << args.back();
        EXPECT_FALSE(result.err.empty()) << args.back();
        EXPECT_EQ(readText(file), before) << args.back();
    }
    EXPECT_EQ(run({"clue", file, "C"}).err, "The puzzle has no acrostic word C.\n");
    EXPECT_EQ(run({"defs", path("missing.zpx")}).exitCode, 1);
}

TEST_F(ClueTool, StoringATextKeepsTheSolversProgress)
{
    const std::string file = puzzle();
    TPuzzleRecord record;
    SolvingProgress progress;
    loadPuzzleFile(file, record, progress);
    progress.reveal({2, 1});
    progress.secondsSpent = 90;
    savePuzzleFile(file, record, progress);
    for (const std::vector<std::string>& store : {std::vector<std::string>{"clue", file, "A", "Fruit"},
                                                 std::vector<std::string>{"byline", file, "Anon"}}) {
        EXPECT_EQ(run(store).exitCode, 0);
        SolvingProgress kept;
        loadPuzzleFile(file, record, kept);
        EXPECT_EQ(kept, progress) << store[0];
    }
}
