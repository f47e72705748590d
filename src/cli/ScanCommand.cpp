#include "cli/CliSupport.h"

#include "construct/GridScan.h"
#include "core/PuzzleFile.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runScan(const Arguments& args)
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
    const std::vector<std::string> lines = scanGrid(record);
    if (lines.empty())
        std::cout << "No Matches Found\n";
    for (const std::string& line : lines)
        std::cout << line << '\n';
    return ExitOk;
}

}  // namespace

extern const Command ScanCommand = {
    "scan",
    "scan FILE.zpx",
    "list the acrostic words that take two letters from one quotation word",
    runScan,
};

}  // namespace zpx::cli
