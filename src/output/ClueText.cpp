#include "output/ClueText.h"

#include "output/ExportSquares.h"
#include "output/SquareNumbering.h"

#include <cstdio>

namespace zpx {

namespace {

std::string lineWithNumbers(const TPuzzleRecord& record, const SquareNumbers& numbers, int word)
{
    std::string line = wordLabel(word) + ". " + record.Clues[word - 1].text();
    for (const int square : clueLetterSquares(record, word)) {
        const int number = square == 0 ? 0 : numbers.at(square / 100, square % 100);
        char field[8];
        std::snprintf(field, sizeof field, " %3d", number);
        line += field;
    }
    return line;
}

}  // namespace

std::string clueListLine(const TPuzzleRecord& record, int word)
{
    SquareNumbers numbers;
    NumberSquares(record, numbers);
    return lineWithNumbers(record, numbers, word);
}

std::string clueListText(const TPuzzleRecord& record)
{
    SquareNumbers numbers;
    NumberSquares(record, numbers);
    std::string text;
    for (const int word : cluedWords(record))
        text += lineWithNumbers(record, numbers, word) + "\r\n";
    return text;
}

}  // namespace zpx
