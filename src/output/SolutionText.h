#pragma once
// The two texts of the solution page: the quotation read off the grid and
// the author-title line read off the acrostic words' first letters.

#include "core/PuzzleRecord.h"

#include <string>
#include <string_view>

namespace zpx {

struct SolutionTexts {
    std::string quotation;    // Windows-1252
    std::string authorTitle;  // Windows-1252
};

// The quotation runs row after row with no break at row ends and one space
// per filled square, without leading or trailing spaces; a letter square
// whose letter was cleared in grid editing shows as '_', so the gap stays
// visible. Character w of the author-title line is word w's first letter,
// a space where a word has none placed; trailing spaces are dropped.
SolutionTexts prepareSolutionTexts(const TPuzzleRecord& record);

// C&ase on UTF-8 text: to capitals when `mixed`, else to sentence case, where
// the first character stays and characters 2 to `lastLowered` become small.
// Only A–Z and a–z change.
std::string toggledCase(std::string_view utf8, bool mixed, int lastLowered);

// The characters C&ase lowers at most: the quotation box and the author-title box.
constexpr int QuotationLastLowered = 401;
constexpr int AuthorTitleLastLowered = 61;

}  // namespace zpx
