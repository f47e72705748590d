#include "construct/PuzzleAnalysis.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

TEST(PuzzleAnalysis, SingleWordGrid)
{
    TPuzzleRecord record = gridRecord({"CONSTRUCTS", "##########", "##########", "##########",
                                       "##########", "##########", "##########", "##########"});
    placeWord(record, 1, {{1, 1}});
    const PuzzleAnalysis analysis = analyzePuzzle(record);
    EXPECT_EQ(analysis.gridSize, "10\u00D78");
    EXPECT_EQ(analysis.words, 1);
    EXPECT_EQ(analysis.letters, 10);
    EXPECT_EQ(analysis.authorTitle, "1 / 10");
    EXPECT_EQ(analysis.quotation, "CONSTRUCTS");
    EXPECT_EQ(analysis.authorTitleLine, "C" + std::string(30, ' '));
}

TEST(PuzzleAnalysis, QuotationKeepsOneSpacePerFilledSquareAndWrappedWordsCountOnce)
{
    TPuzzleRecord record = gridRecord({"#TO#BE", "OR##NO", "T#####"});
    // BEOR wraps from row 1 into row 2; NOT from row 2 into row 3.
    placeWord(record, 2, {{2, 1}});
    placeWord(record, 4, {{5, 2}});
    const PuzzleAnalysis analysis = analyzePuzzle(record);
    EXPECT_EQ(analysis.words, 3);
    EXPECT_EQ(analysis.letters, 9);
    EXPECT_EQ(analysis.quotation, "TO BEOR  NOT");
    EXPECT_EQ(analysis.authorTitleLine, " T N" + std::string(27, ' '));
    EXPECT_EQ(analysis.authorTitle, "3 / 3");  // " T N" trims to 3 characters
    EXPECT_EQ(analysis.gridSize, "6\u00D73");
}

TEST(PuzzleAnalysis, AverageRoundsHalvesToEven)
{
    // 11 letters per row: 110 letters for 20 first letters is 5.5 and reads 6.
    std::vector<std::string> rows(10, "ABCDEFGHIJK");
    TPuzzleRecord record = gridRecord(rows);
    for (int w = 1; w <= 20; ++w)
        placeWord(record, w, {{(w - 1) % 11 + 1, (w - 1) / 11 + 1}});
    EXPECT_EQ(analyzePuzzle(record).authorTitle, "20 / 6");
    // 130 letters (13 per row): 6.5 reads 6.
    rows.assign(10, "ABCDEFGHIJKLM");
    record = gridRecord(rows);
    for (int w = 1; w <= 20; ++w)
        placeWord(record, w, {{(w - 1) % 13 + 1, (w - 1) / 13 + 1}});
    EXPECT_EQ(analyzePuzzle(record).authorTitle, "20 / 6");
    // 120 letters: 6 exactly; 5 × 10 = 50 letters over 4 words: 12.5 reads 12.
    rows.assign(10, "ABCDEFGHIJKL");
    record = gridRecord(rows);
    for (int w = 1; w <= 20; ++w)
        placeWord(record, w, {{(w - 1) % 12 + 1, (w - 1) / 12 + 1}});
    EXPECT_EQ(analyzePuzzle(record).authorTitle, "20 / 6");
    rows.assign(5, "ABCDEFGHIJ");
    record = gridRecord(rows);
    for (int w = 1; w <= 4; ++w)
        placeWord(record, w, {{w, 1}});
    EXPECT_EQ(analyzePuzzle(record).authorTitle, "4 / 12");
}

TEST(PuzzleAnalysis, NoFirstLetterGivesNoAverage)
{
    TPuzzleRecord record = gridRecord({"AB#C"});
    const PuzzleAnalysis analysis = analyzePuzzle(record);
    EXPECT_EQ(analysis.authorTitle, "0 / -");
    EXPECT_EQ(analysis.authorTitleLine, std::string(31, ' '));
    EXPECT_EQ(analysis.words, 2);
    EXPECT_EQ(analysis.letters, 3);
}

TEST(PuzzleAnalysis, ErasedLettersAndDamagedSlotsAreSafe)
{
    TPuzzleRecord record = gridRecord({"ABC"});
    record.answer(2, 1) = 0;          // erased in grid editing: still a letter square
    record.squareSlot(1, 1) = 131;    // a first letter of word 31, which does not exist
    record.squareSlot(3, 1) = 100;    // word 0
    const PuzzleAnalysis analysis = analyzePuzzle(record);
    EXPECT_EQ(analysis.quotation, "A C");
    EXPECT_EQ(analysis.letters, 3);
    EXPECT_EQ(analysis.authorTitleLine, std::string(31, ' '));
}
