#include "output/RtfManuscript.h"

#include "output/ExportSquares.h"
#include "output/SquareNumbering.h"

#include <vector>

namespace zpx {

namespace {

// Text typed by the user (clues, names, the file's title) is written as
// text: a backslash or brace in it would otherwise start RTF syntax and
// could unbalance the whole document.
std::string rtfText(const std::string& text)
{
    std::string escaped;
    for (const char ch : text) {
        if (ch == '\\' || ch == '{' || ch == '}')
            escaped += '\\';
        escaped += ch;
    }
    return escaped;
}

std::string withoutTrailingSpaces(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// An answer letter four characters wide, underlined; a letter a damaged file
// left out is a blank.
std::string letterCell(std::uint8_t letter)
{
    const std::string text = letter == 0 ? std::string(" ") : rtfText(std::string(1, static_cast<char>(letter)));
    return "\\ul\\~" + text + "\\~\\ul0  ";
}

void addAddressLines(std::vector<std::string>& lines, const AuthorAddress& address)
{
    lines.push_back("\\par " + rtfText(address.add1));
    lines.push_back("\\par " + rtfText(address.add2));
    lines.push_back("\\par " + rtfText(address.add3));
    if (!address.add4.empty())
        lines.push_back("\\par " + rtfText(address.add4));
}

}  // namespace

std::string RtfNumber(int number)
{
    const std::string digits = std::to_string(number);
    if (number >= 1 && number <= 9)
        return "\\~" + digits + "\\~ ";
    if (number >= 10 && number <= 99)
        return "\\~" + digits + " ";
    return digits + " ";
}

std::string ExportRtf(const TPuzzleRecord& record, const std::string& title, const AuthorAddress& address)
{
    SquareNumbers numbers;
    NumberSquares(record, numbers);
    const std::string header = "\\pard\\plain\\tqr\\tx9525\\f4\\fs20 " + rtfText(title) + "\\tab Page";

    std::vector<std::string> lines = {
        "{\\rtf\\ansi \\deff4\\deff5\\deflang1033\\margl1250\\margr1150",
        "{\\fonttbl{\\f4\\froman\\fcharset0\\fprq2\\ftruetype Times New Roman;}{\\f5\\fswiss\\fcharset0\\fprq2\\ftruetype "
        "Arial;}{\\f6\\froman\\fcharset0\\fprq2\\ftruetype Courier New}}",
        "{\\info{\\title " + rtfText(title) + "}{\\author Zephyrtrace 4}{\\creatim\\yr1997\\mo1\\dy21\\hr4\\min01}{\\version1}}",
        "{\\sectd\\header\\pgnucltr\\pgnx1180" + header,
        "\\par}{\\tx6400\\f4\\fs22 " + rtfText(address.name),
    };
    addAddressLines(lines, address);
    lines.push_back("\\par}");
    lines.push_back("\\par{\\tx350\\tx750\\fs22\\sl440");
    for (const int word : cluedWords(record)) {
        const std::string clue = rtfText(SmartQuotes(record.Clues[word - 1].text()));
        lines.push_back((word <= 26 ? "\\par\\f4\\tab " : "\\par\\tab ") + wordLabel(word) + ".\\tab " + clue);
        std::string letters = "\\par\\f6\\tab\\tab";
        std::string squareNumbers = "\\par\\f6\\tab\\tab ";
        for (const int square : clueLetterSquares(record, word)) {
            const int column = square / 100;
            const int row = square % 100;
            const auto answer = square == 0 ? std::uint8_t{0} : record.answer(column, row);
            letters += letterCell(answer);
            squareNumbers += RtfNumber(square == 0 ? 0 : numbers.at(column, row));
        }
        lines.push_back(withoutTrailingSpaces(letters));
        lines.push_back(withoutTrailingSpaces(squareNumbers));
    }
    lines.push_back("\\par}");
    lines.push_back("{\\sect\\header\\pgnucltr\\pgnx1180" + header + "\\par}");
    lines.push_back("{\\pard\\f4\\fs22 " + rtfText(address.name));
    addAddressLines(lines, address);
    lines.push_back("\\par\\par}");
    lines.push_back("{\\f4\\fs20\\b\\qc Insert puzzle grid as graphic file or from Clipboard.\\par}");
    lines.push_back("\\par}}");

    std::string file;
    for (const std::string& line : lines)
        file += line + "\r\n";
    return file;
}

}  // namespace zpx
