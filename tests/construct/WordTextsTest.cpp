#include "construct/WordTexts.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

TEST(WordTexts, GapsShowAsSpacesWhileTheLeadingRunStopsAtTheFirstGap)
{
    TPuzzleRecord record = gridRecord({"WATER#SUN"});
    placeWord(record, 2, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
    EXPECT_EQ(wordText(record, 2), "WATER");
    EXPECT_EQ(wordTextWithGaps(record, 2), "WATER" + std::string(25, ' '));
    EXPECT_EQ(leadingLetterCount(record, 2), 5);

    clearSlot(record, letterSlot(3, 2));
    EXPECT_EQ(wordText(record, 2), "WA");
    EXPECT_EQ(wordTextWithGaps(record, 2), "WA ER" + std::string(25, ' '));
    EXPECT_EQ(leadingLetterCount(record, 2), 2);

    clearSlot(record, letterSlot(1, 2));
    EXPECT_EQ(wordText(record, 2), " A");
    EXPECT_EQ(wordTextWithGaps(record, 2).substr(0, 5), " A ER");
    EXPECT_EQ(leadingLetterCount(record, 2), 1);
    EXPECT_EQ(wordText(record, 9), " ");
    EXPECT_EQ(leadingLetterCount(record, 9), 0);
}

TEST(WordTexts, ThirtyLetterWordIsShownWhole)
{
    TPuzzleRecord record = gridRecord({std::string(30, 'A'), std::string(30, 'B')});
    for (int c = 1; c <= 15; ++c)
        placeWord(record, 30, {{c, 1}, {c, 2}});
    std::string expected;
    for (int i = 0; i < 15; ++i)
        expected += "AB";
    EXPECT_EQ(wordText(record, 30), expected);
    EXPECT_EQ(wordTextWithGaps(record, 30), wordText(record, 30));
    EXPECT_EQ(leadingLetterCount(record, 30), 30);
}

TEST(WordTexts, WordCountKeepsWordsAfterOneWithoutFirstLetter)
{
    TPuzzleRecord record = gridRecord({"ABCDE"});
    EXPECT_EQ(acrosticWordCount(record), 0);
    for (int w = 1; w <= 5; ++w)
        placeWord(record, w, {{w, 1}});
    EXPECT_EQ(acrosticWordCount(record), 5);
    clearSlot(record, letterSlot(1, 3));
    EXPECT_EQ(acrosticWordCount(record), 5);
    clearSlot(record, letterSlot(1, 5));
    EXPECT_EQ(acrosticWordCount(record), 4);
}

TEST(WordTexts, SlotsNamingSquaresOutsideTheGridOrWithoutLettersReadAsSpaces)
{
    TPuzzleRecord record = gridRecord({"AB#"});
    record.setSlotSquare(letterSlot(1, 1), 101);
    record.setSlotSquare(letterSlot(2, 1), 2501);  // column 25 of a 3-column grid
    record.answer(2, 1) = 0;                        // erased in grid editing
    record.setSlotSquare(letterSlot(1, 2), 201);
    EXPECT_EQ(slotLetter(record, letterSlot(1, 1)), 'A');
    EXPECT_EQ(slotLetter(record, letterSlot(2, 1)), ' ');
    EXPECT_EQ(wordText(record, 1), "A");
    EXPECT_EQ(wordText(record, 2), " ");
    EXPECT_EQ(slotLetter(record, 0), ' ');
    EXPECT_EQ(slotLetter(record, 4000), ' ');
}
