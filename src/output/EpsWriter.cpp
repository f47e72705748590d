#include "output/EpsWriter.h"

#include "output/ExportSquares.h"
#include "output/SquareNumbering.h"

#include <vector>

namespace zpx {

namespace {

// A grid row's items are gathered into lines; a line grown past this many
// characters is written out before the next item.
constexpr std::size_t MaxEpsLine = 200;

// Labels and letters are digits, letters and "@"; anything else a damaged
// file may hold is escaped so it cannot end the string early.
std::string postScriptString(const std::string& text)
{
    std::string escaped;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '(' || ch == ')' || ch == '\\') {
            escaped += '\\';
            escaped += ch;
        } else if (byte < 32 || byte >= 127) {
            const char octal[] = {'\\', static_cast<char>('0' + (byte >> 6)), static_cast<char>('0' + ((byte >> 3) & 7)),
                                  static_cast<char>('0' + (byte & 7))};
            escaped.append(octal, sizeof octal);
        } else {
            escaped += ch;
        }
    }
    return escaped;
}

std::string answerItem(std::uint8_t letter)
{
    const char* procedure = letter == 'I' ? " ib (" : letter == 'W' ? " ww (" : " lb (";
    const std::string text = letter == 0 ? std::string() : std::string(1, static_cast<char>(letter));
    return procedure + postScriptString(text) + ") sh";
}

// A comment line ends at the first line break: a file name cannot carry one into the picture.
std::string commentText(std::string text)
{
    for (char& ch : text)
        if (ch == '\r' || ch == '\n')
            ch = ' ';
    return text;
}

}  // namespace

std::string WriteEps(const TPuzzleRecord& record, EpsKind kind, const std::string& title, const std::string& date)
{
    const int width = record.width();
    const int height = record.height();
    const std::string boxWidth = std::to_string(23 * width + 2);
    const std::string boxHeight = std::to_string(23 * height + 2);

    std::vector<std::string> lines = {
        "%!PS-Adobe-3.0 EPSF-3.0",
        "%%Copyright: Acrostic puzzle grid made with Zephyrtrace; the puzzle belongs to its constructor",
        "%%Creator: Zephyrtrace for Windows v4.0",
        "%%CreationDate: " + commentText(date),
        "%%Title: " + commentText(title),
        "%%BoundingBox: 0 0 " + boxWidth + " " + boxHeight,
        "/rl {rlineto} def",
        "/mv {moveto} def",
        "/cp {closepath} def",
        "/sh {show} def",
        "/rm {rmoveto} def",
        "/wb {/x x 23 add def x y mv 23 0 rl 0 -23 rl -23 0 rl cp stroke} def",
        "/bb {wb x y mv 23 0 rl 0 -23 rl -23 0 rl cp fill} def",
    };
    if (kind == EpsKind::PuzzleGrid) {
        lines.push_back("/nb {wb x y mv 2 -8 rm} def");
    } else {
        lines.push_back("/lb {wb x y mv 5 -17 rm} def");
        lines.push_back("/ib {wb x y mv 8 -17 rm} def");
        lines.push_back("/ww {wb x y mv 4 -17 rm} def");
    }
    lines.push_back("/nc {/x xx def /y y 23 sub def} def");
    lines.push_back("/xx -22 def /x -22 def /y " + std::to_string(23 * height + 24) + " def");
    lines.push_back("1 setlinewidth");
    lines.push_back("0 " + boxHeight + " mv " + boxWidth + " 0 rl 0 -" + boxHeight + " rl -" + boxWidth
                    + " 0 rl cp stroke");
    lines.push_back("1 " + std::to_string(23 * height + 1) + " mv");
    lines.push_back("1 setlinewidth");
    lines.push_back(kind == EpsKind::PuzzleGrid ? "/Helvetica-Narrow findfont 8 scalefont setfont"
                                                : "/Helvetica-Bold findfont 16 scalefont setfont");

    SquareNumbers numbers;
    NumberSquares(record, numbers);
    for (int r = 1; r <= height; ++r) {
        std::string line = "nc";
        for (int c = 1; c <= width; ++c) {
            if (line.size() > MaxEpsLine) {
                lines.push_back(line);
                line.clear();
            }
            if (record.isFilled(c, r))
                line += " bb";
            else if (kind == EpsKind::PuzzleGrid)
                line += " nb (" + postScriptString(exportLabel(record, c, r, numbers.at(c, r))) + ") sh";
            else
                line += answerItem(record.answer(c, r));
        }
        lines.push_back(line);
    }
    lines.push_back("showpage");
    lines.push_back("%%EndDocument");

    std::string file;
    for (const std::string& line : lines)
        file += line + "\r\n";
    return file;
}

}  // namespace zpx
