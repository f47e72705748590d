#pragma once
// The letters of an acrostic word as the construction windows show them.
//
// Word w's letters sit in its slots p × 100 + w, p = 1..30; each slot names
// a square whose Answers letter is the word's letter there. Removing a
// letter in the author-title window leaves a gap: with position 3 of
// W-A-T-E-R removed, the gapped text reads "WA ER" and the leading run "WA".

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx {

// The number of acrostic words: the highest word number that holds any
// letter, 0 for none. A word whose first letter was removed still counts,
// so the words after it are not lost.
int acrosticWordCount(const TPuzzleRecord& record);

// The letter of slot s: the Answers letter of its square, or a space for an
// empty slot or a square without a letter.
char slotLetter(const TPuzzleRecord& record, int slot);

// Position 1's letter (a space when empty), then positions 2, 3, ... up to
// the first empty one.
std::string wordText(const TPuzzleRecord& record, int word);

// Positions 1 to 30, a space for every empty one: always 30 characters.
std::string wordTextWithGaps(const TPuzzleRecord& record, int word);

// The number of letters counted from position 1 on, stopping at the first
// empty position after position 1 (an empty position 1 itself is skipped).
int leadingLetterCount(const TPuzzleRecord& record, int word);

}  // namespace zpx
