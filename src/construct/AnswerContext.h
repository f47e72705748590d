#pragma once
// What the suggestions and the fill read from a construction: each acrostic
// word's letters so far, which words are still open, the free letters and
// the stems an answer must not share.
//
// A word is open while its letters are not yet a word of the list and some
// list word starts with them: W or WAT is open, WATER is complete, and so is
// THOREAU, which no list word extends. Letters are read in position order
// with any gap closed, so a partly built word keeps them as its start.

#include "construct/WordList.h"
#include "core/PuzzleRecord.h"

#include <array>
#include <string>
#include <vector>

namespace zpx {

struct AnswerContext {
    int wordCount = 0;
    std::vector<std::string> held;    // [w - 1]: word w's letters so far
    std::vector<bool> open;           // [w - 1]
    std::vector<int> heldStem;        // [w - 1]: the stem of a complete word, -1 for none
    std::vector<int> quotationStems;  // of the quotation words of 4 letters or more
    std::array<int, 26> free{};       // free squares of A..Z

    int freeTotal() const;
    // The stems word w's answer must avoid: the quotation's and the other
    // complete words'.
    std::vector<int> stemsBarredFor(int word) const;
};

AnswerContext readAnswerContext(const TPuzzleRecord& record, const WordList& list);

}  // namespace zpx
