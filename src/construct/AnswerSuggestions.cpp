#include "construct/AnswerSuggestions.h"

#include "construct/AnswerContext.h"
#include "construct/SquarePlacement.h"

#include <algorithm>
#include <array>
#include <set>

namespace zpx {

namespace {

std::string heldText(const TPuzzleRecord& record, int word)
{
    std::string text;
    for (const int square : heldSquares(record, word))
        text += static_cast<char>(record.answer(square / 100, square % 100));
    return text;
}

bool lettersFree(std::string_view added, std::array<int, 26> free)
{
    return std::all_of(added.begin(), added.end(), [&](char c) { return --free[c - 'A'] >= 0; });
}

}  // namespace

std::vector<Suggestion> suggestAnswers(const TPuzzleRecord& record, const WordList& list, int word, std::size_t limit)
{
    const AnswerContext context = readAnswerContext(record, list);
    if (word < 1 || word > context.wordCount)
        return {};
    const std::string& start = context.held[word - 1];
    const std::vector<int> barred = context.stemsBarredFor(word);
    const std::set<int> barredStems(barred.begin(), barred.end());

    std::vector<const ListWord*> fitting;
    const auto [first, last] = list.extensionsOf(start);
    for (const ListWord* candidate = first; candidate != last; ++candidate)
        if (candidate->text.size() <= MaxWordLetters && !barredStems.contains(candidate->stem) &&
            lettersFree(std::string_view(candidate->text).substr(start.size()), context.free))
            fitting.push_back(candidate);
    std::stable_sort(fitting.begin(), fitting.end(),
                     [](const ListWord* a, const ListWord* b) { return a->level < b->level; });

    // Placing is the costly part: only the words of the levels shown are
    // placed, and of the last of them a few times as many as are shown.
    std::vector<Suggestion> suggestions;
    for (const ListWord* candidate : fitting) {
        if (suggestions.size() >= limit && (candidate->level > suggestions.back().level || suggestions.size() >= 4 * limit))
            break;
        const std::optional<Placement> placement =
            placeNewLetters(record, {{word, candidate->text.substr(start.size())}});
        suggestions.push_back({candidate->text, candidate->level, !placement || placement->repeats > 0});
    }
    std::stable_sort(suggestions.begin(), suggestions.end(), [](const Suggestion& a, const Suggestion& b) {
        return a.level != b.level ? a.level < b.level : a.repeats < b.repeats;
    });
    if (suggestions.size() > limit)
        suggestions.resize(limit);
    return suggestions;
}

std::optional<std::vector<int>> answerSquares(const TPuzzleRecord& record, int word, const std::string& text)
{
    const std::string held = heldText(record, word);
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    if (!plain || !text.starts_with(held) || text.size() > MaxWordLetters)
        return std::nullopt;
    const std::optional<Placement> placement = placeNewLetters(record, {{word, text.substr(held.size())}});
    if (!placement)
        return std::nullopt;
    std::vector<int> squares = heldSquares(record, word);
    squares.insert(squares.end(), placement->squares.front().begin(), placement->squares.front().end());
    return squares;
}

bool buildAnswer(PuzzleEdits& edits, int word, const std::string& text)
{
    const std::optional<std::vector<int>> squares = answerSquares(edits.record(), word, text);
    if (!squares)
        return false;
    edits.apply(EditStep::Word, [&](TPuzzleRecord& record) { setWordSquares(record, word, *squares); });
    return true;
}

}  // namespace zpx
