// zpxtool: the command-line companion over the puzzle logic, for batch work
// without a display. Each command lives in its own file; add it to the table.

#include "cli/CliSupport.h"
#include "cli/ManualPage.h"

#include <iostream>
#include <string_view>

namespace zpx::cli {

extern const Command NewCommand;
extern const Command InfoCommand;
extern const Command LettersCommand;
extern const Command ScanCommand;
extern const Command AnalyzeCommand;
extern const Command CluesCommand;
extern const Command ScoreCommand;
extern const Command ClueCommand;
extern const Command DefsCommand;
extern const Command BylineCommand;
extern const Command BankCommand;
extern const Command ExportCommand;
extern const Command ImportCommand;
extern const Command PrintCommand;
extern const Command SolutionCommand;
extern const Command SuggestCommand;
extern const Command FillCommand;

namespace {

const Command* const Commands[] = {
    &NewCommand,
    &InfoCommand,
    &LettersCommand,
    &ScanCommand,
    &AnalyzeCommand,
    &CluesCommand,
    &ScoreCommand,
    &ClueCommand,
    &DefsCommand,
    &BylineCommand,
    &BankCommand,
    &ExportCommand,
    &ImportCommand,
    &PrintCommand,
    &SolutionCommand,
    &SuggestCommand,
    &FillCommand,
};

void printUsage(std::ostream& out)
{
    out << "usage: zpxtool COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Command* command : Commands)
        out << "  " << command->synopsis << "\n      " << command->summary << '\n';
}

const Command* findCommand(std::string_view name)
{
    for (const Command* command : Commands)
        if (name == command->name)
            return command;
    return nullptr;
}

bool asksForHelp(std::string_view arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

int dispatch(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(std::cerr);
        return ExitUsage;
    }
    if (asksForHelp(argv[1])) {
        printUsage(std::cout);
        return ExitOk;
    }
    if (std::string_view(argv[1]) == "--version") {
        std::cout << "zpxtool " << ZPX_VERSION << '\n';
        return ExitOk;
    }
    if (std::string_view(argv[1]) == "--manual") {
        writeManualPage(std::cout, Commands);
        return ExitOk;
    }
    const Command* command = findCommand(argv[1]);
    if (!command) {
        std::cerr << "zpxtool: unknown command " << argv[1] << "\n\n";
        printUsage(std::cerr);
        return ExitUsage;
    }
    const Arguments args(argv + 2, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << "usage: zpxtool " << command->synopsis << '\n';
        return ExitOk;
    }
    try {
        return command->run(args);
    } catch (const UsageError& error) {
        std::cerr << "zpxtool " << command->name << ": " << error.what() << "\nusage: zpxtool "
                  << command->synopsis << '\n';
        return ExitUsage;
    }
}

}  // namespace

}  // namespace zpx::cli

int main(int argc, char** argv)
{
    return zpx::cli::dispatch(argc, argv);
}
