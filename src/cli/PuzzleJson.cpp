#include "cli/PuzzleJson.h"

#include "core/Cp1252.h"
#include "output/JsonLayout.h"

namespace zpx::cli {

namespace {

// One string per row: '#' for a filled square, '.' for a letter square
// holding 0, else the letter (as Windows-1252).
template <typename SquareLetter>
Json gridRows(const TPuzzleRecord& record, SquareLetter squareLetter)
{
    Json rows = Json::array();
    for (int r = 1; r <= record.height(); ++r) {
        std::string row;
        for (int c = 1; c <= record.width(); ++c) {
            const std::uint8_t letter = squareLetter(c, r);
            row += record.isFilled(c, r) ? '#' : letter == 0 ? '.' : static_cast<char>(letter);
        }
        rows.push_back(cp1252ToUtf8(row));
    }
    return rows;
}

// Word w's square references by letter position, 0 for a gap, trailing
// empty positions left out.
Json wordSquares(const TPuzzleRecord& record, int word)
{
    int last = 0;
    for (int p = 1; p <= MaxWordLetters; ++p)
        if (record.slotSquareRef(letterSlot(p, word)) != 0)
            last = p;
    Json squares = Json::array();
    for (int p = 1; p <= last; ++p)
        squares.push_back(record.slotSquareRef(letterSlot(p, word)));
    return squares;
}

}  // namespace

std::string describePuzzle(const TPuzzleRecord& record)
{
    Json words = Json::array();
    Json clues = Json::array();
    for (int w = 1; w <= MaxWords; ++w) {
        words.push_back(wordSquares(record, w));
        clues.push_back(cp1252ToUtf8(record.Clues[w - 1].text()));
    }
    const Json puzzle = {
        {"width", record.width()},
        {"height", record.height()},
        {"answers", gridRows(record, [&](int c, int r) { return record.answer(c, r); })},
        {"entries", gridRows(record, [&](int c, int r) { return record.entry(c, r); })},
        {"words", words},
        {"clues", clues},
        {"byline", cp1252ToUtf8(record.Byline.text())},
        {"complete", isComplete(record)},
    };
    // The lists run down the page, one row, word or clue a line.
    return layOutJson(puzzle, [](const Json&, int depth) { return depth >= 2; });
}

}  // namespace zpx::cli
