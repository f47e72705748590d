#include "core/PuzzleRecord.h"

#include <gtest/gtest.h>

using namespace zpx;

TEST(PuzzleRecord, ResetClearsTheWholeStorageButKeepsClueCharacters)
{
    TPuzzleRecord record;
    record.answer(31, 21) = 'X';
    record.entry(1, 1) = 'Y';
    record.squareSlot(20, 20) = 305;
    record.SlotSquares[3199] = 101;
    record.Clues[4].assign("OLD CLUE");
    record.Byline.assign("someone");
    resetPuzzle(record, 12, 9);
    EXPECT_EQ(record.GridWidth, 12);
    EXPECT_EQ(record.GridHeight, 9);
    EXPECT_EQ(record.answer(31, 21), 0);
    EXPECT_EQ(record.entry(1, 1), 0);
    EXPECT_EQ(record.squareSlot(20, 20), 0);
    EXPECT_EQ(record.SlotSquares[3199], 0);
    EXPECT_EQ(record.Clues[4].length, 0);
    EXPECT_EQ(record.Clues[4].chars[0], 'O');
    EXPECT_TRUE(record.Byline.text().empty());
}

TEST(PuzzleRecord, SlotSquareDecodesAndRefusesOutsideReferences)
{
    TPuzzleRecord record;
    resetPuzzle(record, 12, 9);
    record.SlotSquares[1202] = 907;
    EXPECT_EQ(slotSquare(record, 1203), std::make_pair(9, 7));
    EXPECT_EQ(slotSquare(record, 1204), std::make_pair(0, 0));
    record.SlotSquares[1202] = 3221;  // column 32 is outside any grid
    EXPECT_EQ(slotSquare(record, 1203), std::make_pair(0, 0));
    record.SlotSquares[1202] = 1310;  // row 10 of a 9-row grid
    EXPECT_EQ(slotSquare(record, 1203), std::make_pair(0, 0));
    EXPECT_EQ(slotSquare(record, 0), std::make_pair(0, 0));
    EXPECT_EQ(slotSquare(record, 3201), std::make_pair(0, 0));
}

TEST(PuzzleRecord, CompleteWhenNoGridSquareIsUnused)
{
    TPuzzleRecord record;
    resetPuzzle(record, 3, 2);
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r)
            record.squareSlot(c, r) = FilledSlot;
    EXPECT_TRUE(isComplete(record));  // cells outside the grid stay 0 and do not count
    record.squareSlot(2, 2) = 0;
    EXPECT_FALSE(isComplete(record));
    record.squareSlot(2, 2) = 402;
    EXPECT_TRUE(isComplete(record));
    record.GridHeight = 0;
    EXPECT_TRUE(isComplete(record));
}

TEST(PuzzleRecord, WordsGrowAtTheLowestEmptyPositionUpToThirty)
{
    TPuzzleRecord record;
    resetPuzzle(record, 31, 2);
    EXPECT_EQ(addSquareToWord(record, 3, 1, 1), 1);
    EXPECT_EQ(addSquareToWord(record, 3, 2, 1), 2);
    EXPECT_EQ(record.squareSlot(2, 1), 203);
    EXPECT_EQ(record.slotSquareRef(203), 201);
    clearSlot(record, 103);
    EXPECT_EQ(record.squareSlot(1, 1), 0);
    EXPECT_EQ(record.slotSquareRef(103), 0);
    EXPECT_EQ(addSquareToWord(record, 3, 5, 1), 1);  // the gap is filled first
    for (int c = 6; c <= 31; ++c)
        addSquareToWord(record, 3, c, 1);
    EXPECT_EQ(addSquareToWord(record, 3, 1, 2), 29);
    EXPECT_EQ(addSquareToWord(record, 3, 2, 2), 30);
    EXPECT_EQ(addSquareToWord(record, 3, 3, 2), 0);
    EXPECT_EQ(record.squareSlot(3, 2), 0);
}

TEST(PuzzleRecord, WordLabels)
{
    EXPECT_EQ(wordLabel(1), "A");
    EXPECT_EQ(wordLabel(26), "Z");
    EXPECT_EQ(wordLabel(27), "aa");
    EXPECT_EQ(wordLabel(30), "dd");
    EXPECT_EQ(wordLabel(31), "");
}
