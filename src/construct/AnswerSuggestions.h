#pragma once
// Candidate answers for one acrostic word: list words that start with the
// letters the word holds (gaps closed), add only letters still free in the
// quotation, and share no stem with a quotation word of four letters or more
// or with another complete answer. The most common come first; of equally
// common ones, those whose letters can go on squares without Scan Grid
// finding the word come before those that cannot.

#include "construct/WordList.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zpx {

struct Suggestion {
    std::string text;  // the whole answer, upper case
    int level = 0;
    bool repeats = false;  // Scan Grid would list it, wherever its letters go
};

std::vector<Suggestion> suggestAnswers(const TPuzzleRecord& record, const WordList& list, int word, std::size_t limit);

// Word w's squares, in position order, for the answer `text` that starts
// with the letters it holds: those it holds, then free squares placed by the
// rule. Nullopt when the answer does not start so or a letter is not free.
std::optional<std::vector<int>> answerSquares(const TPuzzleRecord& record, int word, const std::string& text);

// Builds word w as the answer `text`, on the squares answerSquares gives, as
// one step; false, with nothing changed, when there are none.
bool buildAnswer(PuzzleEdits& edits, int word, const std::string& text);

}  // namespace zpx
