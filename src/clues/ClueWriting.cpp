#include "clues/ClueWriting.h"

#include "solve/ClueLines.h"

namespace zpx {

namespace {

constexpr std::size_t DefinitionPrefixLength = 84;

}  // namespace

bool wordExists(const TPuzzleRecord& record, int word)
{
    return word >= 1 && word <= MaxWords && record.slotSquareRef(letterSlot(1, word)) != 0;
}

std::string answerText(const TPuzzleRecord& record, int word)
{
    std::string answer;
    for (const auto& [column, row] : answerSquares(record, word)) {
        const std::uint8_t letter = record.answer(column, row);
        answer += letter == 0 ? ' ' : static_cast<char>(letter);
    }
    return answer;
}

std::string letterCountText(std::string_view answer)
{
    return "(" + std::to_string(answer.size()) + ")";
}

std::optional<int> wordFromLabel(std::string_view label)
{
    for (int w = 1; w <= MaxWords; ++w)
        if (label == wordLabel(w))
            return w;
    return std::nullopt;
}

bool storeClue(TPuzzleRecord& record, int word, std::string_view cp1252)
{
    RecordString& clue = record.Clues[word - 1];
    const std::string_view kept = cp1252.substr(0, MaxStringLength);
    if (clue.text() == kept)
        return false;
    clue.assign(kept);
    return true;
}

bool storeClue(PuzzleEdits& edits, int word, std::string_view cp1252, std::uint32_t visit)
{
    if (word < 1 || word > MaxWords)
        return false;
    // Words take six bits of the key; a visit of 0 merges with nothing.
    const std::uint64_t mergeKey = visit == 0 ? 0 : (std::uint64_t{visit} << 6) | static_cast<std::uint64_t>(word);
    return edits.apply(
        EditStep::Clue, [&](TPuzzleRecord& record) { return storeClue(record, word, cp1252); }, mergeKey);
}

std::optional<int> nextWord(const TPuzzleRecord& record, int current)
{
    if (wordExists(record, current + 1))
        return current + 1;
    return std::nullopt;
}

UndefinedWordSearch nextUndefinedWord(const TPuzzleRecord& record, int current)
{
    int word = current + 1;
    while (wordExists(record, word)) {
        if (record.Clues[word - 1].length == 0)
            return {word, false};
        ++word;
    }
    return {word - 1, true};
}

int definitionLineCount(const TPuzzleRecord& record)
{
    int word = 1;
    while (word < MaxWords && wordExists(record, word + 1))
        ++word;
    return word;
}

std::string definitionLine(std::string_view clue, std::string_view answer)
{
    std::string line = std::string(clue) + "  | ";
    return line.substr(0, DefinitionPrefixLength) + std::string(answer);
}

std::string definitionLine(const TPuzzleRecord& record, int word)
{
    return definitionLine(record.Clues[word - 1].text(), answerText(record, word));
}

std::string definitionLabel(int index)
{
    return wordLabel(index + 1) + ".";
}

}  // namespace zpx
