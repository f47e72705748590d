#include "output/SquareNumbering.h"

namespace zpx {

void NumberSquares(const TPuzzleRecord& record, SquareNumbers& table)
{
    std::uint16_t count = 0;
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            if (!record.isFilled(c, r))
                table.numbers[c - 1][r - 1] = ++count;
}

std::string NumberText(const TPuzzleRecord& record, int column, int row, int number)
{
    const int word = record.squareSlot(column, row) % 100;
    if (word < 1 || word > MaxWords)
        return {};
    const std::string label = wordLabel(word);
    return std::to_string(number) + (word <= 26 ? " " : "") + label;
}

std::string SmartQuotes(std::string_view cp1252)
{
    constexpr char OpeningQuote = '\x93';
    constexpr char ClosingQuote = '\x94';
    constexpr char Apostrophe = '\x92';
    std::string text(cp1252);
    bool opening = true;
    for (char& ch : text) {
        if (ch == '"') {
            ch = opening ? OpeningQuote : ClosingQuote;
            opening = !opening;
        } else if (ch == '\'') {
            ch = Apostrophe;
        }
    }
    return text;
}

}  // namespace zpx
