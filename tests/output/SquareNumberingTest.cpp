#include "output/SquareNumbering.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

TEST(SquareNumbering, LetterSquaresAreNumberedAcrossTheRowsSkippingFilledOnes)
{
    TPuzzleRecord record = gridRecord({"##AB", "C#DE", "FGH#"});
    record.answer(2, 3) = 0;  // a letter cleared in grid editing still counts
    SquareNumbers table;
    table.numbers[0][0] = 77;
    NumberSquares(record, table);
    const int expected[3][4] = {{77, 0, 1, 2}, {3, 0, 4, 5}, {6, 7, 8, 0}};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(table.at(c, r), expected[r - 1][c - 1]) << c << "," << r;
}

TEST(SquareNumbering, NumberTextNamesTheWordOfTheSquare)
{
    TPuzzleRecord record = gridRecord({"ABCD"});
    placeWord(record, 3, {{1, 1}});
    placeWord(record, 26, {{2, 1}});
    placeWord(record, 27, {{3, 1}});
    EXPECT_EQ(NumberText(record, 1, 1, 12), "12 C");
    EXPECT_EQ(NumberText(record, 2, 1, 5), "5 Z");
    EXPECT_EQ(NumberText(record, 3, 1, 14), "14aa");
    EXPECT_EQ(NumberText(record, 4, 1, 4), "");
    record.squareSlot(4, 1) = -305;  // a damaged file's slot names no word
    EXPECT_EQ(NumberText(record, 4, 1, 4), "");
}

TEST(SquareNumbering, SmartQuotesAlternateInEachTextAndMakeApostrophes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Say \"yes\" or \"no\"", "Say \x93yes\x94 or \x93no\x94"},
        {"\"odd", "\x93odd"},
        {"it's", "it\x92s"},
        {"\"Don't\"", "\x93" "Don\x92t\x94"},
        {"plain", "plain"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(SmartQuotes(text), expected) << text;
}
