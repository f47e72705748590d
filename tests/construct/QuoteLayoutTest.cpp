#include "construct/QuoteLayout.h"
#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace zpx;
using zpx::test::readingOrder;

namespace {

const GridSizing Auto{};

GridSizing manual(int width, int height) { return {false, width, height}; }

// n letters cycling through the alphabet, no spaces.
std::string letters(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += static_cast<char>('A' + i % 26);
    return text;
}

int leadingFilled(const TPuzzleRecord& record)
{
    const std::string squares = readingOrder(record);
    return static_cast<int>(squares.find_first_not_of('#'));
}

std::optional<Refusal> build(TPuzzleRecord& record, std::string_view quote, std::string_view author,
                             GridSizing sizing = Auto, std::uint32_t seed = 7)
{
    RandomSource random(seed);
    return buildPuzzleFromInput(record, quote, author, sizing, random);
}

// A record holding something in every field, to see that a refusal leaves it alone.
TPuzzleRecord busyRecord()
{
    TPuzzleRecord record;
    resetPuzzle(record, 15, 11);
    record.answer(3, 4) = 'K';
    record.entry(3, 4) = 'J';
    record.squareSlot(3, 4) = 102;
    record.setSlotSquare(102, 304);
    record.Clues[1].assign("A CLUE");
    record.Byline.assign("BY SOMEONE");
    return record;
}

}  // namespace

TEST(QuoteLayoutAutoSize, FollowsTheFewestSpareSquaresRule)
{
    struct Case { int n, width, height, leading; };
    for (const Case& expected : {Case{1, 10, 8, 5}, Case{10, 10, 8, 5}, Case{70, 10, 8, 5},
                                 Case{71, 10, 8, 4}, Case{80, 10, 8, 0}, Case{81, 11, 8, 3},
                                 Case{120, 10, 12, 0}, Case{150, 15, 10, 0}, Case{300, 25, 12, 0},
                                 Case{363, 31, 12, 4}, Case{372, 31, 12, 0}}) {
        const AutoGrid grid = autoGridSize(expected.n);
        EXPECT_EQ(grid.width, expected.width) << expected.n;
        EXPECT_EQ(grid.height, expected.height) << expected.n;
        EXPECT_EQ(grid.leadingFilled, expected.leading) << expected.n;
    }
}

TEST(QuoteLayoutAutoSize, CountsWithoutANearGridTakeTheSmallestGridThatHoldsThem)
{
    struct Case { int n, width, height, leading; };
    for (const Case& expected : {Case{349, 30, 12, 5}, Case{350, 30, 12, 5}, Case{361, 31, 12, 5},
                                 Case{362, 31, 12, 5}}) {
        const AutoGrid grid = autoGridSize(expected.n);
        EXPECT_EQ(grid.width, expected.width) << expected.n;
        EXPECT_EQ(grid.height, expected.height) << expected.n;
        EXPECT_EQ(grid.leadingFilled, expected.leading) << expected.n;
    }
}

TEST(QuoteLayoutAutoSize, EveryCountFitsAndAboveSeventyWastesFewerThanTenSquares)
{
    for (int n = 1; n <= MaxSquares; ++n) {
        const AutoGrid grid = autoGridSize(n);
        const int squares = grid.width * grid.height;
        EXPECT_GE(grid.width, 10);
        EXPECT_LE(grid.width, 31);
        EXPECT_GE(grid.height, 8);
        EXPECT_LE(grid.height, 12);
        EXPECT_LE(grid.leadingFilled + n, squares) << n;
        if (n > 70 && n != 349 && n != 350 && n != 361 && n != 362) {
            EXPECT_LT(squares - n, 10) << n;
            EXPECT_EQ(grid.leadingFilled, (squares - n) / 2) << n;
            for (int w = 10; w <= 31; ++w)
                for (int h = 8; h <= 12; ++h)
                    EXPECT_FALSE(w * h >= n && w * h < squares) << n << ": " << w << " x " << h;
        }
    }
}

