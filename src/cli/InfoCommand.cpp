#include "cli/CliSupport.h"
#include "cli/PuzzleJson.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runInfo(const Arguments& args)
{
    return withPuzzleFile(args, [](const TPuzzleRecord& record) {
        std::cout << describePuzzle(record);
    });
}

}  // namespace

extern const Command InfoCommand = {
    "info",
    "info FILE.zpx",
    "print a puzzle's grid, words, clues and byline as JSON",
    runInfo,
};

}  // namespace zpx::cli
