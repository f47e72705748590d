#include "output/PageLayouts.h"

#include "support/PrintPuzzle.h"
#include "support/RecordingPrintDevice.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace zpx;
using namespace zpx::test;

namespace {

constexpr int Short = RecordingPrintDevice::ShortSide;
constexpr int Long = RecordingPrintDevice::LongSide;

struct Printing {
    explicit Printing(TPuzzleRecord puzzle = printPuzzle()) : record(puzzle)
    {
        texts.title = "walden";
        texts.puzzlePageTitle = "walden";
        texts.quotationLines = {"I WENT TO THE WOODS", "BECAUSE"};
        texts.authorTitle = "THOREAU";
        printer.measureLines(0);
    }

    TPuzzleRecord record;
    RecordingPrintDevice device;
    PrintFields fields;
    PrintTexts texts;
    PagePrinter printer{device, record, fields, texts};
};

std::vector<const DrawnText*> textsOfFont(const DrawnPage& page, bool underlined)
{
    std::vector<const DrawnText*> found;
    for (const DrawnText& text : page.texts)
        if (text.font.underline == underlined)
            found.push_back(&text);
    return found;
}

std::vector<int> pageNumbers(const RecordingPrintDevice& device)
{
    std::vector<int> numbers;
    for (const DrawnJob& job : device.jobs)
        for (const DrawnPage& page : job.pages)
            for (const DrawnText& text : page.texts)
                if (text.text.rfind("Page ", 0) == 0)
                    numbers.push_back(std::stoi(text.text.substr(5)));
    return numbers;
}

}  // namespace

TEST(PageLayouts, SquareSizeFollowsOrientationAndTheLongerSide)
{
    struct Case {
        bool portrait;
        int width, height, leftMargin, expected;
    };
    const Case cases[] = {
        {true, 31, 12, 375, (Short - 375) / 34},
        {true, 12, 20, 375, Short / 23},
        {true, 15, 15, 0, Short / 18},
        {false, 31, 12, 0, Long / 34 + 3},
        {false, 20, 20, 0, Short / 24},
        {false, 31, 21, 0, Short / 25},  // wider than tall but nearly as tall: kept on the page
    };
    for (const Case& c : cases) {
        const int pageWidth = c.portrait ? Short : Long;
        const int pageHeight = c.portrait ? Long : Short;
        const int square = gridSquareSize(c.portrait, c.width, c.height, pageWidth, pageHeight, c.leftMargin);
        EXPECT_EQ(square, c.expected) << c.width << "x" << c.height;
        EXPECT_LE((pageHeight - c.height * square) / 2 + 2 * square + c.height * square, pageHeight);
    }
}

TEST(PageLayouts, GridPagesShareAJobInTheDialogsOrientationAndThePuzzlePageBeginsAPortraitOne)
{
    Printing run;
    run.printer.printRun({.numberedGrid = true, .solutionGrid = true, .puzzlePage = true, .portrait = false});
    ASSERT_EQ(run.device.jobs.size(), 2u);
    EXPECT_FALSE(run.device.jobs[0].portrait);
    EXPECT_EQ(run.device.jobs[0].pages.size(), 2u);
    EXPECT_TRUE(run.device.jobs[1].portrait);
    EXPECT_EQ(run.device.jobs[1].pages.size(), 2u);  // the puzzle page and its solution page
    EXPECT_EQ(pageNumbers(run.device), (std::vector<int>{1, 2, 2}));

    const DrawnPage& numbered = run.device.jobs[0].pages[0];
    EXPECT_NE(numbered.find("1 A"), nullptr);
    EXPECT_NE(numbered.find("101aa"), nullptr);  // word 27's first letter
    EXPECT_EQ(numbered.rects.size(), 1u + 31 * 12);
    EXPECT_EQ(run.device.jobs[0].pages[1].find("1 A"), nullptr);  // the solution grid shows letters
    EXPECT_NE(run.device.jobs[0].pages[1].find("Z"), nullptr);

    const DrawnPage& solution = run.device.jobs[1].pages[1];
    const DrawnText* heading = solution.find("SOLUTION");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(solution.find("BECAUSE")->y - solution.find("I WENT TO THE WOODS")->y, 2 * run.fields.LineHeight);
    EXPECT_NE(solution.find("THOREAU"), nullptr);
    EXPECT_NE(solution.find("walden  /Zephyrtrace v 5.5"), nullptr);
}

