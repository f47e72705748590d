#include "app/ShellFigures.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;

namespace {

// A grid of `letters` letter squares (the rest filled) whose first `words`
// squares carry first letters.
TPuzzleRecord figuresRecord(int letters, int words)
{
    TPuzzleRecord record;
    resetPuzzle(record, 31, 12);
    int n = 0;
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 31; ++c, ++n) {
            if (n < letters) {
                record.answer(c, r) = 'E';
                if (n < words)
                    addSquareToWord(record, n + 1, c, r);
            } else {
                record.answer(c, r) = FilledAnswer;
                record.squareSlot(c, r) = FilledSlot;
            }
        }
    return record;
}

}  // namespace

TEST(ShellFigures, QuotientRoundsHalvesToEven)
{
    EXPECT_EQ(constructionFigures(figuresRecord(120, 22)), "120 \u00F7 22 = 5");
    EXPECT_EQ(constructionFigures(figuresRecord(110, 20)), "110 \u00F7 20 = 6");
    EXPECT_EQ(constructionFigures(figuresRecord(130, 20)), "130 \u00F7 20 = 6");
    EXPECT_EQ(constructionFigures(figuresRecord(90, 20)), "90 \u00F7 20 = 4");
}

TEST(ShellFigures, OnlyFirstLettersCountAsWords)
{
    TPuzzleRecord record = figuresRecord(40, 3);
    addSquareToWord(record, 1, 31, 1);  // a second letter of word A
    EXPECT_EQ(constructionFigures(record), "40 \u00F7 3 = 13");
    EXPECT_EQ(constructionFigures(figuresRecord(40, 0)), "40 \u00F7 0 = -");
}

TEST(ShellFigures, SolveBylineCreditsTheConstructor)
{
    TPuzzleRecord record = test::gridRecord({"AB#"});
    EXPECT_EQ(solveByline(record), "a Zephyrtrace puzzle");
    record.Byline.assign("Ren\xE9 Dupont");
    EXPECT_EQ(solveByline(record), "by Ren\u00E9 Dupont");
}
