#include "cli/CliSupport.h"

#include "clues/ClueWriting.h"
#include "core/Cp1252.h"
#include "core/PuzzleFile.h"

#include <iostream>
#include <optional>

namespace zpx::cli {

namespace {

// FILE [TEXT] or FILE WORD [TEXT]: the positional arguments, `fixed` of them before TEXT.
std::vector<std::string> positionalArguments(const Arguments& args, std::size_t fixed)
{
    const ParsedArguments parsed = parseArguments(args, {});
    if (parsed.positional.size() != fixed && parsed.positional.size() != fixed + 1)
        throw UsageError("give " + std::to_string(fixed) + " or " + std::to_string(fixed + 1) + " arguments");
    return parsed.positional;
}

// Text for the record, one line as the windows' edit lines keep it: refused
// when a character would not survive, or when it is longer than the record
// holds (the windows' edit lines take no more either).
std::optional<std::string> recordText(const std::string& utf8, const char* what)
{
    auto text = utf8ToCp1252Exact(controlsAsSpaces(utf8));
    if (!text) {
        refuse(std::string("The ") + what + " holds characters that Windows-1252 cannot write; nothing was stored.");
    } else if (text->size() > static_cast<std::size_t>(MaxStringLength)) {
        refuse(std::string("The ") + what + " is longer than " + std::to_string(MaxStringLength) +
               " characters; nothing was stored.");
        text.reset();
    }
    return text;
}

int runClue(const Arguments& args)
{
    const std::vector<std::string> positional = positionalArguments(args, 2);
    const std::optional<int> word = wordFromLabel(positional[1]);
    if (!word)
        throw UsageError("WORD is a label: A to Z, aa to dd");
    std::optional<StoredPuzzle> puzzle = loadOrRefuse(positional[0]);
    if (!puzzle)
        return ExitRefused;
    TPuzzleRecord& record = puzzle->record;
    if (!wordExists(record, *word))
        return refuse("The puzzle has no acrostic word " + positional[1] + ".");
    if (positional.size() == 2) {
        std::cout << cp1252ToUtf8(record.Clues[*word - 1].text()) << '\n';
        return ExitOk;
    }
    const std::optional<std::string> clue = recordText(positional[2], "clue");
    if (!clue)
        return ExitRefused;
    // An unchanged clue leaves the file as it was.
    if (!storeClue(record, *word, *clue))
        return ExitOk;
    return rewritePuzzleFile(positional[0], *puzzle);
}

int runDefs(const Arguments& args)
{
    return withPuzzleFile(args, [](const TPuzzleRecord& record) {
        const int lines = definitionLineCount(record);
        for (int w = 1; w <= lines; ++w)
            std::cout << definitionLabel(w - 1) << ' ' << cp1252ToUtf8(definitionLine(record, w)) << '\n';
    });
}

int runByline(const Arguments& args)
{
    const std::vector<std::string> positional = positionalArguments(args, 1);
    std::optional<StoredPuzzle> puzzle = loadOrRefuse(positional[0]);
    if (!puzzle)
        return ExitRefused;
    if (positional.size() == 1) {
        std::cout << cp1252ToUtf8(puzzle->record.Byline.text()) << '\n';
        return ExitOk;
    }
    const std::optional<std::string> byline = recordText(positional[1], "byline");
    if (!byline)
        return ExitRefused;
    puzzle->record.Byline.assign(*byline);
    return rewritePuzzleFile(positional[0], *puzzle);
}

}  // namespace

extern const Command ClueCommand = {
    "clue",
    "clue FILE.zpx WORD [TEXT]",
    "print the clue of acrostic word WORD (A .. Z, aa .. dd), or store TEXT as its clue (80 characters at most)",
    runClue,
};

extern const Command DefsCommand = {
    "defs",
    "defs FILE.zpx",
    "print the definitions list: each word's label, its clue and its answer (\"A. clue  | ANSWER\")",
    runDefs,
};

extern const Command BylineCommand = {
    "byline",
    "byline FILE.zpx [TEXT]",
    "print the puzzle's byline, or store TEXT as the byline (80 characters at most)",
    runByline,
};

}  // namespace zpx::cli
