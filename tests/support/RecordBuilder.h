#pragma once
// Builds small puzzle records for the construction tests: rows of letters,
// '#' for a filled square.

#include "construct/QuoteLayout.h"
#include "core/PuzzleRecord.h"

#include <string>
#include <vector>

namespace zpx::test {

inline TPuzzleRecord gridRecord(const std::vector<std::string>& rows)
{
    TPuzzleRecord record;
    resetPuzzle(record, static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int r = 1; r <= record.GridHeight; ++r)
        for (int c = 1; c <= record.GridWidth; ++c) {
            const char ch = rows[r - 1][c - 1];
            if (ch == '#') {
                record.answer(c, r) = FilledAnswer;
                record.squareSlot(c, r) = FilledSlot;
            } else {
                record.answer(c, r) = static_cast<std::uint8_t>(ch);
            }
        }
    return record;
}

// The grid in reading order: '#' for a filled square, else the letter.
inline std::string readingOrder(const TPuzzleRecord& record)
{
    std::string squares;
    for (int r = 1; r <= record.GridHeight; ++r)
        for (int c = 1; c <= record.GridWidth; ++c)
            squares += record.isFilled(c, r) ? '#' : static_cast<char>(record.answer(c, r));
    return squares;
}

// Adds the squares (column, row) to word w in order.
inline void placeWord(TPuzzleRecord& record, int word, const std::vector<std::pair<int, int>>& squares)
{
    for (const auto& [c, r] : squares)
        addSquareToWord(record, word, c, r);
}

// Thoreau's lines from Walden as a new construction: 163 letters, 23 words
// holding only their first letters.
inline const char* const WaldenQuotation =
    "I went to the woods because I wished to live deliberately, to front only the essential facts of life, "
    "and see if I could not learn what it had to teach, and not, when I came to die, discover that I had not lived.";
inline const char* const WaldenAuthorTitle = "Henry David Thoreau, Walden";

inline TPuzzleRecord newConstruction(const char* quotation = WaldenQuotation, const char* authorTitle = WaldenAuthorTitle)
{
    TPuzzleRecord record;
    RandomSource random(7);
    buildPuzzleFromInput(record, quotation, authorTitle, GridSizing{}, random);
    return record;
}

}  // namespace zpx::test
