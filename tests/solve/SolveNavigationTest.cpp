#include "solve/SolveNavigation.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

namespace {

// Filled squares: (3, 1), (4, 2), (1, 3) and (4, 3). Word 1 holds (1, 1)
// (2, 1); word 3 (5, 3) (2, 3) (5, 1); word 2 has no letters.
TPuzzleRecord solvingRecord()
{
    TPuzzleRecord record = gridRecord({"TO#BE", "ORN#O", "#TT#O"});
    placeWord(record, 1, {{1, 1}, {2, 1}});
    placeWord(record, 3, {{5, 3}, {2, 3}, {5, 1}});
    return record;
}

}  // namespace

TEST(SolveNavigation, TypingAndBackspaceRunOverFilledSquaresAndRows)
{
    const TPuzzleRecord record = solvingRecord();
    struct Case { GridSquare from; std::optional<GridSquare> next; GridSquare previous; };
    const Case cases[] = {
        {{1, 1}, GridSquare{2, 1}, {1, 1}},  // the first square has nothing before it
        {{2, 1}, GridSquare{4, 1}, {1, 1}},  // over a filled square
        {{5, 1}, GridSquare{1, 2}, {4, 1}},  // on to the next row
        {{3, 2}, GridSquare{5, 2}, {2, 2}},
        {{5, 2}, GridSquare{2, 3}, {3, 2}},  // next row starts with a filled square
        {{2, 3}, GridSquare{3, 3}, {5, 2}},
        {{5, 3}, std::nullopt, {3, 3}},      // the last square ends the run
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from.column << "," << c.from.row);
        EXPECT_EQ(nextLetterSquare(record, c.from), c.next);
        EXPECT_EQ(previousLetterSquare(record, c.from), c.previous);
    }
}

TEST(SolveNavigation, ArrowsSkipFilledSquaresAndStopAtTheEdge)
{
    const TPuzzleRecord record = solvingRecord();
    struct Case { GridSquare from; ArrowKey arrow; GridSquare to; };
    const Case cases[] = {
        {{2, 1}, ArrowKey::Right, {4, 1}},  {{4, 1}, ArrowKey::Left, {2, 1}},
        {{5, 1}, ArrowKey::Right, {5, 1}},  {{1, 1}, ArrowKey::Left, {1, 1}},
        {{4, 1}, ArrowKey::Down, {4, 1}},   // both squares below are filled
        {{1, 2}, ArrowKey::Down, {1, 2}},   {{2, 1}, ArrowKey::Down, {2, 2}},
        {{3, 3}, ArrowKey::Up, {3, 2}},     {{3, 2}, ArrowKey::Up, {3, 2}},
        {{5, 1}, ArrowKey::Down, {5, 2}},   {{3, 2}, ArrowKey::Right, {5, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from.column << "," << c.from.row);
        EXPECT_EQ(arrowSquare(record, c.from, c.arrow), c.to);
    }
}

TEST(SolveNavigation, WordsAreEnteredAtTheirFirstEmptySquare)
{
    TPuzzleRecord record = solvingRecord();
    EXPECT_EQ(entryPosition(record, 3), 0);
    EXPECT_EQ(entrySquare(record, 3), (GridSquare{5, 3}));
    record.entry(5, 3) = 'O';
    EXPECT_EQ(entryPosition(record, 3), 1);
    EXPECT_EQ(entrySquare(record, 3), (GridSquare{2, 3}));
    // A gap before the end is found before the squares after it.
    record.entry(5, 1) = 'E';
    EXPECT_EQ(entrySquare(record, 3), (GridSquare{2, 3}));
    // A full word is entered at its first square; a word without letters nowhere.
    record.entry(2, 3) = 'T';
    EXPECT_EQ(entryPosition(record, 3), 0);
    EXPECT_EQ(entrySquare(record, 3), (GridSquare{5, 3}));
    EXPECT_EQ(entrySquare(record, 2), std::nullopt);
}

TEST(SolveNavigation, WordJumpsGoRoundAndSkipWordsWithoutLettersOrEmptySquares)
{
    TPuzzleRecord record = solvingRecord();
    struct Case { int word; bool forward; int to; };
    const Case cases[] = {
        {1, true, 3}, {3, true, 1}, {0, true, 1}, {1, false, 3}, {3, false, 1}, {0, false, 3}, {2, true, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(adjacentWord(record, c.word, c.forward), c.to) << c.word << (c.forward ? " forward" : " back");

    EXPECT_EQ(nextOpenWord(record, 1), 3);
    EXPECT_EQ(nextOpenWord(record, 3), 1);
    record.entry(1, 1) = 'T';
    record.entry(2, 1) = 'O';
    // Word 1 is full: from 3 the search goes round to 3 itself, which still has empty squares.
    EXPECT_EQ(nextOpenWord(record, 3), 3);
    EXPECT_EQ(nextOpenWord(record, 1), 3);
    for (const auto& [c, r] : {std::pair(5, 3), std::pair(2, 3), std::pair(5, 1)})
        record.entry(c, r) = 'X';
    EXPECT_EQ(nextOpenWord(record, 3), 0);

    const TPuzzleRecord empty = gridRecord({"AB"});
    EXPECT_EQ(adjacentWord(empty, 0, true), 0);
}

TEST(SolveNavigation, StripMovesStayWithinTheWord)
{
    struct Case { int from; StripMove move; int to; };
    const Case cases[] = {
        {2, StripMove::Left, 1},  {0, StripMove::Left, 0},  {2, StripMove::Right, 3}, {4, StripMove::Right, 4},
        {3, StripMove::Home, 0},  {1, StripMove::End, 4},
        // Just past the last square, or with no square current.
        {5, StripMove::Left, 4},  {5, StripMove::Right, 0}, {31, StripMove::Left, 4}, {31, StripMove::Home, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stripPosition(c.from, 5, c.move), c.to) << c.from << " move " << static_cast<int>(c.move);
    EXPECT_EQ(stripPosition(3, 0, StripMove::End), 0);
}
