// zpxtool score: the score card's verdict and the squares Show Errors crosses.

#include "support/RecordBuilder.h"
#include "support/ZpxtoolFixture.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::ToolRun;

namespace {

class ScoreTool : public test::ZpxtoolFixture {
protected:
    // "DOG#" / "#CAT" with the given entries typed row by row, '.' for an empty square.
    std::string puzzleWith(const std::string& row1, const std::string& row2)
    {
        TPuzzleRecord record = test::gridRecord({"DOG#", "#CAT"});
        const std::string rows[] = {row1, row2};
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 4; ++c)
                record.entry(c, r) = rows[r - 1][c - 1] == '.' ? 0 : static_cast<std::uint8_t>(rows[r - 1][c - 1]);
        return save(record);
    }
};

}  // namespace

TEST_F(ScoreTool, PrintsTheVerdictAndTheWrongSquaresRowByRow)
{
    const struct {
        const char* row1;
        const char* row2;
        const char* json;
    } cases[] = {
        {"DOG.", ".CAT", "{\"correct\": true, \"errors\": [], \"cheated\": false}\n"},
        {"DOG.", ".CA.", "{\"correct\": false, \"errors\": [[4, 2]], \"cheated\": false}\n"},
        {"BOX.", ".CUT", "{\"correct\": false, \"errors\": [[1, 1], [3, 1], [3, 2]], \"cheated\": false}\n"},
    };
    for (const auto& [row1, row2, json] : cases) {
        const ToolRun score = runLine("score " + puzzleWith(row1, row2));
        EXPECT_EQ(score.exitCode, 0) << row1 << row2;
        EXPECT_EQ(score.out, json);
    }
    EXPECT_NE(runLine("--help").out.find("score FILE.zpx"), std::string::npos);
}

TEST_F(ScoreTool, RefusesWhatIsNotAPuzzle)
{
    std::ofstream(dir / "short.zpx") << "not a puzzle";
    const ToolRun refused = runLine("score '" + (dir / "short.zpx").string() + "'");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Puzzle not in Zephyrtrace format or is corrupt.\n");
    EXPECT_TRUE(refused.out.empty());
    EXPECT_EQ(runLine("score").exitCode, 2);
}

TEST_F(ScoreTool, SaysWhetherTheSolverRevealedLettersOrShowedTheAnswers)
{
    TPuzzleRecord record = test::gridRecord({"DOG#", "#CAT"});
    SolvingProgress revealed;
    revealed.reveal({2, 1});
    SolvingProgress shown;
    shown.answersShown = true;
    SolvingProgress timedOnly;
    timedOnly.secondsSpent = 60;
    const std::pair<SolvingProgress, const char*> cases[] = {
        {revealed, "true"}, {shown, "true"}, {timedOnly, "false"}};
    for (const auto& [progress, cheated] : cases) {
        const std::string path = (dir / "kept.zpx").string();
        savePuzzleFile(path, record, progress);
        const ToolRun score = runLine("score '" + path + "'");
        EXPECT_NE(score.out.find(std::string("\"cheated\": ") + cheated + "}"), std::string::npos) << score.out;
    }
}
