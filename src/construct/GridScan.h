#pragma once
// The grid scan: which acrostic words take two or more letters from one
// quotation word. A quotation word is a run of letter squares in reading
// order (rows top to bottom, columns left to right) between filled squares,
// so a word may wrap from the end of one row into the next.
//
// Each such acrostic word gives one scan line: its label, ".", and its
// letters (see wordText), e.g. "C.WATER" or "bb.STONE".

#include "core/PuzzleRecord.h"

#include <string>
#include <vector>

namespace zpx {

// Word w's scan line.
std::string scanLine(const TPuzzleRecord& record, int word);

// The scan lines, each once, in the order the scan list shows them: sorted
// without regard to case, as a sorted list box keeps them ("bb.STONE"
// before "C.WATER"). Empty when no word repeats within a quotation word.
std::vector<std::string> scanGrid(const TPuzzleRecord& record);

}  // namespace zpx
