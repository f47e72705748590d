#include "output/JpzWriter.h"

#include "core/Cp1252.h"
#include "output/MarkupText.h"
#include "output/PublishedPuzzle.h"
#include "output/SquareNumbering.h"

namespace zpx {

namespace {

// The quotation's word follows the answers' words under an id of its own.
constexpr int QuotationWordId = 1000;

std::string cellsOf(const std::vector<int>& squares)
{
    std::string cells;
    for (const int square : squares)
        cells += "<cells x=\"" + std::to_string(square / 100) + "\" y=\"" + std::to_string(square % 100) + "\"/>";
    return cells;
}

std::string gridCell(const TPuzzleRecord& record, const SquareNumbers& numbers, int c, int r)
{
    const std::string at = "<cell x=\"" + std::to_string(c) + "\" y=\"" + std::to_string(r) + "\"";
    if (record.isFilled(c, r))
        return at + " type=\"block\"/>\n";
    std::string cell = at;
    if (const char letter = solutionLetter(record, c, r))
        cell += " solution=\"" + std::string(1, letter) + "\"";
    cell += " number=\"" + std::to_string(numbers.at(c, r)) + "\"";
    if (const auto slot = record.slotAt(c, r))
        cell += " top-right-number=\"" + wordLabel(slot->word) + "\"";
    return cell + "/>\n";
}

}  // namespace

std::string writeJpz(const TPuzzleRecord& record, const std::string& title)
{
    SquareNumbers numbers;
    NumberSquares(record, numbers);
    std::string jpz = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<crossword-compiler-applet xmlns=\"http://crossword.info/xml/crossword-compiler-applet\">\n"
                      "<applet-settings><completion only-if-correct=\"true\">Solved</completion>"
                      "<actions><check label=\"Check\"/><reveal-letter label=\"Reveal Letter\"/>"
                      "<solution label=\"Solution\"/></actions></applet-settings>\n"
                      "<rectangular-puzzle xmlns=\"http://crossword.info/xml/rectangular-puzzle\" "
                      "alphabet=\"ABCDEFGHIJKLMNOPQRSTUVWXYZ\">\n"
                      "<metadata><title>" + xmlText(title) + "</title><creator>"
                      + xmlText(cp1252ToUtf8(record.Byline.text())) + "</creator></metadata>\n<acrostic>\n"
                      "<grid width=\"" + std::to_string(record.width()) + "\" height=\""
                      + std::to_string(record.height()) + "\">\n<grid-look numbering-scheme=\"normal\"/>\n";
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            jpz += gridCell(record, numbers, c, r);
    jpz += "</grid>\n";

    std::string clues = "<clues ordering=\"normal\"><title><b>Clues</b></title>\n";
    for (const PublishedWord& word : publishedWords(record)) {
        // A word without letters has nothing for a solver to fill.
        if (word.squares.empty())
            continue;
        const std::string id = std::to_string(word.word);
        jpz += "<word id=\"" + id + "\">" + cellsOf(word.squares) + "</word>\n";
        clues += "<clue word=\"" + id + "\" number=\"" + word.label + "\">" + xmlText(cp1252ToUtf8(word.clue))
                 + "</clue>\n";
    }
    const std::string quotation = std::to_string(QuotationWordId);
    jpz += "<word id=\"" + quotation + "\">" + cellsOf(quotationSquares(record)) + "</word>\n";
    clues += "<clue word=\"" + quotation + "\" number=\"\">[QUOTE]</clue>\n</clues>\n";
    return jpz + clues + "</acrostic>\n</rectangular-puzzle>\n</crossword-compiler-applet>\n";
}

}  // namespace zpx