TEST(QuoteLayout, LaysTheQuotationRowByRowAfterTheLeadingSquares)
{
    TPuzzleRecord record;
    ASSERT_FALSE(build(record, "ABCDEFGHIJ", "A"));
    EXPECT_EQ(record.GridWidth, 10);
    EXPECT_EQ(record.GridHeight, 8);
    EXPECT_EQ(readingOrder(record), std::string(5, '#') + "ABCDEFGHIJ" + std::string(65, '#'));
    for (int c = 1; c <= 10; ++c)
        for (int r = 1; r <= 8; ++r)
            EXPECT_EQ(record.squareSlot(c, r) == FilledSlot, record.isFilled(c, r));

    ASSERT_FALSE(build(record, "don't stop", "D"));
    EXPECT_EQ(readingOrder(record).substr(5, 10), "DONT#STOP#");

    ASSERT_FALSE(build(record, "TWO\r\nLINES\n  x2 Caf\xC3\xA9!", "T"));
    EXPECT_EQ(readingOrder(record).substr(5, 15), "TWOLINES##X#CAF");
}

TEST(QuoteLayout, FullQuotationTakesTheLargestAutoGridWithOnlyItsOwnSpaces)
{
    std::string quote = letters(372);
    for (int i = 10; i < 372; i += 37)
        quote[i] = ' ';
    TPuzzleRecord record;
    ASSERT_FALSE(build(record, quote + "!.,", "ABC"));
    EXPECT_EQ(record.GridWidth, 31);
    EXPECT_EQ(record.GridHeight, 12);
    std::string expected = quote;
    for (char& c : expected)
        if (c == ' ')
            c = '#';
    EXPECT_EQ(readingOrder(record), expected);

    TPuzzleRecord refused = busyRecord();
    const auto refusal = build(refused, quote + "Z", "ABC");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, InputRefusal::QuotationTooLong);
    EXPECT_EQ(refusal->message,
              "The Quotation contains more than the maximum allowed number of 372 letters. Please "
              "correct the Quotation or cancel construction.");
}

TEST(QuoteLayout, AuthorTitleOfThirtyLettersIsAcceptedAndThirtyOneRefused)
{
    const std::string quote = letters(260);
    const std::string thirty = "Abc-Def, ghi jkl: mno pqr stu vwx yz; ABCD.";  // 30 letters
    TPuzzleRecord record;
    ASSERT_FALSE(build(record, quote, thirty));
    for (int w = 1; w <= 30; ++w)
        EXPECT_NE(record.slotSquareRef(letterSlot(1, w)), 0) << w;
    EXPECT_EQ(record.SlotSquares[letterSlot(1, 31) - 1], 0);

    const auto refusal = build(record, quote, thirty + "B");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, InputRefusal::AuthorTitleTooLong);
    EXPECT_EQ(refusal->message,
              "The Author-Title line contains more than the maximum allowed number of 30 letters. "
              "Please correct the Author-Title line or cancel construction.");
}

TEST(QuoteLayout, MissingLettersAreNamedInTheSingularOrPlural)
{
    TPuzzleRecord record;
    auto refusal = build(record, "A BANANA?", "A N N N N A");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, InputRefusal::MissingLetters);
    EXPECT_EQ(refusal->message, "The Author-Title line contains the letters N N that do not appear in "
                                "the Quotation. Please correct the Author-Title line or cancel "
                                "construction.");

    refusal = build(record, "A CAN OF SPAM", "A N N A");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "The Author-Title line contains the letter N that does not appear in "
                                "the Quotation. Please correct the Author-Title line or cancel "
                                "construction.");

    refusal = build(record, "THE QUICK BROWN FOX", "QUIZ ZEN");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "The Author-Title line contains the letters Z Z that do not appear in "
                                "the Quotation. Please correct the Author-Title line or cancel "
                                "construction.");

    refusal = build(record, "THE BROWN FOX", "Q, Z");
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->message.find("the letters Q Z that do not appear"), std::string::npos);

    // Punctuation stays in the supply copy but can never stand for a letter.
    refusal = build(record, "-A-", "AA");
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->message.find("the letter A that does"), std::string::npos);
}

