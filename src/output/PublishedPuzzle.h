#pragma once
// What the solvers' formats (ipuz, JPZ and the web page) show of a puzzle:
// each word with its label, clue and the squares of its letters as the
// printed clue list reads them, and the quotation's squares in reading order.

#include "core/PuzzleRecord.h"

#include <string>
#include <utility>
#include <vector>

namespace zpx {

struct PublishedWord {
    int word = 0;
    std::string label;         // "A", … "Z", "aa", … "dd"
    std::string clue;          // Windows-1252
    std::vector<int> squares;  // column × 100 + row of positions 1, 2, … up to the first empty one
    // A word whose letter was removed during construction has a gap; the
    // letters after it, (position, square), are no part of the printed word.
    std::vector<std::pair<int, int>> afterGap;
};

// Words 1, 2, … up to the last one that holds a letter or has a clue.
std::vector<PublishedWord> publishedWords(const TPuzzleRecord& record);

// The letter squares (column × 100 + row) in reading order: rows top to
// bottom, columns left to right.
std::vector<int> quotationSquares(const TPuzzleRecord& record);

// The letter of a square for solvers: 'A'..'Z', or 0 for a square whose
// letter is unknown (cleared, or not a letter at all).
char solutionLetter(const TPuzzleRecord& record, int column, int row);

}  // namespace zpx
