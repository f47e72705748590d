#pragma once
// The puzzle as JPZ, the Crossword Compiler XML that the Crossword Nexus web
// solver and kotwords read for acrostics: the quotation grid with its
// solution letters and printed numbers (cells counted from 1, filled squares
// as blocks), one word per answer listing its cells, and the quotation as
// the word whose clue is "[QUOTE]".

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx {

// The XML text, UTF-8. `title` (UTF-8) names the puzzle; the byline is its creator.
std::string writeJpz(const TPuzzleRecord& record, const std::string& title);

}  // namespace zpx
