#include "cli/CliSupport.h"

#include "construct/PuzzleAnalysis.h"
#include "core/PuzzleFile.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runAnalyze(const Arguments& args)
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
    const PuzzleAnalysis analysis = analyzePuzzle(record);
    std::cout << "Quotation Grid Size: " << analysis.gridSize << '\n'
              << "Total Word Count: " << analysis.words << '\n'
              << "Total Letters: " << analysis.letters << '\n'
              << "Author-Title Length: " << analysis.authorTitle << '\n'
              << analysis.quotation << '\n'
              << analysis.authorTitleLine << '\n';
    return ExitOk;
}

}  // namespace

extern const Command AnalyzeCommand = {
    "analyze",
    "analyze FILE.zpx",
    "print the puzzle analysis: grid size, words, letters, author-title length, quotation",
    runAnalyze,
};

}  // namespace zpx::cli
