#include "cli/CliSupport.h"

#include "output/JsonLayout.h"
#include "solve/Scoring.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runScore(const Arguments& args)
{
    return withPuzzleFile(args, [](const TPuzzleRecord& record) {
        Json errors = Json::array();
        for (const auto& [column, row] : wrongSquares(record))
            errors.push_back({column, row});
        const Json score = {{"correct", puzzleCorrect(record)}, {"errors", errors}};
        std::cout << layOutJson(score, [](const Json&, int) { return true; });
    });
}

}  // namespace

extern const Command ScoreCommand = {
    "score",
    "score FILE.zpx",
    "score the entries against the answers: correct, and the squares Show Errors would cross, as JSON",
    runScore,
};

}  // namespace zpx::cli
