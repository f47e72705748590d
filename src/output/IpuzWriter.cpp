#include "output/IpuzWriter.h"

#include "core/Cp1252.h"
#include "core/IpuzReader.h"
#include "output/JsonLayout.h"
#include "output/PublishedPuzzle.h"
#include "output/SquareNumbering.h"

namespace zpx {

namespace {

Json cell(int square)
{
    return Json::array({square / 100 - 1, square % 100 - 1});
}

// One row of strings a grid row: "#" for a filled square, else what `letter` gives.
template <typename Letter>
Json letterGrid(const TPuzzleRecord& record, Letter letter)
{
    Json rows = Json::array();
    for (int r = 1; r <= record.height(); ++r) {
        Json row = Json::array();
        for (int c = 1; c <= record.width(); ++c)
            row.push_back(record.isFilled(c, r) ? Json("#") : letter(c, r));
        rows.push_back(row);
    }
    return rows;
}

bool hasEntries(const TPuzzleRecord& record)
{
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            if (!record.isFilled(c, r) && record.entry(c, r) >= 'A' && record.entry(c, r) <= 'Z')
                return true;
    return false;
}

Json wordClue(const TPuzzleRecord& record, const PublishedWord& word)
{
    Json cells = Json::array();
    std::string answer;
    for (const int square : word.squares) {
        cells.push_back(cell(square));
        answer += solutionLetter(record, square / 100, square % 100);
    }
    Json clue = {{"label", word.label}, {"clue", cp1252ToUtf8(word.clue)}, {"cells", cells}};
    // An answer with a square of unknown letter would mislead a solver's check.
    if (!answer.empty() && answer.find('\0') == std::string::npos)
        clue["answer"] = answer;
    if (!word.afterGap.empty()) {
        Json after = Json::array();
        for (const auto& [position, square] : word.afterGap)
            after.push_back(Json::array({position, square / 100 - 1, square % 100 - 1}));
        clue[LettersAfterGapField] = after;
    }
    return clue;
}

}  // namespace

std::string writeIpuz(const TPuzzleRecord& record, const std::string& title)
{
    SquareNumbers numbers;
    NumberSquares(record, numbers);

    Json ipuz = {{"version", "http://ipuz.org/v2"},
                 {"kind", Json::array({"http://ipuz.org/acrostic#1", "http://ipuz.org/crossword#1"})},
                 {"title", title}};
    if (record.Byline.length > 0)
        ipuz["author"] = cp1252ToUtf8(record.Byline.text());
    ipuz["dimensions"] = {{"width", record.width()}, {"height", record.height()}};
    ipuz["puzzle"] = letterGrid(record, [&](int c, int r) { return Json(numbers.at(c, r)); });
    ipuz["solution"] = letterGrid(record, [&](int c, int r) {
        const char letter = solutionLetter(record, c, r);
        return letter ? Json(std::string(1, letter)) : Json();
    });
    if (hasEntries(record))
        ipuz["saved"] = letterGrid(record, [&](int c, int r) {
            const std::uint8_t entry = record.entry(c, r);
            return Json(entry >= 'A' && entry <= 'Z' ? std::string(1, static_cast<char>(entry)) : std::string());
        });

    Json clues = Json::array();
    for (const PublishedWord& word : publishedWords(record))
        clues.push_back(wordClue(record, word));
    Json quotation = Json::array();
    for (const int square : quotationSquares(record))
        quotation.push_back(cell(square));
    clues.push_back({{"clue", "[QUOTE]"}, {"cells", quotation}});
    ipuz["clues"] = {{"Clues", clues}};

    // A grid row, a clue's cells or a short list goes on one line; the rest runs down the page.
    return layOutJson(ipuz, [](const Json& value, int depth) {
        const int nesting = jsonNesting(value);
        return nesting <= 1 || (nesting == 2 && depth >= 3);
    });
}

}  // namespace zpx
