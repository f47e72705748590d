#include "cli/CliSupport.h"

#include "clues/ClueWriting.h"
#include "construct/AnswerFill.h"
#include "construct/AnswerSuggestions.h"
#include "construct/WordList.h"
#include "core/PuzzleFile.h"

#include <charconv>
#include <iostream>
#include <optional>

namespace zpx::cli {

namespace {

int wholeNumber(const ParsedArguments& parsed, std::string_view option, int fallback, int lowest, int highest)
{
    if (!parsed.has(option))
        return fallback;
    const std::string& text = parsed.value(option);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        throw UsageError(std::string(option) + " takes a whole number from " + std::to_string(lowest) + " to " +
                         std::to_string(highest));
    return value;
}

std::optional<WordList> listOrRefuse(const ParsedArguments& parsed)
{
    const int level = wholeNumber(parsed, "--level", DefaultWordListLevel, WordListLevels.front(), WordListLevels.back());
    try {
        return loadScowlWordList(level);
    } catch (const WordListError& error) {
        refuse(error.what());
        return std::nullopt;
    }
}

int runSuggest(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {"--limit", "--level"});
    if (parsed.positional.size() != 2)
        throw UsageError("give a puzzle file and a word");
    const std::optional<int> word = wordFromLabel(parsed.positional[1]);
    if (!word)
        throw UsageError("WORD is a label: A to Z, aa to dd");
    const int limit = wholeNumber(parsed, "--limit", 20, 1, 100000);
    const std::optional<StoredPuzzle> puzzle = loadOrRefuse(parsed.positional[0]);
    if (!puzzle)
        return ExitRefused;
    const TPuzzleRecord& record = puzzle->record;
    if (!wordExists(record, *word))
        return refuse("The puzzle has no acrostic word " + parsed.positional[1] + ".");
    const std::optional<WordList> list = listOrRefuse(parsed);
    if (!list)
        return ExitRefused;
    const std::vector<Suggestion> suggestions = suggestAnswers(record, *list, *word, static_cast<std::size_t>(limit));
    if (suggestions.empty())
        return refuse("No word of the list fits acrostic word " + parsed.positional[1] + ".");
    for (const Suggestion& suggestion : suggestions)
        std::cout << suggestion.text << "\tlevel " << suggestion.level
                  << (suggestion.repeats ? ", takes two letters from one quotation word" : "") << '\n';
    return ExitOk;
}

int runFill(const Arguments& args)
{
    const ParsedArguments parsed = parseArguments(args, {"--time-limit", "--level"});
    if (parsed.positional.size() != 1)
        throw UsageError("give exactly one puzzle file");
    FillLimits limits;
    limits.time = std::chrono::seconds(wholeNumber(parsed, "--time-limit", 10, 1, 3600));
    std::optional<StoredPuzzle> puzzle = loadOrRefuse(parsed.positional[0]);
    if (!puzzle)
        return ExitRefused;
    const std::optional<WordList> list = listOrRefuse(parsed);
    if (!list)
        return ExitRefused;
    const FillPlan plan = planFill(puzzle->record, *list, limits);
    if (plan.status == FillStatus::NothingToFill) {
        std::cerr << fillRefusalText(plan, limits) << '\n';
        return ExitOk;
    }
    if (plan.status != FillStatus::Filled)
        return refuse(fillRefusalText(plan, limits));
    applyFill(puzzle->record, plan);
    if (rewritePuzzleFile(parsed.positional[0], *puzzle) != ExitOk)
        return ExitRefused;
    for (const PlannedAnswer& answer : plan.answers)
        std::cout << wordLabel(answer.word) << ' ' << answer.text << '\n';
    if (plan.repeats > 0)
        std::cerr << "The free squares allow no placement that Scan Grid passes: " << plan.repeats
                  << " letters share a quotation word with another letter of their answer.\n";
    return ExitOk;
}

}  // namespace

extern const Command SuggestCommand = {
    "suggest",
    "suggest FILE.zpx WORD [--limit N] [--level LEVEL]",
    "list answers for acrostic word WORD (A .. Z, aa .. dd) that start with its letters and use free letters, "
    "most common first (default 20; LEVEL is the word list's size, 10 .. 95, default 60)",
    runSuggest,
};

extern const Command FillCommand = {
    "fill",
    "fill FILE.zpx [--time-limit SECONDS] [--level LEVEL]",
    "complete every open acrostic word with common words that use up the free letters, placed so that "
    "Scan Grid finds nothing; prints \"LABEL WORD\" for each and saves the file (default 10 seconds)",
    runFill,
};

}  // namespace zpx::cli
