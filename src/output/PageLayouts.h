#pragma once
// The printed pages: the five layouts of the print dialog, the solution page
// that ends two of them, and the rules by which layouts share print jobs.
// Every position is in the printer's device pixels.

#include "core/PuzzleRecord.h"
#include "output/PrintDevice.h"
#include "output/SquareNumbering.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zpx {

// What the print dialog keeps from one print run to the next.
struct PrintFields {
    int LineHeight = 0;      // "I" in Courier New 12 pt, plus 5
    int LeftMargin = 0;      // set by every header printed
    int LinesPerPage = 0;
    int PageCount = 0;       // the number the next header shows, less one
    std::uint32_t FilledBrush = PrintColour::Black;
};

// The texts of the pages, Windows-1252.
struct PrintTexts {
    std::string title;                       // the dialog's title
    std::string puzzlePageTitle;             // printed atop the puzzle page
    std::vector<std::string> quotationLines;  // the solution's quotation as its box shows it
    std::string authorTitle;
};

struct PrintChoices {
    bool manuscript = false;
    bool manuscriptGrid = false;
    bool numberedGrid = false;
    bool solutionGrid = false;
    bool puzzlePage = false;
    bool portrait = true;  // the grid pages' orientation
    bool gray = false;
    int copies = 1;

    int layoutCount() const;
};

enum GridPageKind { ManuscriptGrid = 1, NumberedGrid = 2, SolutionGrid = 3 };

// The square size of a grid page, by the page's orientation and the grid's
// longer side. A square never grows past what keeps the grid on the page.
int gridSquareSize(bool portrait, int width, int height, int pageWidth, int pageHeight, int leftMargin);

class PagePrinter {
public:
    PagePrinter(PrintDevice& device, const TPuzzleRecord& record, PrintFields& fields, const PrintTexts& texts);

    // LineHeight and LinesPerPage on the portrait page in Courier New 12 pt,
    // `bottomMarginLines` lines kept free at the bottom.
    void measureLines(int bottomMarginLines);

    // Every checked layout of every copy, each copy its own job or jobs;
    // `layoutDone` runs after each layout. Nothing happens with no layout checked.
    void printRun(const PrintChoices& choices, const std::function<void()>& layoutDone = {});

    // The solver's page with its solution page, one job.
    void printForSolver();

    int PrintHeader(bool first);
    void PrintManuscript();
    void PrintGridPage(int kind);
    void PrintPuzzlePage();
    void PrintSolutionPage(int pages);

    bool gridPortrait = true;

private:
    void setFont(Typeface face, int points, bool bold = false);
    void setSize(int points);
    void startJob(bool portrait, const std::string& title);
    void endOpenJob();
    // The square of letter p of word w; (0, 0) when the slot is empty.
    std::pair<int, int> letterSquare(int position, int word) const;
    bool hasLetter(int position, int word) const;
    std::string clue(int word) const;
    std::string numberOf(int position, int word) const;
    void puzzlePageRule(int h, const std::string& heading);

    PrintDevice& device;
    const TPuzzleRecord& record;
    PrintFields& fields;
    const PrintTexts& texts;
    PrintFont font;
    SquareNumbers numbers;
};

}  // namespace zpx
