// ipuz read back: our own exports come back exactly, and an acrostic made by
// libipuz's conventions is read as a puzzle.

#include "core/IpuzReader.h"
#include "core/PuzzleFile.h"
#include "output/IpuzWriter.h"
#include "support/ExportPuzzles.h"

#include <gtest/gtest.h>

using namespace zpx;

namespace {

// Grid, letters, entries, both maps, clues and byline agree.
void expectSamePuzzle(const TPuzzleRecord& read, const TPuzzleRecord& original)
{
    ASSERT_EQ(read.GridWidth, original.GridWidth);
    ASSERT_EQ(read.GridHeight, original.GridHeight);
    for (int c = 1; c <= original.width(); ++c) {
        for (int r = 1; r <= original.height(); ++r) {
            EXPECT_EQ(read.answer(c, r), original.answer(c, r)) << c << "," << r;
            EXPECT_EQ(read.squareSlot(c, r), original.squareSlot(c, r)) << c << "," << r;
            if (!original.isFilled(c, r)) {
                EXPECT_EQ(read.entry(c, r), original.entry(c, r)) << c << "," << r;
            }
        }
    }
    for (int slot = 1; slot <= MaxSlot; ++slot)
        EXPECT_EQ(read.SlotSquares[slot - 1], original.SlotSquares[slot - 1]) << slot;
    for (int word = 1; word <= MaxWords; ++word)
        EXPECT_EQ(read.Clues[word - 1].text(), original.Clues[word - 1].text()) << word;
    EXPECT_EQ(read.Byline.text(), original.Byline.text());
}

// A construction half done: word A lost its second letter, word B its first,
// one square's letter was cleared, and a solver has typed two letters.
TPuzzleRecord unfinishedPuzzle()
{
    TPuzzleRecord record = test::letterGrid(6, 3);
    test::placeNumberedWord(record, 1, {1, 2, 3, 4}, "Four");
    test::placeNumberedWord(record, 2, {7, 8, 9}, "");
    test::placeNumberedWord(record, 4, {12}, "Fourth, after an unused third");
    clearSlot(record, letterSlot(2, 1));
    clearSlot(record, letterSlot(1, 2));
    record.answer(3, 2) = 0;
    record.entry(1, 1) = 'Q';
    record.entry(6, 3) = 'Z';
    return record;
}

}  // namespace

TEST(IpuzReader, OurExportsComeBackExactly)
{
    TPuzzleRecord sample;
    loadPuzzleFile(std::string(ZPX_SOURCE_DIR) + "/../examples/walden.zpx", sample);
    for (const TPuzzleRecord& original : {sample, test::accentedPuzzle(), unfinishedPuzzle()})
        expectSamePuzzle(readIpuz(writeIpuz(original, "Title")), original);
}

TEST(IpuzReader, ReadsAnAcrosticWrittenByLibipuzConventions)
{
    // No "[QUOTE]" clue, object cells, squares left out (null) after the quotation's end.
    const TPuzzleRecord record = readIpuz(R"({
        "version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/acrostic#1"], "author": "Ann",
        "dimensions": {"width": 4, "height": 2},
        "puzzle": [[{"cell": 1, "style": {"shapebg": "circle"}}, 2, "#", 3], [4, 5, null, null]],
        "solution": [["A", "b", "#", {"value": "C"}], ["D", "E", null, null]],
        "clues": {"Clues": [{"label": "A", "clue": "First", "cells": [[0, 0], [1, 1]], "answer": "AE"},
                            {"label": "B", "clue": "Second", "cells": [[3, 0], [0, 1], [1, 0]]}]}})");
    EXPECT_EQ(record.GridWidth, 4);
    EXPECT_EQ(record.GridHeight, 2);
    const std::pair<int, int> filled[] = {{3, 1}, {3, 2}, {4, 2}};
    for (const auto& [c, r] : filled)
        EXPECT_TRUE(record.isFilled(c, r) && record.squareSlot(c, r) == FilledSlot) << c << "," << r;
    EXPECT_EQ(record.answer(2, 1), 'B');
    EXPECT_EQ(record.answer(4, 1), 'C');
    const std::pair<int, int> wordB[] = {{4, 1}, {1, 2}, {2, 1}};
    for (int p = 1; p <= 3; ++p) {
        const auto [c, r] = wordB[p - 1];
        EXPECT_EQ(record.slotSquareRef(letterSlot(p, 2)), squareRef(c, r));
        EXPECT_EQ(record.squareSlot(c, r), letterSlot(p, 2));
    }
    EXPECT_EQ(record.slotSquareRef(letterSlot(2, 1)), squareRef(2, 2));
    EXPECT_EQ(record.Clues[1].text(), "Second");
    EXPECT_EQ(record.Byline.text(), "Ann");
    EXPECT_TRUE(isIpuzFileName("/pub/Quote.IPUZ"));
    EXPECT_FALSE(isIpuzFileName("/pub/ipuz.zpx"));
}
