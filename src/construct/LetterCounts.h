#pragma once
// The quotation letters still free for acrostic words, as the letters
// distribution shows them: a free square is a letter square (A..Z) that no
// word uses yet. Y counts as a vowel.

#include "core/PuzzleRecord.h"

#include <array>
#include <string>

namespace zpx {

struct LetterCounts {
    std::array<int, 26> letters{};  // free squares of A..Z
    int vowels = 0;
    int consonants = 0;
    int unfilledWords = 0;          // words holding only one letter in their leading run

    int remaining() const { return vowels + consonants; }
};

LetterCounts countFreeLetters(const TPuzzleRecord& record);

// One cell: the letter, "-", a space below 10, the count: "A- 7", "E-12".
std::string letterCellText(char letter, int count);

// "3 unfilled acrostic words  /    40 vowels  +  55 consonants  =  95 remaining letters"
std::string lettersSummary(const LetterCounts& counts);

}  // namespace zpx
