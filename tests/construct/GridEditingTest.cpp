#include "construct/GridEditing.h"
#include "core/SettingsFormats.h"

#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace zpx;
using zpx::test::gridRecord;
using zpx::test::placeWord;

namespace {

// Both maps name each other for every used square and every set slot.
::testing::AssertionResult mapsInverse(const TPuzzleRecord& record)
{
    for (int c = 1; c <= record.width(); ++c)
        for (int r = 1; r <= record.height(); ++r) {
            const int slot = record.squareSlot(c, r);
            if (slot >= 100 && record.slotSquareRef(slot) != squareRef(c, r))
                return ::testing::AssertionFailure() << "square " << squareRef(c, r) << " names slot " << slot;
        }
    for (int slot = 1; slot <= MaxSlot; ++slot) {
        const int ref = record.SlotSquares[slot - 1];
        if (ref != 0 && record.squareSlot(ref / 100, ref % 100) != slot)
            return ::testing::AssertionFailure() << "slot " << slot << " names square " << ref;
    }
    return ::testing::AssertionSuccess();
}

std::vector<GridSquare> squares(std::initializer_list<std::pair<int, int>> list)
{
    std::vector<GridSquare> result;
    for (const auto& [c, r] : list)
        result.push_back({c, r});
    return result;
}

}  // namespace

TEST(GridEditing, CursorRunFollowsTheQuotationWordAcrossRows)
{
    TPuzzleRecord record = gridRecord({"ABC#E", "FGHIJ", "KL#NO"});
    EXPECT_EQ(cursorRun(record, {1, 1}, false), squares({{1, 1}, {2, 1}, {3, 1}}));
    EXPECT_EQ(cursorRun(record, {5, 1}, false), squares({{5, 1}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {1, 3}, {2, 3}}));
    EXPECT_EQ(cursorRun(record, {4, 3}, false), squares({{4, 3}, {5, 3}}));
    EXPECT_TRUE(cursorRun(record, {4, 1}, false).empty());

    // Grid editing stops before a square used by an acrostic word and never starts on one.
    placeWord(record, 1, {{3, 2}});
    EXPECT_EQ(cursorRun(record, {5, 1}, true), squares({{5, 1}, {1, 2}, {2, 2}}));
    EXPECT_TRUE(cursorRun(record, {3, 2}, true).empty());
    EXPECT_EQ(cursorRun(record, {2, 2}, false).size(), 6u);
}

TEST(GridEditing, AdvanceAndStepBackWrapRowsAndStopAtFilledAndUsedSquares)
{
    TPuzzleRecord record = gridRecord({"AB#D", "EFGH", "IJK#", "LMNO"});
    EXPECT_EQ(advanceCursor(record, {1, 1}, false), (GridSquare{2, 1}));
    EXPECT_EQ(advanceCursor(record, {2, 1}, false), std::nullopt);
    EXPECT_EQ(advanceCursor(record, {4, 1}, false), (GridSquare{1, 2}));
    EXPECT_EQ(advanceCursor(record, {3, 3}, false), std::nullopt);
    TPuzzleRecord open = gridRecord({"AB", "CD"});
    EXPECT_EQ(advanceCursor(open, {2, 2}, false), std::nullopt);

    EXPECT_EQ(stepBackCursor(record, {1, 2}, false), (GridSquare{4, 1}));
    EXPECT_EQ(stepBackCursor(record, {1, 3}, false), (GridSquare{4, 2}));
    EXPECT_EQ(stepBackCursor(record, {1, 4}, false), (GridSquare{1, 4}));
    EXPECT_EQ(stepBackCursor(record, {4, 1}, false), (GridSquare{4, 1}));
    EXPECT_EQ(stepBackCursor(record, {1, 1}, false), (GridSquare{1, 1}));

    placeWord(record, 2, {{2, 2}, {1, 2}});
    EXPECT_EQ(advanceCursor(record, {4, 1}, true), std::nullopt);
    EXPECT_EQ(advanceCursor(record, {4, 1}, false), (GridSquare{1, 2}));
    EXPECT_EQ(stepBackCursor(record, {3, 2}, true), (GridSquare{3, 2}));
    EXPECT_EQ(stepBackCursor(record, {3, 2}, false), (GridSquare{2, 2}));
}

