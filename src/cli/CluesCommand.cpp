#include "cli/CliSupport.h"

#include "core/Cp1252.h"
#include "solve/ClueLines.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runClues(const Arguments& args)
{
    return withPuzzleFile(args, [](const TPuzzleRecord& record) {
        for (const int word : clueWords(record))
            std::cout << cp1252ToUtf8(clueLine(record, word)) << '\n';
    });
}

}  // namespace

extern const Command CluesCommand = {
    "clues",
    "clues FILE.zpx",
    "print the solve-mode clue list, one line per clue, with the letters entered so far",
    runClues,
};

}  // namespace zpx::cli
