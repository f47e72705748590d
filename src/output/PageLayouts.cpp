#include "output/PageLayouts.h"

#include <algorithm>

namespace zpx {

namespace {

const std::string VersionLine = "Zephyrtrace v 5.5";
constexpr char OpeningQuote = '\x93';
constexpr char ClosingQuote = '\x94';
constexpr int WrapAfterManuscript = 20;  // the row wraps once x passes 20 numbers: 21 letters a row
constexpr int WrapAfterPuzzlePage = 19;

std::string quoted(const std::string& text)
{
    return OpeningQuote + text + ClosingQuote;
}

}  // namespace

int PrintChoices::layoutCount() const
{
    return manuscript + manuscriptGrid + numberedGrid + solutionGrid + puzzlePage;
}

int gridSquareSize(bool portrait, int width, int height, int pageWidth, int pageHeight, int leftMargin)
{
    int square = 0;
    if (portrait)
        square = width > height ? (pageWidth - leftMargin) / (width + 3) : pageWidth / (height + 3);
    else
        square = width > height ? pageWidth / 34 + 3 : pageHeight / (height + 4);
    // The grid stands two squares below the page's middle; a wide grid on a
    // landscape page would otherwise run off its bottom.
    return std::min(square, pageHeight / (height + 4));
}

PagePrinter::PagePrinter(PrintDevice& device, const TPuzzleRecord& record, PrintFields& fields,
                         const PrintTexts& texts)
    : device(device), record(record), fields(fields), texts(texts)
{
}

void PagePrinter::setFont(Typeface face, int points, bool bold)
{
    font = PrintFont{face, points, bold};
    device.setFont(font);
}

void PagePrinter::setSize(int points)
{
    font.points = points;
    font.cellHeight = 0;
    device.setFont(font);
}

void PagePrinter::measureLines(int bottomMarginLines)
{
    if (!device.jobOpen())
        device.setPortrait(true);
    setFont(Typeface::CourierNew, 12);
    fields.LineHeight = device.textHeight("I") + 5;
    fields.LinesPerPage = device.pageHeight() / fields.LineHeight - 5 - bottomMarginLines;
}

// A job begins in the dialog's canvas font, whatever the last job ended in.
void PagePrinter::startJob(bool portrait, const std::string& title)
{
    endOpenJob();
    device.beginJob(portrait, title);
    setFont(Typeface::CourierNew, 12);
}

void PagePrinter::endOpenJob()
{
    if (device.jobOpen())
        device.endJob();
}

std::pair<int, int> PagePrinter::letterSquare(int position, int word) const
{
    return slotSquare(record, letterSlot(position, word));
}

bool PagePrinter::hasLetter(int position, int word) const
{
    return position <= MaxWordLetters && letterSquare(position, word).first != 0;
}

std::string PagePrinter::clue(int word) const
{
    return word <= MaxWords ? record.Clues[word - 1].text() : std::string();
}

std::string PagePrinter::numberOf(int position, int word) const
{
    const auto [c, r] = letterSquare(position, word);
    return c == 0 ? std::string() : std::to_string(numbers.at(c, r));
}

void PagePrinter::printRun(const PrintChoices& choices, const std::function<void()>& layoutDone)
{
    if (choices.layoutCount() == 0)
        return;
    fields.PageCount = 0;
    fields.FilledBrush = choices.gray ? PrintColour::Silver : PrintColour::Black;
    gridPortrait = choices.portrait;
    const auto done = [&] {
        if (layoutDone)
            layoutDone();
    };
    for (int copy = 1; copy <= choices.copies; ++copy) {
        if (choices.manuscript) {
            PrintManuscript();
            done();
        }
        const std::pair<bool, int> grids[] = {{choices.manuscriptGrid, ManuscriptGrid},
                                              {choices.numberedGrid, NumberedGrid},
                                              {choices.solutionGrid, SolutionGrid}};
        for (const auto& [checked, kind] : grids)
            if (checked) {
                PrintGridPage(kind);
                done();
            }
        if (choices.puzzlePage) {
            PrintPuzzlePage();
            done();
        }
        endOpenJob();
    }
}

void PagePrinter::printForSolver()
{
    PrintPuzzlePage();
    endOpenJob();
}

int PagePrinter::PrintHeader(bool first)
{
    int pageX = 0;
    if (device.jobPortrait()) {
        fields.LeftMargin = (device.dotsPerInch() / 8) * 5;
        pageX = 63 * device.textWidth("M");
    } else {
        fields.LeftMargin = 9 * device.textWidth("M");
        pageX = 94 * device.textWidth("M");
    }
    ++fields.PageCount;
    const int top = 2 * fields.LineHeight;
    const std::string page = "Page " + std::to_string(fields.PageCount);
    setFont(Typeface::CourierNew, 12, true);
    if (first) {
        device.textOut(fields.LeftMargin, top, texts.title);
        device.textOut(pageX, top, page);
        setFont(Typeface::CourierNew, 12);
        device.textOut(fields.LeftMargin, 4 * fields.LineHeight, VersionLine);
        return 9 * fields.LineHeight;
    }
    device.textOut(fields.LeftMargin, top, texts.title + "  /" + VersionLine);
    device.textOut(63 * device.textWidth("M"), top, page);
    setFont(Typeface::CourierNew, 12);
    return 4 * fields.LineHeight;
}

void PagePrinter::PrintManuscript()
{
    NumberSquares(record, numbers);
    startJob(true, texts.title);
    const int left = (device.dotsPerInch() / 8) * 5;
    fields.PageCount = 0;
    int y = PrintHeader(true);
    const int lineHeight = fields.LineHeight;
    for (int i = 1; i <= MaxWords && !clue(i).empty(); ++i) {
        device.textOut(left, y, wordLabel(i) + (i <= 26 ? ".  " : ". ") + clue(i));
        y += lineHeight;

        setSize(10);
        const int numberWidth = device.textWidth("9999");
        const int x0 = left + device.textWidth("MMMMM");
        int x = x0;
        for (int p = 1;; ++p) {
            const auto [c, r] = letterSquare(p, i);
            const char letter = c == 0 || record.answer(c, r) == 0 ? ' ' : static_cast<char>(record.answer(c, r));
            font.underline = true;
            device.setFont(font);
            device.textOut(x, y + 4, std::string{' ', letter, ' '});
            font.underline = false;
            device.setFont(font);
            const std::string number = numberOf(p, i);
            device.textOut(x + (device.textWidth("999") - device.textWidth(number)) / 2, y + lineHeight, number);
            x += numberWidth;
            if (x > x0 + WrapAfterManuscript * numberWidth) {
                y += 2 * lineHeight;
                x = x0;
            }
            if (!hasLetter(p + 1, i))
                break;
        }
        setSize(12);
        y += 3 * lineHeight;

        // After a whole word, so a word's block is never split.
        if (fields.LinesPerPage * lineHeight < y && i < MaxWords && !clue(i + 1).empty()) {
            device.newPage();
            y = PrintHeader(false);
        }
    }
    PrintGridPage(ManuscriptGrid);
    PrintSolutionPage(fields.PageCount);
}

void PagePrinter::PrintGridPage(int kind)
{
    if (device.jobOpen() && device.jobPortrait() == gridPortrait)
        device.newPage();
    else
        startJob(gridPortrait, texts.title);
    const int width = record.width();
    const int height = record.height();
    const int pageWidth = device.pageWidth();
    const int pageHeight = device.pageHeight();
    const int square = gridSquareSize(gridPortrait, width, height, pageWidth, pageHeight, fields.LeftMargin);

    setFont(Typeface::CourierNew, 12);
    PrintHeader(true);

    if (kind == SolutionGrid) {
        font = PrintFont{Typeface::Arial, 0, true, false, square - 14};
        device.setFont(font);
    } else {
        setFont(Typeface::Arial, 7);
    }
    const int x0 = (pageWidth - width * square) / 2;
    const int y0 = (pageHeight - height * square) / 2 + 2 * square;

    device.setBrush(PrintColour::White);
    device.setPenWidth(4);
    device.rectangle(x0 - 3, y0 - 3, x0 + width * square + 4, y0 + height * square + 4);
    device.setPenWidth(1);

    int count = 0;
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c) {
            const int x1 = x0 + (c - 1) * square;
            const int y1 = y0 + (r - 1) * square;
            const bool filled = record.isFilled(c, r);
            device.setBrush(filled ? fields.FilledBrush : PrintColour::White);
            device.rectangle(x1, y1, x1 + square + 1, y1 + square + 1);
            if (filled)
                continue;
            ++count;
            const std::uint8_t answer = record.answer(c, r);
            const std::string letter(1, static_cast<char>(answer));
            switch (kind) {
            case NumberedGrid:
                device.textOut(x1 + 5, y1 + 4, NumberText(record, c, r, count));
                break;
            case ManuscriptGrid: {
                setSize(7);
                device.textOut(x1 + 5, y1 + 4, NumberText(record, c, r, count));
                setSize(12);
                if (answer == 0)
                    break;
                int dx = square - device.textWidth("M") - 12;
                dx += letter == "I" ? 4 : letter == "M" ? -2 : letter == "W" ? -3 : 0;
                device.textOut(x1 + dx, y1 + square - device.textHeight("I") - 2, letter);
                break;
            }
            default:
                if (answer != 0)
                    device.textOut(x1 + (square - device.textWidth(letter)) / 2,
                                   y1 + (square - device.textHeight("I")) / 2, letter);
            }
        }
    device.setBrush(PrintColour::White);
}

