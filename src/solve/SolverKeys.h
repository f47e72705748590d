#pragma once
// What a key typed into a square does to its letter and to the cursor: one
// rule for the grid and the solve window. A letter is stored and the cursor
// goes on; Space or Delete empties the square and goes on; Enter keeps the
// letter and goes on; Backspace only goes back; "+" reveals the answer and
// goes on, except while editing the grid, which has nothing to reveal.

#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"

#include <cstdint>

namespace zpx {

enum class KeyEffect {
    Ignore,
    Store,     // the square takes `letter`, the cursor goes on
    StepBack,  // the square keeps its letter, the cursor goes back
};

struct KeyOutcome {
    KeyEffect effect = KeyEffect::Ignore;
    std::uint8_t letter = 0;  // 'A'..'Z', or 0 for an empty square
    bool revealed = false;    // the letter is the square's answer, shown by "+"
};

// `key` as typed (either case; '\b' Backspace, '\r' Enter); `held` is the
// square's letter now and `answer` its answer.
KeyOutcome typedKeyOutcome(char key, std::uint8_t held, std::uint8_t answer, bool revealAllowed);

// The solver's letter (or reveal) in square (column, row), as an undoable step.
void enterLetter(PuzzleEdits& edits, GridSquare square, const KeyOutcome& outcome);

}  // namespace zpx
