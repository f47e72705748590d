#pragma once
// Scoring a solver's attempt: the entries compared with the answers.
//
// A letter square is wrong when its entry is empty or differs from its
// answer; filled squares are never compared. The score card calls the
// puzzle correct exactly when no square is wrong, and Show Errors crosses
// the wrong squares.

#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"

#include <utility>
#include <vector>

namespace zpx {

bool puzzleCorrect(const TPuzzleRecord& record);

// The wrong squares as (column, row), rows top to bottom and columns left to
// right within a row.
std::vector<std::pair<int, int>> wrongSquares(const TPuzzleRecord& record);

// Start Over: every entry of the grid emptied.
void clearEntries(TPuzzleRecord& record);

// Start Over as an undoable step of the puzzle's change path.
void startOver(PuzzleEdits& edits);

}  // namespace zpx
