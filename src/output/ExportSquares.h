#pragma once
// What every export reads off the grid: the label of a numbered square, the
// words that have a clue, and the squares of a clued word's letters.

#include "core/PuzzleRecord.h"

#include <string>
#include <vector>

namespace zpx {

// The label of letter square (column, row) numbered `number` in an exported
// picture: the number and the word's label without a space ("12C", "7aa"),
// or the number and "@" for a square that belongs to no word yet ("12@").
std::string exportLabel(const TPuzzleRecord& record, int column, int row, int number);

// Words 1, 2, … up to the first one without a clue text, at most 30: the
// words of every exported clue list.
std::vector<int> cluedWords(const TPuzzleRecord& record);

// The squares (column × 100 + row) of word w's letters as the clue lists
// write them: position 1 always, then each next position while it has a
// square. A position without a square is 0.
std::vector<int> clueLetterSquares(const TPuzzleRecord& record, int word);

}  // namespace zpx
