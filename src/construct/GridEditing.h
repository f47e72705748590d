#pragma once
// What the quotation grid and author-title windows compute, apart from
// drawing: the cursor's run and moves, the construction click, the font
// scale, and the author-title window's rows and hit areas.
//
// The cursor run is the rest of a quotation word from the cursor on, in
// reading order: on a 5 × 2 grid whose square (4, 1) is filled, a cursor at
// (2, 2) runs (2, 2) (3, 2) (4, 2) (5, 2); one at (1, 1) runs (1, 1) .. (3, 1).
// In grid editing a square used by an acrostic word ends the run as well,
// because only free squares may be edited.

#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"

#include <optional>
#include <vector>

namespace zpx {

// A square the cursor may stand on or move to: a letter square of the grid,
// in grid editing also free of any acrostic word.
bool cursorMayEnter(const TPuzzleRecord& record, GridSquare square, bool gridEditing);

// The squares highlighted from the cursor on; empty when the cursor square
// itself may not hold the cursor.
std::vector<GridSquare> cursorRun(const TPuzzleRecord& record, GridSquare cursor, bool gridEditing);

// Where the cursor goes after a letter is typed: right, or to column 1 of
// the next row from the last column; nullopt when it leaves the word.
std::optional<GridSquare> advanceCursor(const TPuzzleRecord& record, GridSquare cursor, bool gridEditing);

// Where Backspace takes the cursor: left, or to the last column of the
// previous row from column 1; the cursor itself when neither is allowed.
GridSquare stepBackCursor(const TPuzzleRecord& record, GridSquare cursor, bool gridEditing);

// The grid square under a canvas point of a grid drawn in squares of the
// given size; nullopt outside the grid, the closing border line included.
std::optional<GridSquare> squareAtPoint(const TPuzzleRecord& record, int x, int y, int square);

enum class ClickOutcome {
    Refused,   // filled or used square, no selected word, outside the grid
    WordFull,  // the word already has 30 letters
    Added,
};

struct ConstructionClick {
    ClickOutcome outcome = ClickOutcome::Refused;
    int position = 0;  // the letter position the square took when Added
};

// A construction click on square (column, row) for word w: the square goes
// to the word's lowest empty letter position.
ConstructionClick constructionClick(TPuzzleRecord& record, int word, GridSquare square);

struct LetterRemoval {
    bool removed = false;
    GridSquare square;  // the freed square; column 0 when the slot named none of the grid
};

// Removes the letter at position p of word w and frees its square; nothing
// is removed when that position is empty or out of range.
LetterRemoval removeLetter(TPuzzleRecord& record, int word, int position);

// Clears word w down to its first letter (Spill).
void spillWord(TPuzzleRecord& record, int word);

// The same three as undoable steps of the puzzle's change path.
ConstructionClick constructionClick(PuzzleEdits& edits, int word, GridSquare square);
LetterRemoval removeLetter(PuzzleEdits& edits, int word, int position);
void spillWord(PuzzleEdits& edits, int word);

// A letter typed into a free square while editing the grid (0 clears it).
void typeGridLetter(PuzzleEdits& edits, GridSquare square, std::uint8_t letter);

// The square size that keeps a window of the given outer width snapped to
// whole squares: the client holds count squares and one closing line, the
// frame takes 8 pixels. Never below 1.
int snappedSquare(int outerWidth, int count);

// The number of acrostic words the author-title window shows: the highest
// word holding any letter, so a word whose first letter was removed keeps
// its place in the row.
int titleWordCount(const TPuzzleRecord& record);

enum class TitleArea {
    Word,       // a word's square in the top row
    Letter,     // a letter position in the lower row
    Elsewhere,  // anything else: gaps, borders, right of the last word
};

struct TitleHit {
    TitleArea area = TitleArea::Elsewhere;
    int index = 0;  // the word 1..wordCount or the position, 31 on the closing line
};

// What a click at (x, y) in the author-title window hits; the lower row
// exists only outside solve mode.
TitleHit titleHitTest(int x, int y, int square, int wordCount, bool solveMode);

}  // namespace zpx
