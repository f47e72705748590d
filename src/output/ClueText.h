#pragma once
// The clue list a publisher receives beside the grid pictures, as a text
// file and on the clipboard: one line per clued word, the label, the clue
// and the number of every letter's square right-aligned in three places.
// Word B with the clue Poet on squares 7, 12, 105 and 3:
//   "B. Poet   7  12 105   3"

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx {

// Word w's line, Windows-1252, without its line end.
std::string clueListLine(const TPuzzleRecord& record, int word);

// Every clued word's line, each ended by CR LF; empty when no word has a clue.
std::string clueListText(const TPuzzleRecord& record);

}  // namespace zpx
