#include "cli/CliSupport.h"

#include "output/JsonLayout.h"
#include "solve/Scoring.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runScore(const Arguments& args)
{
    return withStoredPuzzle(args, [](const StoredPuzzle& puzzle) {
        Json errors = Json::array();
        for (const auto& [column, row] : wrongSquares(puzzle.record))
            errors.push_back({column, row});
        const Json score = {{"correct", puzzleCorrect(puzzle.record)},
                            {"errors", errors},
                            {"cheated", puzzle.progress.cheated()}};
        std::cout << layOutJson(score, [](const Json&, int) { return true; });
    });
}

}  // namespace

extern const Command ScoreCommand = {
    "score",
    "score FILE.zpx",
    "score the entries against the answers: correct, the squares Show Errors would cross, and whether the solver "
    "revealed letters or showed the answers, as JSON",
    runScore,
};

}  // namespace zpx::cli
