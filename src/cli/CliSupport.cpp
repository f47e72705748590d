#include "cli/CliSupport.h"

#include "core/PuzzleFile.h"

#include <algorithm>
#include <iostream>

namespace zpx::cli {

ParsedArguments parseArguments(const Arguments& args, const std::vector<std::string_view>& known,
                               const std::vector<std::string_view>& flags)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const bool flag = std::find(flags.begin(), flags.end(), name) != flags.end();
        if (!flag && std::find(known.begin(), known.end(), name) == known.end())
            throw UsageError("unknown option " + name);
        if (parsed.has(name))
            throw UsageError("option " + name + " given twice");
        if (flag) {
            if (equals != std::string::npos)
                throw UsageError("option " + name + " takes no value");
            parsed.options.emplace(name, std::string());
        } else if (equals != std::string::npos)
            parsed.options.emplace(name, arg.substr(equals + 1));
        else if (i + 1 < args.size())
            parsed.options.emplace(name, args[++i]);
        else
            throw UsageError("option " + name + " needs a value");
    }
    return parsed;
}

int refuse(std::string_view message)
{
    std::cerr << message << '\n';
    return ExitRefused;
}

int writePuzzleFile(const std::string& out, const TPuzzleRecord& record)
{
    try {
        savePuzzleFile(out, record);
    } catch (const FileError& error) {
        return refuse("Cannot write " + out + ": " + error.what());
    }
    return ExitOk;
}

int rewritePuzzleFile(const std::string& path, const StoredPuzzle& puzzle)
{
    try {
        savePuzzleFile(path, puzzle.record, puzzle.progress);
    } catch (const FileError& error) {
        return refuse(error.what());
    }
    return ExitOk;
}

std::optional<StoredPuzzle> loadOrRefuse(const std::string& path)
{
    StoredPuzzle puzzle;
    try {
        loadPuzzleFile(path, puzzle.record, puzzle.progress);
    } catch (const FileError& error) {
        refuse(error.what());
        return std::nullopt;
    }
    return puzzle;
}

int withStoredPuzzle(const Arguments& args, const std::function<void(const StoredPuzzle&)>& print)
{
    const ParsedArguments parsed = parseArguments(args, {});
    if (parsed.positional.size() != 1)
        throw UsageError("give exactly one puzzle file");
    const std::optional<StoredPuzzle> puzzle = loadOrRefuse(parsed.positional.front());
    if (!puzzle)
        return ExitRefused;
    print(*puzzle);
    return ExitOk;
}

int withPuzzleFile(const Arguments& args, const std::function<void(const TPuzzleRecord&)>& print)
{
    return withStoredPuzzle(args, [&](const StoredPuzzle& puzzle) { print(puzzle.record); });
}

}  // namespace zpx::cli
