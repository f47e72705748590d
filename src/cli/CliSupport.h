#pragma once
// What the zpxtool commands share: the command table entry, exit codes,
// option parsing and refusals.

#include "core/PuzzleRecord.h"
#include "core/SolvingProgress.h"

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zpx::cli {

enum ExitCode : int {
    ExitOk = 0,
    ExitRefused = 1,  // the input or a file was refused; the reason is on stderr
    ExitUsage = 2,    // the command line itself was wrong
};

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* synopsis;  // the arguments after the command name
    const char* summary;
    int (*run)(const Arguments& args);  // the arguments after the command name
};

// A malformed command line: the dispatcher prints the text and the command's
// synopsis and exits with ExitUsage.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ParsedArguments {
    std::map<std::string, std::string, std::less<>> options;  // "--name" -> value
    std::vector<std::string> positional;

    bool has(std::string_view name) const { return options.find(name) != options.end(); }
    const std::string& value(std::string_view name) const { return options.find(name)->second; }
};

// Splits "--name value" and "--name=value" options from positional arguments;
// an option not in `known`, a missing value or a repeated option is a UsageError.
// Options in `flags` take no value. "--" ends the options.
ParsedArguments parseArguments(const Arguments& args, const std::vector<std::string_view>& known,
                               const std::vector<std::string_view>& flags = {});

// Prints the message on stderr and returns ExitRefused.
int refuse(std::string_view message);

// Writes a new puzzle file: ExitOk, or the refusal "Cannot write OUT: why".
int writePuzzleFile(const std::string& out, const TPuzzleRecord& record);

// A puzzle file as read: the record and the solver's progress kept after it.
struct StoredPuzzle {
    TPuzzleRecord record;
    SolvingProgress progress;
};

// Writes the puzzle over its file at `path`, the progress read with it
// included: ExitOk, or the refusal "why".
int rewritePuzzleFile(const std::string& path, const StoredPuzzle& puzzle);

// The puzzle file at `path`; nullopt after the program's message on stderr
// when it cannot be read.
std::optional<StoredPuzzle> loadOrRefuse(const std::string& path);

// For the commands that read one puzzle file and print something about it:
// loads the file named by the only argument and runs `print` on it; a file
// that is not a puzzle is refused with the program's message.
int withStoredPuzzle(const Arguments& args, const std::function<void(const StoredPuzzle&)>& print);
// The same for commands that print from the record alone.
int withPuzzleFile(const Arguments& args, const std::function<void(const TPuzzleRecord&)>& print);

}  // namespace zpx::cli
