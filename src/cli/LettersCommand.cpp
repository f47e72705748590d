#include "cli/CliSupport.h"

#include "construct/LetterCounts.h"
#include "core/PuzzleFile.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runLetters(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {});
    if (parsed.positional.size() != 1)
        throw UsageError("give exactly one puzzle file");
    TPuzzleRecord record;
    try {
        loadPuzzleFile(parsed.positional.front(), record);
    } catch (const FileError&) {
        return refuse("Puzzle not in Zephyrtrace format or is corrupt.");
    }
    const LetterCounts counts = countFreeLetters(record);
    for (int i = 0; i < 26; ++i)
        std::cout << letterCellText(static_cast<char>('A' + i), counts.letters[i]) << '\n';
    std::cout << lettersSummary(counts) << '\n';
    return ExitOk;
}

}  // namespace

extern const Command LettersCommand = {
    "letters",
    "letters FILE.zpx",
    "print the free letters of each kind and the letters distribution summary",
    runLetters,
};

}  // namespace zpx::cli
