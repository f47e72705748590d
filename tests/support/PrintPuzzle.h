#pragma once
// A puzzle for the printing tests and benchmark: a 31 × 12 grid with a
// filled square after every seven letters; word A takes 25 letters, each
// further word three; every word has a clue ("Clue 7"), the first one with
// quotes and an apostrophe.

#include "core/PuzzleRecord.h"

#include <string>

namespace zpx::test {

inline TPuzzleRecord printPuzzle(int words = 30)
{
    TPuzzleRecord record;
    resetPuzzle(record, 31, 12);
    int letters = 0;
    int word = 1;
    int position = 0;
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 31; ++c) {
            if ((c + 31 * (r - 1)) % 8 == 0) {
                record.answer(c, r) = FilledAnswer;
                record.squareSlot(c, r) = FilledSlot;
                continue;
            }
            record.answer(c, r) = static_cast<std::uint8_t>('A' + letters++ % 26);
            if (word > words)
                continue;
            addSquareToWord(record, word, c, r);
            if (++position == (word == 1 ? 25 : 3)) {
                ++word;
                position = 0;
            }
        }
    for (int w = 1; w <= words; ++w)
        record.Clues[w - 1].assign(w == 1 ? "Say \"yes\" or \"no\", it's" : "Clue " + std::to_string(w));
    return record;
}

}  // namespace zpx::test
