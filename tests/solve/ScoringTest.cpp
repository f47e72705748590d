// Scoring the solver's entries, Start Over, and the clock's count.

#include "support/RecordBuilder.h"

#include "solve/ClockCount.h"
#include "solve/Scoring.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::gridRecord;

namespace {

using Squares = std::vector<std::pair<int, int>>;

// The answers of "WATER#" / "#THE#A" with entries typed row by row: '.' an
// empty square; what stands over a filled square is stored there as well.
TPuzzleRecord entered(const std::vector<std::string>& rows)
{
    TPuzzleRecord record = gridRecord({"WATER#", "#THE#A"});
    for (int r = 1; r <= record.GridHeight; ++r)
        for (int c = 1; c <= record.GridWidth; ++c) {
            const char ch = rows[r - 1][c - 1];
            record.entry(c, r) = ch == '.' ? 0 : static_cast<std::uint8_t>(ch);
        }
    return record;
}

}  // namespace

TEST(Scoring, WrongSquaresAreEmptyOrDifferentLetterSquaresInReadingOrder)
{
    const struct {
        std::vector<std::string> entries;
        Squares wrong;
    } cases[] = {
        {{"WATER.", ".THE.A"}, {}},
        {{"WATERX", "QTHEZA"}, {}},  // filled squares are never compared
        {{"WATER#", "#THE#."}, {{6, 2}}},
        {{"WETER#", "#THE#A"}, {{2, 1}}},
        {{"....R#", "#T.E#B"}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {3, 2}, {6, 2}}},
        {{"water#", "#the#a"}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {2, 2}, {3, 2}, {4, 2}, {6, 2}}},
    };
    for (const auto& [entries, wrong] : cases) {
        const TPuzzleRecord record = entered(entries);
        EXPECT_EQ(wrongSquares(record), wrong) << entries[0] << '/' << entries[1];
        EXPECT_EQ(puzzleCorrect(record), wrong.empty()) << entries[0] << '/' << entries[1];
    }
}

TEST(Scoring, StartOverEmptiesEveryEntryAndKeepsTheAnswers)
{
    TPuzzleRecord record = entered({"WXTER#", "#THE#A"});
    const TPuzzleRecord before = record;
    clearEntries(record);
    EXPECT_EQ(wrongSquares(record), (Squares{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {2, 2}, {3, 2}, {4, 2}, {6, 2}}));
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxColumns; ++c) {
            EXPECT_EQ(record.answer(c, r), before.answer(c, r));
            EXPECT_EQ(record.entry(c, r), record.inGrid(c, r) ? 0 : before.entry(c, r));
        }
}

TEST(ClockCount, ShowsHoursMinutesAndSecondsAndWrapsAfterTenHours)
{
    // The score card's line does not wrap.
    const struct {
        int ticks;
        const char* text;
        const char* cardLine;
    } cases[] = {
        {0, "0:00:00", "Time: 0:00:00"},       {9, "0:00:09", "Time: 0:00:09"},
        {61, "0:01:01", "Time: 0:01:01"},      {3599, "0:59:59", "Time: 0:59:59"},
        {3600, "1:00:00", "Time: 1:00:00"},    {3723, "1:02:03", "Time: 1:02:03"},
        {35999, "9:59:59", "Time: 9:59:59"},   {36000, "0:00:00", "Time: 10:00:00"},
        {39723, "1:02:03", "Time: 11:02:03"},
    };
    for (const auto& [ticks, text, cardLine] : cases) {
        ClockCount count;
        for (int i = 0; i < ticks; ++i)
            count.tick();
        EXPECT_EQ(count.text(), text) << ticks << " ticks";
        EXPECT_EQ(ClockCount::after(static_cast<std::uint32_t>(ticks)).text(), text) << ticks;
        EXPECT_EQ(timeSpentLine(static_cast<std::uint32_t>(ticks)), cardLine);
        count.reset();
        EXPECT_EQ(count.text(), "0:00:00");
    }
}