TEST(GridEditing, PointsOnTheClosingBorderLinesLieOutsideTheGrid)
{
    const TPuzzleRecord record = gridRecord({"ABC", "DEF"});
    EXPECT_EQ(squareAtPoint(record, 0, 0, 20), (GridSquare{1, 1}));
    EXPECT_EQ(squareAtPoint(record, 59, 39, 20), (GridSquare{3, 2}));
    EXPECT_EQ(squareAtPoint(record, 60, 10, 20), std::nullopt);
    EXPECT_EQ(squareAtPoint(record, 10, 40, 20), std::nullopt);
    EXPECT_EQ(squareAtPoint(record, -1, 10, 20), std::nullopt);
}

TEST(GridEditing, ConstructionClicksFillTheLowestEmptyPositionAndKeepTheMapsInverse)
{
    TPuzzleRecord record = gridRecord({"ABCDEFGHIJ", "KLMNOPQRST", "UVWXYZABCD", "EFGH#JKLMN"});
    EXPECT_EQ(constructionClick(record, 3, {1, 1}).position, 1);
    for (int c = 2; c <= 5; ++c)
        EXPECT_EQ(constructionClick(record, 3, {c, 1}).outcome, ClickOutcome::Added);
    EXPECT_EQ(record.squareSlot(5, 1), 503);
    EXPECT_EQ(record.slotSquareRef(503), 501);

    // Refusals: used square, filled square, no word, outside the grid.
    const TPuzzleRecord before = record;
    EXPECT_EQ(constructionClick(record, 4, {2, 1}).outcome, ClickOutcome::Refused);
    EXPECT_EQ(constructionClick(record, 4, {5, 4}).outcome, ClickOutcome::Refused);
    EXPECT_EQ(constructionClick(record, 0, {6, 1}).outcome, ClickOutcome::Refused);
    EXPECT_EQ(constructionClick(record, 4, {11, 1}).outcome, ClickOutcome::Refused);
    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);

    // Removing position 3 leaves a gap the next click fills; positions 4 and 5 stay.
    const LetterRemoval removal = removeLetter(record, 3, 3);
    EXPECT_TRUE(removal.removed);
    EXPECT_EQ(removal.square, (GridSquare{3, 1}));
    EXPECT_EQ(record.squareSlot(3, 1), 0);
    EXPECT_EQ(record.slotSquareRef(403), 401);
    EXPECT_TRUE(mapsInverse(record));
    EXPECT_EQ(constructionClick(record, 3, {1, 2}).position, 3);
    EXPECT_EQ(constructionClick(record, 3, {2, 2}).position, 6);
    EXPECT_TRUE(mapsInverse(record));

    // The first letter may go too; the next click takes position 1 with any square.
    EXPECT_TRUE(removeLetter(record, 3, 1).removed);
    EXPECT_EQ(constructionClick(record, 3, {7, 3}).position, 1);
    EXPECT_EQ(record.slotSquareRef(103), 703);
    EXPECT_FALSE(removeLetter(record, 3, 7).removed);
    EXPECT_FALSE(removeLetter(record, 3, 31).removed);
    EXPECT_FALSE(removeLetter(record, 0, 1).removed);

    spillWord(record, 3);
    EXPECT_EQ(record.slotSquareRef(103), 703);
    for (int p = 2; p <= 30; ++p)
        EXPECT_EQ(record.slotSquareRef(letterSlot(p, 3)), 0);
    EXPECT_EQ(record.squareSlot(2, 1), 0);
    EXPECT_TRUE(mapsInverse(record));
    EXPECT_EQ(constructionClick(record, 3, {3, 3}).position, 2);
    EXPECT_TRUE(mapsInverse(record));
}

