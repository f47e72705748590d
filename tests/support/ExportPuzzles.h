#pragma once
// Puzzles for the export tests and benchmarks.

#include "core/PuzzleRecord.h"

#include <string>
#include <vector>

namespace zpx::test {

// The square that is numbered n in a grid without filled squares.
inline std::pair<int, int> numberedSquare(const TPuzzleRecord& record, int n)
{
    return {(n - 1) % record.GridWidth + 1, (n - 1) / record.GridWidth + 1};
}

// A grid of letter squares only, so square n is easy to find: letters A..Z
// in turn across the rows.
inline TPuzzleRecord letterGrid(int width, int height)
{
    TPuzzleRecord record;
    resetPuzzle(record, width, height);
    for (int n = 1; n <= width * height; ++n) {
        const auto [c, r] = numberedSquare(record, n);
        record.answer(c, r) = static_cast<std::uint8_t>('A' + (n - 1) % 26);
    }
    return record;
}

// Word w gets the squares numbered `numbers` (letter grid) and the clue.
inline void placeNumberedWord(TPuzzleRecord& record, int word, const std::vector<int>& numbers, const std::string& clue)
{
    for (const int n : numbers) {
        const auto [c, r] = numberedSquare(record, n);
        addSquareToWord(record, word, c, r);
    }
    record.Clues[word - 1].assign(clue);
}

// A finished-looking 31 × 12 puzzle: every ninth square filled, 30 clued
// words of ten letters each, the last squares in no word.
inline TPuzzleRecord cluedPuzzle()
{
    TPuzzleRecord record = letterGrid(31, 12);
    for (int n = 9; n <= 31 * 12; n += 9) {
        const auto [c, r] = numberedSquare(record, n);
        record.answer(c, r) = FilledAnswer;
        record.squareSlot(c, r) = FilledSlot;
    }
    int word = 1;
    for (int n = 1; n <= 31 * 12 && word <= MaxWords; ++n) {
        const auto [c, r] = numberedSquare(record, n);
        if (record.isFilled(c, r))
            continue;
        if (addSquareToWord(record, word, c, r) == 10) {
            record.Clues[word - 1].assign("Clue \"number\" " + std::to_string(word) + "'s text");
            ++word;
        }
    }
    return record;
}

// The clued puzzle with Windows-1252 clues of accents, typographic quotes,
// dashes and the euro sign, and a byline: what the solvers' formats must
// carry over exactly.
inline TPuzzleRecord accentedPuzzle()
{
    TPuzzleRecord record = cluedPuzzle();
    for (int word = 1; word <= MaxWords; ++word)
        record.Clues[word - 1].assign("Caf\xE9 cr\xE8me \x93" "br\xFBl\xE9" "e\x94 \x96 na\xEFve \x80" + std::to_string(word)
                                      + " & <\xC6gir's> \xBD \xDF");
    record.Byline.assign("Ren\xE9" "e \x8Aroder \x97 \xA9 2026");
    return record;
}

}  // namespace zpx::test
