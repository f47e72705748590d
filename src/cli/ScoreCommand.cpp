#include "cli/CliSupport.h"

#include "core/PuzzleFile.h"
#include "output/JsonLayout.h"
#include "solve/Scoring.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runScore(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {});
    if (parsed.positional.size() != 1)
        throw UsageError("give exactly one puzzle file");
    TPuzzleRecord record;
    SolvingProgress progress;
    try {
        loadPuzzleFile(parsed.positional.front(), record, progress);
    } catch (const FileError& error) {
        return refuse(error.what());
    }
    Json errors = Json::array();
    for (const auto& [column, row] : wrongSquares(record))
        errors.push_back({column, row});
    const Json score = {{"correct", puzzleCorrect(record)}, {"errors", errors}, {"cheated", progress.cheated()}};
    std::cout << layOutJson(score, [](const Json&, int) { return true; });
    return ExitOk;
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
