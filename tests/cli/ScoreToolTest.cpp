// zpxtool score: the score card's verdict and the squares Show Errors crosses.

#include "support/RecordBuilder.h"

#include "core/PuzzleFile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using namespace zpx;

namespace {

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ScoreTool : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("zpxtool-score-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    ToolRun run(const std::string& args)
    {
        const std::string command = std::string("'") + ZPXTOOL_PATH + "' " + args + " >'" + (dir / "out").string() +
                                    "' 2>'" + (dir / "err").string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readText(dir / "out"), readText(dir / "err")};
    }

    // "DOG#" / "#CAT" with the given entries typed row by row, '.' for an empty square.
    std::string puzzleWith(const std::string& row1, const std::string& row2)
    {
        TPuzzleRecord record = test::gridRecord({"DOG#", "#CAT"});
        const std::string rows[] = {row1, row2};
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 4; ++c)
                record.entry(c, r) = rows[r - 1][c - 1] == '.' ? 0 : static_cast<std::uint8_t>(rows[r - 1][c - 1]);
        savePuzzleFile(dir / "p.zpx", record);
        return "'" + (dir / "p.zpx").string() + "'";
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
        {"DOG.", ".CAT", "{\"correct\": true, \"errors\": []}\n"},
        {"DOG.", ".CA.", "{\"correct\": false, \"errors\": [[4, 2]]}\n"},
        {"BOX.", ".CUT", "{\"correct\": false, \"errors\": [[1, 1], [3, 1], [3, 2]]}\n"},
    };
    for (const auto& [row1, row2, json] : cases) {
        const ToolRun score = run("score " + puzzleWith(row1, row2));
        EXPECT_EQ(score.exitCode, 0) << row1 << row2;
        EXPECT_EQ(score.out, json);
    }
    EXPECT_NE(run("--help").out.find("score FILE.zpx"), std::string::npos);
}

TEST_F(ScoreTool, RefusesWhatIsNotAPuzzle)
{
    std::ofstream(dir / "short.zpx") << "not a puzzle";
    const ToolRun refused = run("score '" + (dir / "short.zpx").string() + "'");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Puzzle not in Zephyrtrace format or is corrupt.\n");
    EXPECT_TRUE(refused.out.empty());
    EXPECT_EQ(run("score").exitCode, 2);
}
