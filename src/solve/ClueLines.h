#pragma once
// The clue list of solve mode: one line per acrostic word that has a clue
// text, in word order. A line is the clue and five spaces, cut at 85
// characters, then one cell per square of the answer: the entered letter and
// a space, or "__ " while the square is empty. For the clue "Rural home"
// of a five-letter answer with P entered twice:
//   "Rural home     __ P P __ __ "

#include "core/PuzzleRecord.h"
#include "output/SquareNumbering.h"

#include <cstdint>

#include <string>
#include <utility>
#include <vector>

namespace zpx {

// The squares (column, row) of word w's answer in letter order: positions 1,
// 2, 3 … up to the first position without a square of the grid.
std::vector<std::pair<int, int>> answerSquares(const TPuzzleRecord& record, int word);

// Word w's line, Windows-1252.
std::string clueLine(const TPuzzleRecord& record, int word);

// One cell of word w's answer as the printed puzzle page shows it: the
// entered letter (0 while the square is empty) over the number of its grid square.
struct ClueCell {
    std::uint8_t letter = 0;
    int number = 0;

    bool operator==(const ClueCell&) const = default;
};

// Word w's cells in letter order, numbered by `numbers` (NumberSquares).
std::vector<ClueCell> clueCells(const TPuzzleRecord& record, int word, const SquareNumbers& numbers);

// The words that have a line, in list order: line i shows word clueWords[i].
std::vector<int> clueWords(const TPuzzleRecord& record);

}  // namespace zpx
