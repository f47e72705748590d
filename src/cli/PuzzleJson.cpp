#include "cli/PuzzleJson.h"

#include "cli/CliSupport.h"
#include "core/Cp1252.h"

#include <sstream>

namespace zpx::cli {

namespace {

// One string per row: '#' for a filled square, '.' for a letter square
// holding 0, else the letter (as Windows-1252).
template <typename SquareText>
std::string gridRows(const TPuzzleRecord& record, SquareText squareText)
{
    std::string rows;
    for (int r = 1; r <= record.height(); ++r) {
        std::string row;
        for (int c = 1; c <= record.width(); ++c)
            row += squareText(c, r);
        rows += (r > 1 ? ",\n    " : "\n    ") + jsonString(cp1252ToUtf8(row));
    }
    return "[" + rows + "\n  ]";
}

char squareCharacter(const TPuzzleRecord& record, int c, int r, std::uint8_t letter)
{
    if (record.isFilled(c, r))
        return '#';
    return letter == 0 ? '.' : static_cast<char>(letter);
}

// Word w's square references by letter position, 0 for a gap, trailing
// empty positions left out.
std::string wordSquares(const TPuzzleRecord& record, int word)
{
    int last = 0;
    for (int p = 1; p <= MaxWordLetters; ++p)
        if (record.slotSquareRef(letterSlot(p, word)) != 0)
            last = p;
    std::string list = "[";
    for (int p = 1; p <= last; ++p)
        list += (p > 1 ? ", " : "") + std::to_string(record.slotSquareRef(letterSlot(p, word)));
    return list + "]";
}

}  // namespace

std::string describePuzzle(const TPuzzleRecord& record)
{
    std::ostringstream json;
    json << "{\n";
    json << "  \"width\": " << record.width() << ",\n";
    json << "  \"height\": " << record.height() << ",\n";
    json << "  \"answers\": "
         << gridRows(record, [&](int c, int r) { return squareCharacter(record, c, r, record.answer(c, r)); })
         << ",\n";
    json << "  \"entries\": "
         << gridRows(record, [&](int c, int r) { return squareCharacter(record, c, r, record.entry(c, r)); })
         << ",\n";
    json << "  \"words\": [";
    for (int w = 1; w <= MaxWords; ++w)
        json << (w > 1 ? ",\n    " : "\n    ") << wordSquares(record, w);
    json << "\n  ],\n";
    json << "  \"clues\": [";
    for (int w = 1; w <= MaxWords; ++w)
        json << (w > 1 ? ",\n    " : "\n    ") << jsonString(cp1252ToUtf8(record.Clues[w - 1].text()));
    json << "\n  ],\n";
    json << "  \"byline\": " << jsonString(cp1252ToUtf8(record.Byline.text())) << ",\n";
    json << "  \"complete\": " << (isComplete(record) ? "true" : "false") << "\n";
    json << "}\n";
    return json.str();
}

}  // namespace zpx::cli