TEST(GridEditing, AThirtyFirstLetterIsRefusedWithoutChange)
{
    TPuzzleRecord record = gridRecord({"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE"});
    for (int c = 1; c <= 30; ++c)
        ASSERT_EQ(constructionClick(record, 30, {c, 1}).position, c);
    const TPuzzleRecord before = record;
    EXPECT_EQ(constructionClick(record, 30, {31, 1}).outcome, ClickOutcome::WordFull);
    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
    EXPECT_TRUE(mapsInverse(record));
}

TEST(GridEditing, FontSizesRoundHalvesToEvenAndSquaresSnapToAFixedPoint)
{
    EXPECT_EQ(scaledFontSize(11, 30, 20), 16);  // 16.5
    EXPECT_EQ(scaledFontSize(7, 30, 20), 10);   // 10.5
    EXPECT_EQ(scaledFontSize(9, 30, 20), 14);   // 13.5
    EXPECT_EQ(scaledFontSize(11, 29, 29), 11);
    EXPECT_EQ(scaledFontSize(11, 20, 29), 8);   // 7.59
    EXPECT_EQ(scaledFontSize(11, 20, 0), 11);

    // A window sized for n squares of s pixels keeps s, however few the squares.
    for (int count : {1, 5, 9, 10, 30, 31})
        for (int square : {1, 12, 29, 40})
            EXPECT_EQ(snappedSquare(count * square + 9, count), square) << count << " x " << square;
    EXPECT_EQ(snappedSquare(3, 10), 1);
}

TEST(GridEditing, TitleWordCountKeepsAWordWhoseFirstLetterIsGone)
{
    TPuzzleRecord record = gridRecord({"ABCDEFGHIJKL", "MNOPQRSTUVWX"});
    EXPECT_EQ(titleWordCount(record), 0);
    for (int w = 1; w <= 12; ++w)
        placeWord(record, w, {{w, 1}});
    EXPECT_EQ(titleWordCount(record), 12);
    placeWord(record, 12, {{1, 2}});
    removeLetter(record, 12, 1);
    EXPECT_EQ(titleWordCount(record), 12);
    record.setSlotSquare(letterSlot(1, 20), 2205);  // row 22: outside any grid
    EXPECT_EQ(titleWordCount(record), 12);
}

TEST(GridEditing, TitleHitsSelectWordsRemoveLettersAndElseDeselect)
{
    const int a = 20;
    EXPECT_EQ(titleHitTest(0, 0, a, 12, false).area, TitleArea::Word);
    EXPECT_EQ(titleHitTest(239, 20, a, 12, false).index, 12);
    EXPECT_EQ(titleHitTest(240, 5, a, 12, false).area, TitleArea::Elsewhere);  // border right of the last word
    EXPECT_EQ(titleHitTest(400, 5, a, 12, false).area, TitleArea::Elsewhere);
    EXPECT_EQ(titleHitTest(10, 23, a, 12, false).area, TitleArea::Elsewhere);  // between the rows

    const TitleHit letter = titleHitTest(599, 26, a, 12, false);
    EXPECT_EQ(letter.area, TitleArea::Letter);
    EXPECT_EQ(letter.index, 30);
    EXPECT_EQ(titleHitTest(45, 46, a, 12, false).index, 3);
    const TitleHit closingLine = titleHitTest(600, 30, a, 12, false);  // right border of position 30
    EXPECT_EQ(closingLine.area, TitleArea::Letter);
    EXPECT_EQ(closingLine.index, 31);
    EXPECT_EQ(titleHitTest(45, 47, a, 12, false).area, TitleArea::Elsewhere);
    EXPECT_EQ(titleHitTest(45, 30, a, 12, true).area, TitleArea::Elsewhere);    // no lower row when solving
    EXPECT_EQ(titleHitTest(-3, 5, a, 12, false).area, TitleArea::Elsewhere);
}
