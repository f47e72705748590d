#include "solve/ClueLines.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

TEST(ClueLines, CluePaddedAndCutThenOneCellPerSquare)
{
    TPuzzleRecord record = gridRecord({"APPLE#PIE"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    placeWord(record, 3, {{7, 1}, {8, 1}});
    record.Clues[0].assign("Rural home");
    record.Clues[2].assign(std::string(80, 'x'));
    record.entry(2, 1) = 'P';
    record.entry(3, 1) = 'P';
    record.entry(8, 1) = 'I';

    EXPECT_EQ(clueLine(record, 1), "Rural home     __ P P __ __ ");
    // 80 characters and five spaces are cut at 85: all five stay.
    EXPECT_EQ(clueLine(record, 3), std::string(80, 'x') + "     __ I ");
    // Word 2 has no clue text and no line; the lines keep their own words.
    EXPECT_EQ(clueWords(record), (std::vector<int>{1, 3}));
    // Under each cell the number of its square, counted past the filled square as on paper.
    SquareNumbers numbers;
    NumberSquares(record, numbers);
    EXPECT_EQ(clueCells(record, 3, numbers), (std::vector<ClueCell>{{0, 6}, {'I', 7}}));
}

TEST(ClueLines, AnswerStopsAtTheFirstGapOrASquareOutsideTheGrid)
{
    TPuzzleRecord record = gridRecord({"ABCDE"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}});
    record.setSlotSquare(letterSlot(2, 1), 0);
    EXPECT_EQ(answerSquares(record, 1), (std::vector<std::pair<int, int>>{{1, 1}}));
    record.setSlotSquare(letterSlot(1, 2), 905);  // column 9 of a 5-column grid
    EXPECT_TRUE(answerSquares(record, 2).empty());
    EXPECT_TRUE(answerSquares(record, 0).empty());
}
