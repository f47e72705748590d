// Checking and revealing the solver's letters: which squares a command
// covers, which are marked wrong and for how long, and what a reveal keeps.

#include "solve/SolverChecks.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

namespace {

// "CAT#DOG": word A is C A T, word B is D O G.
TPuzzleRecord twoWords()
{
    TPuzzleRecord record = gridRecord({"CAT#", "DOG#"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}});
    placeWord(record, 2, {{1, 2}, {2, 2}, {3, 2}});
    return record;
}

}  // namespace

TEST(SolverChecks, ACommandCoversTheLetterItsWordOrTheGrid)
{
    const TPuzzleRecord record = twoWords();
    using Squares = std::vector<GridSquare>;
    const struct {
        std::optional<GridSquare> current;
        int selected;
        SolverScope scope;
        Squares covered;
    } cases[] = {
        {GridSquare{2, 2}, 0, SolverScope::Letter, {{2, 2}}},
        {GridSquare{4, 1}, 0, SolverScope::Letter, {}},
        {std::nullopt, 1, SolverScope::Letter, {}},
        {GridSquare{2, 2}, 1, SolverScope::Word, {{1, 2}, {2, 2}, {3, 2}}},
        {std::nullopt, 1, SolverScope::Word, {{1, 1}, {2, 1}, {3, 1}}},
        {std::nullopt, 0, SolverScope::Word, {}},
        {std::nullopt, 0, SolverScope::Grid, {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}},
    };
    for (const auto& [current, selected, scope, covered] : cases)
        EXPECT_EQ(scopeSquares(record, current, selected, scope), covered) << static_cast<int>(scope);
}

TEST(SolverChecks, WrongLettersStayMarkedUntilTheirLetterChanges)
{
    TPuzzleRecord record = twoWords();
    record.entry(1, 1) = 'C';  // right
    record.entry(2, 1) = 'E';  // wrong
    record.entry(3, 2) = 'X';  // wrong, outside the word checked
    CheckMarks marks;
    EXPECT_EQ(marks.check(record, scopeSquares(record, GridSquare{1, 1}, 0, SolverScope::Word)), 1);
    EXPECT_TRUE(marks.marked(record, {2, 1}));
    EXPECT_FALSE(marks.marked(record, {1, 1}));
    EXPECT_FALSE(marks.marked(record, {3, 1}));  // empty squares are not wrong letters
    EXPECT_FALSE(marks.marked(record, {3, 2}));

    record.entry(2, 1) = 'O';
    EXPECT_FALSE(marks.marked(record, {2, 1}));
    record.entry(2, 1) = 'E';
    EXPECT_TRUE(marks.marked(record, {2, 1}));  // the letter that was found wrong is still wrong
    EXPECT_EQ(marks.check(record, scopeSquares(record, std::nullopt, 0, SolverScope::Grid)), 2);
    marks.clear();
    EXPECT_FALSE(marks.marked(record, {3, 2}));
}

TEST(SolverChecks, ARevealIsOneStepRememberedPastItsUndo)
{
    TPuzzleRecord record = twoWords();
    record.entry(1, 2) = 'D';  // already right: nothing to reveal there
    record.entry(2, 2) = 'A';
    bool modified = false;
    PuzzleEdits edits(record, modified);
    revealSquares(edits, scopeSquares(record, GridSquare{2, 2}, 0, SolverScope::Word));
    EXPECT_EQ(edits.depth(), 1u);
    EXPECT_EQ(edits.undoStep(), EditStep::Reveal);
    EXPECT_EQ(record.entry(2, 2), 'O');
    EXPECT_EQ(record.entry(3, 2), 'G');
    EXPECT_FALSE(edits.progress().isRevealed({1, 2}));
    EXPECT_TRUE(showsRevealMark(record, edits.progress(), {2, 2}));

    // Undone, the letters go back but the solver has seen them.
    edits.undo();
    EXPECT_EQ(record.entry(2, 2), 'A');
    EXPECT_TRUE(edits.progress().cheated());
    EXPECT_FALSE(showsRevealMark(record, edits.progress(), {2, 2}));
    EXPECT_TRUE(modified);
    edits.markSaved();
    EXPECT_FALSE(modified);

    // A word already right reveals nothing and is no cheat.
    edits.startFresh(record);
    revealSquares(edits, scopeSquares(record, GridSquare{1, 2}, 0, SolverScope::Letter));
    EXPECT_FALSE(edits.progress().cheated());
    EXPECT_EQ(edits.depth(), 0u);
}
