#include "cli/CliSupport.h"

#include "construct/PuzzleAnalysis.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runAnalyze(const Arguments& args)
{
    return withPuzzleFile(args, [](const TPuzzleRecord& record) {
        const PuzzleAnalysis analysis = analyzePuzzle(record);
        std::cout << "Quotation Grid Size: " << analysis.gridSize << '\n'
                  << "Total Word Count: " << analysis.words << '\n'
                  << "Total Letters: " << analysis.letters << '\n'
                  << "Author-Title Length: " << analysis.authorTitle << '\n'
                  << analysis.quotation << '\n'
                  << analysis.authorTitleLine << '\n';
    });
}

}  // namespace

extern const Command AnalyzeCommand = {
    "analyze",
    "analyze FILE.zpx",
    "print the puzzle analysis: grid size, words, letters, author-title length, quotation",
    runAnalyze,
};

}  // namespace zpx::cli