TEST(QuoteLayout, ManualGridIsTakenAsGivenWithinItsLimits)
{
    const std::string quote = letters(200);
    TPuzzleRecord record;
    ASSERT_FALSE(build(record, quote, "AB", manual(31, 12)));
    EXPECT_EQ(record.GridWidth, 31);
    EXPECT_EQ(record.GridHeight, 12);
    EXPECT_EQ(leadingFilled(record), 0);
    EXPECT_EQ(readingOrder(record), quote + std::string(172, '#'));

    auto refusal = build(record, quote, "AB", manual(31, 20));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, InputRefusal::GridTooLarge);
    EXPECT_EQ(refusal->message, "This grid size contains more than the maximum allowed number of 372 "
                                "squares. Please adjust the grid size or cancel construction.");

    refusal = build(record, quote, "AB", manual(19, 10));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, InputRefusal::GridTooSmall);
    EXPECT_EQ(refusal->message, "This grid size holds fewer squares than the Quotation's 200 letters "
                                "and spaces. Please adjust the grid size or cancel construction.");
    EXPECT_FALSE(build(record, quote, "AB", manual(20, 10)));
    EXPECT_EQ(readingOrder(record), quote);
}

TEST(QuoteLayout, QuotationWithoutLetterOrSpaceIsRefused)
{
    TPuzzleRecord record;
    for (GridSizing sizing : {Auto, manual(10, 8)}) {
        const auto refusal = build(record, "1984--!?\r\n", "...", sizing);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->kind, InputRefusal::NoQuotationLetters);
        EXPECT_EQ(refusal->message,
                  "The Quotation contains no letters. Please correct the Quotation or cancel construction.");
    }
    // With an author-title letter the missing-letter check speaks first.
    const auto refusal = build(record, "1984", "X");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, InputRefusal::MissingLetters);
}

TEST(QuoteLayout, EveryFirstLetterTakesItsOwnSquareWithThatLetter)
{
    const std::string author = "Anna Banana, Bob";
    const std::string wordLetters = "ANNABANANABOB";
    for (std::uint32_t seed : {0u, 1u, 42u, 0xFFFFFFFFu}) {
        for (const std::string& quote : {std::string("BOB AND HANNA ATE A BANANA"),
                                        std::string("ANNA BANANA BOB"), letters(360)}) {
            TPuzzleRecord record;
            ASSERT_FALSE(build(record, quote, author, Auto, seed)) << quote;
            std::set<int> squares;
            for (int w = 1; w <= static_cast<int>(wordLetters.size()); ++w) {
                const auto [c, r] = slotSquare(record, letterSlot(1, w));
                ASSERT_NE(c, 0) << w;
                EXPECT_EQ(record.answer(c, r), wordLetters[w - 1]);
                EXPECT_EQ(record.squareSlot(c, r), letterSlot(1, w));
                squares.insert(squareRef(c, r));
            }
            EXPECT_EQ(squares.size(), wordLetters.size());
            int used = 0;
            for (int c = 1; c <= record.GridWidth; ++c)
                for (int r = 1; r <= record.GridHeight; ++r)
                    used += record.squareSlot(c, r) >= 100;
            EXPECT_EQ(used, static_cast<int>(wordLetters.size()));
        }
    }
}

TEST(QuoteLayout, AWordsOnlyLetterIsFoundFromAnyStart)
{
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        TPuzzleRecord record;
        ASSERT_FALSE(build(record, std::string(30, 'A') + "Q", "Q", manual(10, 8), seed));
        EXPECT_EQ(record.slotSquareRef(101), squareRef(1, 4));
    }
}

