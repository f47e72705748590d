#pragma once
// Checking and revealing the solver's letters. A check marks the wrong
// letters among the squares it covers; a mark lasts while the square holds
// the letter it was checked with, so correcting the letter removes it. A
// reveal puts the answers in as one undoable step, and the squares whose
// letter it changed are remembered with the puzzle as revealed: they keep a
// mark while they hold their answer, and the score card says the solver
// cheated.

#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"
#include "core/SolvingProgress.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zpx {

enum class SolverScope { Letter, Word, Grid };

// The squares a command covers: the current square; its word's squares in
// letter order (the word of `current`, else `word`); or every letter square
// of the grid in reading order. Empty when there is nothing current.
std::vector<GridSquare> scopeSquares(const TPuzzleRecord& record, std::optional<GridSquare> current, int word,
                                     SolverScope scope);

class CheckMarks {
public:
    // Marks every square among `squares` whose entry is a letter other than
    // its answer; answers how many were marked.
    int check(const TPuzzleRecord& record, const std::vector<GridSquare>& squares);
    bool marked(const TPuzzleRecord& record, GridSquare square) const;
    void clear() { checkedLetter.fill(0); }

private:
    std::array<std::uint8_t, StorageCells> checkedLetter{};
};

// The marks of the solver in the program, forgotten when a puzzle is loaded.
CheckMarks& checkMarks();

// The answers of `squares` as one "Reveal" step.
void revealSquares(PuzzleEdits& edits, const std::vector<GridSquare>& squares);

// Whether the square shows the mark of a revealed letter.
bool showsRevealMark(const TPuzzleRecord& record, const SolvingProgress& progress, GridSquare square);

}  // namespace zpx