// The rule across the top of a puzzle page and the heading under it.
void PagePrinter::puzzlePageRule(int h, const std::string& heading)
{
    const int pageWidth = device.pageWidth();
    const int left = (pageWidth - 15 * (device.dotsPerInch() / 2)) / 2;
    setFont(Typeface::Arial, 11, true);
    device.setPenWidth(2);
    device.line(left, h, pageWidth - left, h);
    device.setPenWidth(1);
    device.textOut(left, h + 8, heading);
}

void PagePrinter::PrintPuzzlePage()
{
    fields.PageCount = 1;
    startJob(true, texts.puzzlePageTitle);
    const int width = record.width();
    const int height = record.height();
    const int half = device.dotsPerInch() / 2;
    const int square = 15 * half / std::max(width, height);  // the longer side spans 7.5 inches
    const int pageWidth = device.pageWidth();
    const int left = (pageWidth - 15 * half) / 2;

    setFont(Typeface::Arial, 9);
    const int h = device.textHeight("I");
    puzzlePageRule(h, quoted(texts.puzzlePageTitle));
    setFont(Typeface::Arial, 11);

    // The number size goes down until the widest square text fits a square with
    // two spaces to spare, so "100 Q" and "101 G" never run together as "100 Q101 G".
    int points = font.points;
    do {
        setSize(--points);
    } while (points > 1 && device.textWidth("999 bb  ") + 4 >= square);

    device.setBrush(PrintColour::White);
    device.setPenWidth(1);
    int count = 0;
    int y1 = 3 * h;
    for (int r = 1; r <= height; ++r, y1 += square) {
        int x1 = left;
        for (int c = 1; c <= width; ++c, x1 += square) {
            const bool filled = record.isFilled(c, r);
            device.setBrush(filled ? fields.FilledBrush : PrintColour::White);
            device.rectangle(x1, y1, x1 + square + 1, y1 + square + 1);
            if (!filled)
                device.textOut(x1 + 4, y1 + 1, NumberText(record, c, r, ++count));
        }
    }

    int y = 3 * h + (height + 1) * square + 1;
    device.setBrush(PrintColour::White);
    font.face = Typeface::TimesNewRoman;
    device.setFont(font);
    NumberSquares(record, numbers);
    for (int i = 1; i <= MaxWords && !clue(i).empty(); ++i) {
        setSize(9);
        device.textOut(left, y, wordLabel(i) + ".");
        device.textOut(left + device.textWidth("bb. "), y, SmartQuotes(clue(i)));

        setSize(8);
        const int blankWidth = device.textWidth("___");
        const int step = device.textWidth("___ ");
        int x = pageWidth / 2;
        for (int p = 1;; ++p) {
            device.textOut(x, y, "___");
            const std::string number = numberOf(p, i);
            device.textOut(x + (blankWidth - device.textWidth(number)) / 2, y + h, number);
            if (p == WrapAfterPuzzlePage) {
                x = pageWidth / 2 + device.textWidth("___ ___ ");
                y += 2 * h;
            } else {
                x += step;
            }
            if (!hasLetter(p + 1, i))
                break;
        }
        y += 2 * h;

        // A page is added only for a word still to come, and numbered as it comes.
        if (y > device.pageHeight() - 3 * h && i < MaxWords && !clue(i + 1).empty()) {
            ++fields.PageCount;
            device.newPage();
            puzzlePageRule(h, quoted(texts.title) + "  / Page " + std::to_string(fields.PageCount));
            setFont(Typeface::TimesNewRoman, font.points);
            y = 4 * h;
        }
    }
    PrintSolutionPage(fields.PageCount);
}

void PagePrinter::PrintSolutionPage(int pages)
{
    fields.PageCount = pages;
    if (device.jobOpen() && device.jobPortrait())
        device.newPage();
    else
        startJob(true, texts.title);
    int y = PrintHeader(false);
    const int lineHeight = fields.LineHeight;
    setFont(Typeface::Arial, 11, true);
    y += 2 * lineHeight;
    device.textOut(fields.LeftMargin, y, "SOLUTION");
    y += 2 * lineHeight;
    setFont(Typeface::Arial, 11);
    for (const std::string& line : texts.quotationLines) {
        device.textOut(fields.LeftMargin, y, line);
        y += 2 * lineHeight;
    }
    y += 2 * lineHeight;
    device.textOut(fields.LeftMargin, y, texts.authorTitle);
}

}  // namespace zpx
