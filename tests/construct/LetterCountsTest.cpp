#include "construct/LetterCounts.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

namespace {

int count(const LetterCounts& counts, char letter)
{
    return counts.letters[letter - 'A'];
}

}  // namespace

TEST(LetterCounts, AfterInputEveryWordIsUnfilledAndFirstLettersAreTaken)
{
    // Quotation "YOU SEE WHY", author-title line "YES": first letters Y, E, S.
    TPuzzleRecord record = gridRecord({"YOU#SEE#", "WHY#####"});
    placeWord(record, 1, {{1, 1}});
    placeWord(record, 2, {{6, 1}});
    placeWord(record, 3, {{5, 1}});
    const LetterCounts counts = countFreeLetters(record);
    EXPECT_EQ(counts.unfilledWords, 3);
    EXPECT_EQ(counts.remaining(), 9 - 3);
    EXPECT_EQ(count(counts, 'Y'), 1);
    EXPECT_EQ(count(counts, 'E'), 1);
    EXPECT_EQ(count(counts, 'S'), 0);
    EXPECT_EQ(count(counts, 'O'), 1);
    EXPECT_EQ(counts.vowels, 4);  // O, U, E and the Y of WHY
    EXPECT_EQ(counts.consonants, 2);
    EXPECT_EQ(lettersSummary(counts),
              "3 unfilled acrostic words  /    4 vowels  +  2 consonants  =  6 remaining letters");

    placeWord(record, 2, {{2, 2}});
    const LetterCounts after = countFreeLetters(record);
    EXPECT_EQ(after.unfilledWords, 2);
    EXPECT_EQ(count(after, 'H'), 0);
    EXPECT_EQ(after.consonants, 1);
}

TEST(LetterCounts, EveryLetterUsedCountsNothing)
{
    TPuzzleRecord record = gridRecord({"ABC#", "DEF#"});
    placeWord(record, 1, {{1, 1}, {2, 1}, {3, 1}});
    placeWord(record, 2, {{1, 2}, {2, 2}, {3, 2}});
    const LetterCounts counts = countFreeLetters(record);
    for (int n : counts.letters)
        EXPECT_EQ(n, 0);
    EXPECT_EQ(lettersSummary(counts),
              "0 unfilled acrostic words  /    0 vowels  +  0 consonants  =  0 remaining letters");
}

TEST(LetterCounts, ErasedLettersAndSquaresOutsideTheGridAreNotCounted)
{
    TPuzzleRecord record = gridRecord({"AAB", "A#B"});
    record.answer(3, 2) = 0;      // erased in grid editing
    record.answer(10, 10) = 'Q';  // storage outside the 3 × 2 grid
    const LetterCounts counts = countFreeLetters(record);
    EXPECT_EQ(count(counts, 'A'), 3);
    EXPECT_EQ(count(counts, 'B'), 1);
    EXPECT_EQ(count(counts, 'Q'), 0);
    EXPECT_EQ(counts.remaining(), 4);
    EXPECT_EQ(counts.unfilledWords, 0);
}

TEST(LetterCounts, UnfilledMeansOneLetterInTheLeadingRun)
{
    TPuzzleRecord record = gridRecord({"ABCDEFGH"});
    placeWord(record, 1, {{1, 1}});
    placeWord(record, 2, {{2, 1}, {3, 1}, {4, 1}});
    placeWord(record, 3, {{5, 1}, {6, 1}});
    clearSlot(record, letterSlot(2, 2));  // B keeps its first letter, then a gap
    clearSlot(record, letterSlot(1, 3));  // C has lost its first letter, F remains
    placeWord(record, 4, {{7, 1}});
    EXPECT_EQ(countFreeLetters(record).unfilledWords, 4);
    placeWord(record, 4, {{8, 1}});
    EXPECT_EQ(countFreeLetters(record).unfilledWords, 3);
}

TEST(LetterCounts, CellTextPadsCountsBelowTen)
{
    EXPECT_EQ(letterCellText('A', 7), "A- 7");
    EXPECT_EQ(letterCellText('Q', 0), "Q- 0");
    EXPECT_EQ(letterCellText('I', 9), "I- 9");
    EXPECT_EQ(letterCellText('E', 10), "E-10");
    EXPECT_EQ(letterCellText('E', 120), "E-120");
}
