#include "cli/CliSupport.h"

#include "construct/GridScan.h"

#include <iostream>

namespace zpx::cli {

namespace {

int runScan(const Arguments& args)
{
    return withPuzzleFile(args, [](const TPuzzleRecord& record) {
        const std::vector<std::string> lines = scanGrid(record);
        if (lines.empty())
            std::cout << "No Matches Found\n";
        for (const std::string& line : lines)
            std::cout << line << '\n';
    });
}

}  // namespace

extern const Command ScanCommand = {
    "scan",
    "scan FILE.zpx",
    "list the acrostic words that take two letters from one quotation word",
    runScan,
};

}  // namespace zpx::cli
