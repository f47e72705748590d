#pragma once
// The numbers printed and exported in the grid's letter squares.
//
// Letter squares are numbered 1, 2, 3 … in reading order (rows top to
// bottom, columns left to right); filled squares get no number. Every page
// and every exported picture numbers by this one rule, so a clue's blanks and
// the grid's squares always agree.

#include "core/PuzzleRecord.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zpx {

// One 16-bit number per square, in the record's column-major layout.
struct SquareNumbers {
    std::uint16_t numbers[MaxColumns][MaxRows]{};  // [c - 1][r - 1]

    std::uint16_t at(int column, int row) const { return numbers[column - 1][row - 1]; }
};

// Numbers the letter squares of the record's grid; a filled square's cell
// keeps what it held. A letter square whose letter was cleared is numbered too.
void NumberSquares(const TPuzzleRecord& record, SquareNumbers& table);

// The text of letter square (column, row) numbered `number`: "12 C" for a
// word labelled by one letter, "12aa" for words 27 to 30, and nothing for a
// square that belongs to no word yet.
std::string NumberText(const TPuzzleRecord& record, int column, int row, int number);

// Straight quotes made typographic in a Windows-1252 text: double quotes
// alternate between opening (147) and closing (148), starting with an opening
// one; every single quote becomes the apostrophe (146).
std::string SmartQuotes(std::string_view cp1252);

}  // namespace zpx
