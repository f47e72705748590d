#include "output/ExportSquares.h"

namespace zpx {

std::string exportLabel(const TPuzzleRecord& record, int column, int row, int number)
{
    const std::optional<SlotParts> slot = record.slotAt(column, row);
    const std::string label = slot ? wordLabel(slot->word) : std::string("@");
    return std::to_string(number) + label;
}

std::vector<int> cluedWords(const TPuzzleRecord& record)
{
    std::vector<int> words;
    for (int word = 1; word <= MaxWords && record.Clues[word - 1].length > 0; ++word)
        words.push_back(word);
    return words;
}

std::vector<int> clueLetterSquares(const TPuzzleRecord& record, int word)
{
    std::vector<int> squares{record.slotSquareRef(letterSlot(1, word))};
    for (int position = 2; position <= MaxWordLetters; ++position) {
        const int square = record.slotSquareRef(letterSlot(position, word));
        if (square == 0)
            break;
        squares.push_back(square);
    }
    return squares;
}

}  // namespace zpx
