#include "cli/CliSupport.h"

#include "core/Cp1252.h"
#include "core/PuzzleFile.h"
#include "output/SolutionText.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runSolution(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {}, {"--mixed"});
    if (parsed.positional.size() != 1)
        throw UsageError("give exactly one puzzle file");
    TPuzzleRecord record;
    try {
        loadPuzzleFile(parsed.positional.front(), record);
    } catch (const FileError& error) {
        return refuse(error.what());
    }
    const SolutionTexts texts = prepareSolutionTexts(record);
    std::string quotation = cp1252ToUtf8(texts.quotation);
    std::string authorTitle = cp1252ToUtf8(texts.authorTitle);
    if (parsed.has("--mixed")) {
        quotation = toggledCase(quotation, false, QuotationLastLowered);
        authorTitle = toggledCase(authorTitle, false, AuthorTitleLastLowered);
    }
    std::cout << quotation << '\n' << authorTitle << '\n';
    return ExitOk;
}

}  // namespace

extern const Command SolutionCommand = {
    "solution",
    "solution FILE.zpx [--mixed]",
    "the quotation and the author-title line of the solution page, as Format Solution first shows them "
    "(--mixed: after one C&ase)",
    runSolution,
};

}  // namespace zpx::cli