TEST(PageLayouts, EveryCopyIsItsOwnJobAndPagesAreNumberedAcrossCopies)
{
    Printing run;
    run.printer.printRun({.numberedGrid = true, .gray = true, .copies = 3});
    ASSERT_EQ(run.device.jobs.size(), 3u);
    EXPECT_EQ(pageNumbers(run.device), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(run.fields.FilledBrush, PrintColour::Silver);

    Printing none;
    none.printer.printRun({.copies = 2});
    EXPECT_TRUE(none.device.jobs.empty());
}

TEST(PageLayouts, ManuscriptWrapsAt21AndNeverSplitsAWordsBlock)
{
    Printing run;
    run.printer.printRun({.manuscript = true});
    ASSERT_EQ(run.device.jobs.size(), 1u);
    const DrawnJob& job = run.device.jobs[0];
    ASSERT_GE(job.pages.size(), 4u);  // at least two pages of clues, the grid, the solution

    const auto firstLetters = textsOfFont(job.pages[0], true);
    ASSERT_GE(firstLetters.size(), 25u);
    for (int p = 1; p < 25; ++p)
        EXPECT_EQ(firstLetters[p]->y, firstLetters[0]->y + (p < 21 ? 0 : 2 * run.fields.LineHeight)) << p;
    EXPECT_EQ(firstLetters[21]->x, firstLetters[0]->x);
    EXPECT_NE(job.pages[0].find("A.  Say \"yes\" or \"no\", it's"), nullptr);

    // Each page holds the letters of exactly the clues it starts, and every clue is printed.
    int clues = 0;
    const std::size_t cluePages = job.pages.size() - 2;
    for (std::size_t p = 0; p < cluePages; ++p) {
        std::size_t letters = 0;
        for (const DrawnText& text : job.pages[p].texts)
            if (text.text.find(".  Clue ") == 1 || text.text.find(". Clue ") == 2) {
                letters += 3;
                ++clues;
            }
        letters += p == 0 ? 25 : 0;
        clues += p == 0 ? 1 : 0;
        EXPECT_EQ(textsOfFont(job.pages[p], true).size(), letters) << "page " << p + 1;
    }
    EXPECT_EQ(clues, 30);
    EXPECT_NE(job.pages[cluePages - 1].find("dd. Clue 30"), nullptr);
    EXPECT_EQ(pageNumbers(run.device).back(), static_cast<int>(job.pages.size()));
}

TEST(PageLayouts, PuzzlePageWrapsAfter19BlanksIndentedByTwoAndMakesQuotesTypographic)
{
    Printing run;
    run.printer.printRun({.puzzlePage = true});
    const DrawnPage& page = run.device.jobs.at(0).pages.at(0);
    EXPECT_NE(page.find("\x93walden\x94"), nullptr);
    EXPECT_NE(page.find("Say \x93yes\x94 or \x93no\x94, it\x92s"), nullptr);
    EXPECT_NE(page.find("dd."), nullptr);

    std::vector<const DrawnText*> blanks;
    for (const DrawnText& text : page.texts)
        if (text.text == "___")
            blanks.push_back(&text);
    ASSERT_EQ(blanks.size(), 25u + 29 * 3);
    const int step = blanks[1]->x - blanks[0]->x;
    EXPECT_EQ(blanks[0]->x, Short / 2);
    EXPECT_EQ(blanks[18]->x, Short / 2 + 18 * step);
    const int h = 9 * RecordingPrintDevice::Dpi / 72;  // "I" in Arial 9 pt
    EXPECT_EQ(blanks[19]->y, blanks[0]->y + 2 * h);
    EXPECT_EQ(blanks[19]->x, Short / 2 + 2 * step);
    EXPECT_EQ(blanks[24]->x, Short / 2 + 7 * step);
    EXPECT_GT(blanks[25]->y, blanks[24]->y);  // word B starts its own line

    // Every square's text ends two spaces clear of the next square.
    const int square = 15 * (RecordingPrintDevice::Dpi / 2) / 31;
    int squares = 0;
    for (const DrawnText& text : page.texts)
        if (text.y < blanks[0]->y && !text.text.empty() && std::isdigit(static_cast<unsigned char>(text.text[0]))) {
            const int character = text.font.points * RecordingPrintDevice::Dpi / 72 * 6 / 10;
            EXPECT_LE(4 + static_cast<int>(text.text.size() + 2) * character, square) << text.text;
            ++squares;
        }
    EXPECT_EQ(squares, 25 + 29 * 3);
}
