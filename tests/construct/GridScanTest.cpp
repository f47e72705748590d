#include "construct/GridScan.h"

#include "construct/GridEditing.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

using Lines = std::vector<std::string>;

TEST(GridScan, AWordTakingSeveralLettersOfOneQuotationWordIsListedOnce)
{
    TPuzzleRecord record = gridRecord({"THE#END#", "OF#IT###"});
    placeWord(record, 1, {{1, 1}, {2, 1}});
    placeWord(record, 2, {{5, 1}});
    EXPECT_EQ(scanGrid(record), Lines({"A.TH"}));
    placeWord(record, 1, {{3, 1}});  // the E of THE as well
    EXPECT_EQ(scanGrid(record), Lines({"A.THE"}));
    EXPECT_EQ(scanGrid(record), Lines({"A.THE"}));  // scanning again lists nothing new
}

TEST(GridScan, LettersOfDifferentWordsOrAcrossFilledSquaresDoNotMatch)
{
    TPuzzleRecord record = gridRecord({"THE#END#", "OF#IT###"});
    EXPECT_TRUE(scanGrid(record).empty());
    // After the input dialog each word holds one first letter: never a match.
    placeWord(record, 1, {{1, 1}});
    placeWord(record, 2, {{2, 1}});
    placeWord(record, 3, {{3, 1}});
    EXPECT_TRUE(scanGrid(record).empty());
    placeWord(record, 1, {{5, 1}, {1, 2}, {4, 2}});  // E, O, I: three quotation words
    EXPECT_TRUE(scanGrid(record).empty());
}

TEST(GridScan, AQuotationWordWrappingIntoTheNextRowIsOneWord)
{
    TPuzzleRecord record = gridRecord({"AB#CD", "EF#GH", "IJ#KL", "MN#OP"});
    // Row 3 ends in K L and row 4 starts with M N, no filled square between.
    placeWord(record, 3, {{5, 3}, {1, 4}});
    EXPECT_EQ(scanGrid(record), Lines({"C.LM"}));
    // Row 1's last square and row 2's first: also one run.
    placeWord(record, 4, {{5, 1}, {1, 2}});
    EXPECT_EQ(scanGrid(record), Lines({"C.LM", "D.DE"}));
}

TEST(GridScan, LinesAreSortedWithoutRegardToCaseAndUseDoubledLabels)
{
    TPuzzleRecord record = gridRecord({"WATERSTONEABCD"});
    placeWord(record, 3, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    placeWord(record, 28, {{6, 1}, {7, 1}, {8, 1}, {9, 1}, {10, 1}});
    placeWord(record, 2, {{11, 1}, {12, 1}});
    placeWord(record, 27, {{13, 1}, {14, 1}});
    EXPECT_EQ(scanGrid(record), Lines({"aa.CD", "B.AB", "bb.STONE", "C.WATER"}));
}

TEST(GridScan, LinesStopAtTheFirstGapAndDamagedSlotsAreIgnored)
{
    TPuzzleRecord record = gridRecord({"WATER", "SUNNY"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}});
    clearSlot(record, letterSlot(2, 1));
    EXPECT_EQ(scanGrid(record), Lines({"A.W"}));
    record.squareSlot(1, 2) = 131;  // word 31 does not exist
    record.squareSlot(2, 2) = 131;
    record.squareSlot(3, 2) = 3105;  // position 31 does not exist
    record.squareSlot(4, 2) = 3105;
    record.squareSlot(5, 2) = -7;
    EXPECT_EQ(scanGrid(record), Lines({"A.W"}));
}

TEST(GridScan, AFirstLetterMovedOffTheAuthorTitleLineIsListedAndWarned)
{
    // Words A "TO", B "HF", C "IE" spell THI.
    TPuzzleRecord record = gridRecord({"THE#END#", "OF#IT###"});
    placeWord(record, 1, {{1, 1}, {1, 2}});
    placeWord(record, 2, {{2, 1}, {2, 2}});
    placeWord(record, 3, {{4, 2}, {5, 1}});
    const std::string loaded = authorTitleLetters(record);
    EXPECT_EQ(loaded, "THI");
    EXPECT_EQ(scanGrid(record, loaded), Lines({}));
    EXPECT_EQ(authorTitleWarning(record, loaded), "");

    // B's first letter removed, then the N of END clicked: it becomes B's first letter.
    removeLetter(record, 2, 1);
    EXPECT_EQ(scanGrid(record, loaded), Lines({"B.no first letter, not H"}));
    addSquareToWord(record, 2, 6, 1);
    clearSlot(record, letterSlot(1, 3));
    EXPECT_EQ(scanGrid(record, loaded), Lines({"B.first letter N, not H", "C.no first letter, not I"}));
    EXPECT_EQ(authorTitleWarning(record, loaded),
              "The first letters no longer spell the author-title line: B begins with N instead of H, C has none "
              "instead of I. The acrostic now reads TN.");
    // Without the loaded line only repeats are scanned, as before.
    EXPECT_EQ(scanGrid(record), Lines({}));
}
