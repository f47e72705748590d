#pragma once
// Fill Remaining Words: every open acrostic word (see AnswerContext) becomes
// a word of the list that starts with its letters so far, so that together
// they use every free quotation letter. No two answers share a stem, no
// answer shares one with a quotation word of four letters or more, and the
// answers are as common as the search can make them in the time it has (the
// total of their list levels, low is common). Their new letters go on
// squares as SquarePlacement places them.
//
// The search fills the word with the fewest candidates first, tries the
// candidates that use the letters left over most, and abandons a branch as
// soon as the letters left can no longer be shared out: too many or too few
// for the words left, or more of one letter than those words could take. The
// last three words are matched exactly against the letters left. A found
// fill is then improved two answers at a time, each pair replaced by the
// most common pair that uses the same letters.

#include "construct/WordList.h"
#include "core/PuzzleEdits.h"
#include "core/PuzzleRecord.h"

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

namespace zpx {

struct FillLimits {
    std::chrono::milliseconds time{10000};
    const std::atomic<bool>* cancel = nullptr;  // set from another thread to stop the search
};

enum class FillStatus {
    Filled,
    NothingToFill,  // no open word and no free letter
    Impossible,     // the free letters cannot be used up by list words
    OutOfTime,
    Cancelled,
};

struct PlannedAnswer {
    int word = 0;
    std::string text;          // the whole answer
    int level = 0;
    std::vector<int> squares;  // all its squares in position order, held ones first
};

struct FillPlan {
    FillStatus status = FillStatus::Impossible;
    std::vector<PlannedAnswer> answers;  // the open words, in word order
    int repeats = 0;                    // letters Scan Grid would find twice in a quotation word
};

FillPlan planFill(const TPuzzleRecord& record, const WordList& list, const FillLimits& limits);

// Writes the plan's answers into the record.
void applyFill(TPuzzleRecord& record, const FillPlan& plan);
// The same as one step, undone at once.
void applyFill(PuzzleEdits& edits, const FillPlan& plan);

// What the user is told when a plan has no answers: "No fill was found within 10 seconds."
std::string fillRefusalText(const FillPlan& plan, const FillLimits& limits);

}  // namespace zpx
