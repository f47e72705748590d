#pragma once
// Where the solver's cursor goes. In the grid the solver writes the whole
// quotation in reading order, as on paper: typing and Backspace run on over
// filled squares and from row to row, arrows step to the nearest letter
// square in their direction, and Tab and Shift+Tab jump between acrostic
// words. A word is entered at its first empty square, or at its first square
// once it is full, so that typing can start at once.

#include "core/PuzzleRecord.h"

#include <optional>

namespace zpx {

// The letter square after `square` in reading order; nullopt after the last.
std::optional<GridSquare> nextLetterSquare(const TPuzzleRecord& record, GridSquare square);

// The letter square before `square` in reading order; `square` itself at the first.
GridSquare previousLetterSquare(const TPuzzleRecord& record, GridSquare square);

enum class ArrowKey { Left, Right, Up, Down };

// The nearest letter square from `square` in the arrow's direction, within
// its row or column; `square` itself when there is none.
GridSquare arrowSquare(const TPuzzleRecord& record, GridSquare square, ArrowKey arrow);

// The 0-based letter position at which word w is entered: its first empty
// square, or 0 when every square holds a letter (or the word has none).
int entryPosition(const TPuzzleRecord& record, int word);

// The grid square at which word w is entered; nullopt for a word without letters.
std::optional<GridSquare> entrySquare(const TPuzzleRecord& record, int word);

// The word after (or before) w in word order that has letters, going round
// from the last word to the first; w = 0 starts before the first word (or
// after the last). 0 when no word has letters.
int adjacentWord(const TPuzzleRecord& record, int word, bool forward);

enum class StripMove { Left, Right, Home, End };

// The solve window's current square after a move along a word of `length`
// letters: 0-based, within the word. `position` may stand just past the last
// square (where a letter goes on to the next word) or further (no square
// current); Left and End then come to the last square, Right and Home to the first.
int stripPosition(int position, int length, StripMove move);

// The first word after w in word order, going round, with an empty square;
// w itself comes last. 0 when every square of every word holds a letter.
int nextOpenWord(const TPuzzleRecord& record, int word);

}  // namespace zpx
