#include "solve/ClueLines.h"

namespace zpx {

namespace {

constexpr std::size_t ClueWidth = 85;

}  // namespace

std::vector<std::pair<int, int>> answerSquares(const TPuzzleRecord& record, int word)
{
    std::vector<std::pair<int, int>> squares;
    if (word < 1 || word > MaxWords)
        return squares;
    for (int p = 1; p <= MaxWordLetters && record.slotSquareRef(letterSlot(p, word)) != 0; ++p)
        squares.push_back(slotSquare(record, letterSlot(p, word)));
    return squares;
}

std::string clueLine(const TPuzzleRecord& record, int word)
{
    if (word < 1 || word > MaxWords)
        return {};
    std::string line = (record.Clues[word - 1].text() + "     ").substr(0, ClueWidth);
    for (const auto& [c, r] : answerSquares(record, word)) {
        const std::uint8_t entry = record.entry(c, r);
        line += entry != 0 ? std::string{static_cast<char>(entry), ' '} : std::string("__ ");
    }
    return line;
}

std::vector<ClueCell> clueCells(const TPuzzleRecord& record, int word, const SquareNumbers& numbers)
{
    std::vector<ClueCell> cells;
    for (const auto& [c, r] : answerSquares(record, word))
        cells.push_back({record.entry(c, r), numbers.at(c, r)});
    return cells;
}

std::vector<int> clueWords(const TPuzzleRecord& record)
{
    std::vector<int> words;
    for (int w = 1; w <= MaxWords; ++w)
        if (record.Clues[w - 1].length != 0)
            words.push_back(w);
    return words;
}

}  // namespace zpx