TEST(QuoteLayout, CountsThatFoundNoNearGridStillHoldEveryLetter)
{
    for (int n : {349, 350, 361, 362}) {
        const std::string quote = letters(n);
        TPuzzleRecord record;
        ASSERT_FALSE(build(record, quote, "ZYXWVUTSRQPONMLKJIHGFEDCBA")) << n;
        const std::string squares = readingOrder(record);
        EXPECT_EQ(squares.substr(5, n), quote);
        EXPECT_EQ(squares.find_first_not_of('#', 5 + n), std::string::npos);
    }
}

TEST(QuoteLayout, SameSeedGivesTheSamePuzzle)
{
    TPuzzleRecord first;
    TPuzzleRecord second;
    ASSERT_FALSE(build(first, letters(300), "THE AUTHOR TITLE", Auto, 99));
    ASSERT_FALSE(build(second, letters(300), "THE AUTHOR TITLE", Auto, 99));
    EXPECT_EQ(encodeRecord(first), encodeRecord(second));
}

TEST(QuoteLayout, ANewPuzzleClearsThePreviousOne)
{
    TPuzzleRecord record = busyRecord();
    ASSERT_FALSE(build(record, "XYZ", "Z"));
    EXPECT_EQ(record.entry(3, 4), 0);
    EXPECT_EQ(record.SlotSquares[101], 0);
    EXPECT_EQ(record.Clues[1].length, 0);
    EXPECT_EQ(record.Byline.length, 0);
    EXPECT_EQ(record.answer(3, 4), FilledAnswer);
}

TEST(QuoteLayout, EveryRefusalLeavesTheRecordUntouched)
{
    struct Case { std::string quote, author; GridSizing sizing; InputRefusal kind; };
    const std::string longQuote = letters(373);
    const std::vector<Case> cases = {
        {longQuote, "A", Auto, InputRefusal::QuotationTooLong},
        {letters(100), letters(31), Auto, InputRefusal::AuthorTitleTooLong},
        {"HELLO", "HAL", Auto, InputRefusal::MissingLetters},
        {"HELLO", "H", manual(19, 20), InputRefusal::GridTooLarge},
        {"12345", "-", Auto, InputRefusal::NoQuotationLetters},
        {letters(90), "A", manual(11, 8), InputRefusal::GridTooSmall},
    };
    for (const Case& refused : cases) {
        TPuzzleRecord record = busyRecord();
        const PuzzleImage before = encodeRecord(record);
        const auto refusal = build(record, refused.quote, refused.author, refused.sizing);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->kind, refused.kind);
        EXPECT_TRUE(refusal->isConstructionRefusal());
        EXPECT_EQ(encodeRecord(record), before);
        EXPECT_EQ(record.Clues[1].text(), "A CLUE");
    }
}

TEST(QuoteLayout, EmptyFieldsAreErrorsNamedInOrder)
{
    auto refusal = checkInputFields("", "");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Please Input the Source Quotation!");
    EXPECT_FALSE(refusal->isConstructionRefusal());
    refusal = checkInputFields("\n", "");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Please Input the Author-Title Line!");
    EXPECT_FALSE(refusal->isConstructionRefusal());
    EXPECT_FALSE(checkInputFields("x", " "));
}

TEST(QuoteLayout, QuotationCountTakesSpacesAndLettersOnly)
{
    EXPECT_EQ(quotationCount(""), 0);
    EXPECT_EQ(quotationCount("Don't stop!\r\n 42"), 10);
    EXPECT_EQ(quotationCount("caf\xC3\xA9 au lait"), 11);
}

TEST(QuoteLayoutRandom, StaysBelowTheBoundAndReachesEveryValue)
{
    RandomSource random(12345);
    std::set<int> seen;
    for (int i = 0; i < 7000; ++i) {
        const int value = random.below(7);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 7);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(random.below(0), 0);
    EXPECT_EQ(random.below(1), 0);
}
