#pragma once
// The puzzle analysis: the grid read back in reading order. Example: a
// 25 × 12 grid of 340 letters in 62 quotation words, whose first letters
// spell a 20-letter author-title line, reads "25×12", 62, 340 and "20 / 17"
// (340 ÷ 20 letters per acrostic word).

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx {

struct PuzzleAnalysis {
    std::string gridSize;     // "25×12" (UTF-8)
    int words = 0;            // quotation words
    int letters = 0;          // letter squares
    std::string authorTitle;  // "L / average"; "0 / -" without any first letter
    std::string quotation;    // one space per filled square, trimmed at both ends
    std::string authorTitleLine;  // 31 characters: each word's first letter at its position
};

PuzzleAnalysis analyzePuzzle(const TPuzzleRecord& record);

}  // namespace zpx
