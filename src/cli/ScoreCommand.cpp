#include "cli/CliSupport.h"

#include "solve/Scoring.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runScore(const Arguments& args)
{
    return withPuzzleFile(args, [](const TPuzzleRecord& record) {
        std::cout << "{\"correct\": " << (puzzleCorrect(record) ? "true" : "false") << ", \"errors\": [";
        const char* separator = "";
        for (const auto& [column, row] : wrongSquares(record)) {
            std::cout << separator << '[' << column << ", " << row << ']';
            separator = ", ";
        }
        std::cout << "]}\n";
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
