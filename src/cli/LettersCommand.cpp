#include "cli/CliSupport.h"

#include "construct/LetterCounts.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runLetters(const Arguments& args)
{
    return withPuzzleFile(args, [](const TPuzzleRecord& record) {
        const LetterCounts counts = countFreeLetters(record);
        for (int i = 0; i < 26; ++i)
            std::cout << letterCellText(static_cast<char>('A' + i), counts.letters[i]) << '\n';
        std::cout << lettersSummary(counts) << '\n';
    });
}

}  // namespace

extern const Command LettersCommand = {
    "letters",
    "letters FILE.zpx",
    "print the free letters of each kind and the letters distribution summary",
    runLetters,
};

}  // namespace zpx::cli
