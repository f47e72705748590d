#include "cli/CliSupport.h"

#include "core/IpuzReader.h"
#include "core/PuzzleFile.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runImport(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {});
    if (parsed.positional.size() != 2)
        throw UsageError("give the ipuz file and the puzzle file to write");
    TPuzzleRecord record;
    try {
        loadIpuzFile(parsed.positional[0], record);
    } catch (const FileError& error) {
        return refuse(error.what());
    }
    return writePuzzleFile(parsed.positional[1], record);
}

}  // namespace

extern const Command ImportCommand = {
    "import",
    "import IN.ipuz OUT.zpx",
    "read an ipuz acrostic (ours, or one from GNOME Crosswords and the web solvers) into a puzzle file; an ipuz "
    "that is not an acrostic Zephyrtrace can hold exactly (another kind, cells outside the grid, more than 30 "
    "words or 30 letters, a grid beyond 31 x 21, text Windows-1252 cannot write) is refused and nothing is written",
    runImport,
};

}  // namespace zpx::cli
