#include "output/PublishedPuzzle.h"

namespace zpx {

std::vector<PublishedWord> publishedWords(const TPuzzleRecord& record)
{
    int last = 0;
    for (int word = 1; word <= MaxWords; ++word) {
        bool used = record.Clues[word - 1].length > 0;
        for (int p = 1; p <= MaxWordLetters && !used; ++p)
            used = record.slotSquareRef(letterSlot(p, word)) != 0;
        if (used)
            last = word;
    }
    std::vector<PublishedWord> words;
    for (int word = 1; word <= last; ++word) {
        PublishedWord published{word, wordLabel(word), record.Clues[word - 1].text(), {}, {}};
        bool gap = false;
        for (int p = 1; p <= MaxWordLetters; ++p) {
            const int square = record.slotSquareRef(letterSlot(p, word));
            gap = gap || square == 0;
            if (square != 0 && !gap)
                published.squares.push_back(square);
            else if (square != 0)
                published.afterGap.emplace_back(p, square);
        }
        words.push_back(std::move(published));
    }
    return words;
}

std::vector<int> quotationSquares(const TPuzzleRecord& record)
{
    std::vector<int> squares;
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            if (!record.isFilled(c, r))
                squares.push_back(squareRef(c, r));
    return squares;
}

char solutionLetter(const TPuzzleRecord& record, int column, int row)
{
    const std::uint8_t letter = record.answer(column, row);
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter) : 0;
}

}  // namespace zpx
