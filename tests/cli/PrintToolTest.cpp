#include "support/PrintPuzzle.h"
#include "support/ZpxtoolFixture.h"

using namespace zpx;
using namespace zpx::test;

namespace {

class PrintTool : public ZpxtoolFixture {
protected:
    std::string puzzle;

    void SetUp() override
    {
        ZpxtoolFixture::SetUp();
        puzzle = save(printPuzzle(), "walden.zpx");
    }

    static bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

}  // namespace

TEST_F(PrintTool, GridPagesShareAJobTheDialogsWayAndThePuzzlePageBeginsAPortraitJob)
{
    const ToolRun run = runLine("print " + puzzle + " --layouts numbered,solution,puzzle --landscape --copies 2 " +
                                "--title 'Walden Pond' --out " + quoted(path("job")));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines(), (std::vector<std::string>{path("job-1.pdf"), path("job-2.pdf"), path("job-3.pdf"),
                                                     path("job-4.pdf")}));

    const std::string grids = pdfInfo(path("job-1.pdf"));
    EXPECT_TRUE(has(grids, "Pages:           2")) << grids;
    EXPECT_TRUE(has(grids, "842 x 595")) << grids;
    const std::string gridText = pdfText(path("job-1.pdf"));
    for (const char* part : {"Walden Pond", "Page 1", "Page 2", "Zephyrtrace v 5.5", "1 A", "25 A", "26 B", "101aa"})
        EXPECT_TRUE(has(gridText, part)) << part;

    // The clue list runs onto a second page; the solution page ends the job.
    const std::string puzzlePage = pdfInfo(path("job-2.pdf"));
    EXPECT_TRUE(has(puzzlePage, "Pages:           3")) << puzzlePage;
    EXPECT_TRUE(has(puzzlePage, "595 x 842")) << puzzlePage;
    const std::string puzzleText = pdfText(path("job-2.pdf"));
    for (const char* part : {"\u201CWalden Pond\u201D", "Say \u201Cyes\u201D or \u201Cno\u201D, it\u2019s", "dd.",
                             "Clue 30", "___", "/ Page 2", "SOLUTION", "/Zephyrtrace v 5.5",
                             "Page 3"})
        EXPECT_TRUE(has(puzzleText, part)) << part;

    // The second copy numbers on.
    EXPECT_TRUE(has(pdfText(path("job-3.pdf")), "Page 4"));
    EXPECT_TRUE(has(pdfText(path("job-3.pdf")), "Page 5"));
}

TEST_F(PrintTool, ManuscriptAndTheSolversPageCarryTheSolutionTexts)
{
    const ToolRun solution = runLine("solution " + puzzle);
    ASSERT_EQ(solution.exitCode, 0) << solution.err;
    ASSERT_EQ(solution.lines().size(), 2u);
    EXPECT_EQ(solution.lines()[0].substr(0, 16), "ABCDEFG HIJKLMN ");
    EXPECT_EQ(solution.lines()[1], "AZCFILORUXADGJMPSVYBEHKNQTWZCF");  // A's 25 letters, then three a word
    EXPECT_EQ(runLine("solution " + puzzle + " --mixed").lines()[0].substr(0, 16), "Abcdefg hijklmn ");

    ASSERT_EQ(runLine("print " + puzzle + " --layouts manuscript --page letter --out " + quoted(path("ms"))).exitCode, 0);
    const std::string info = pdfInfo(path("ms-1.pdf"));
    EXPECT_TRUE(has(info, "612 x 792")) << info;
    const std::string manuscript = pdfText(path("ms-1.pdf"));
    for (const char* part : {"Say \"yes\" or \"no\", it's", "aa. Clue 27", "SOLUTION", "ABCDEFG HIJKLMN"})
        EXPECT_TRUE(has(manuscript, part)) << part;

    const ToolRun solver = runLine("print " + puzzle + " --for-solver --out " + quoted(path("solver")));
    ASSERT_EQ(solver.lines(), std::vector<std::string>{path("solver-1.pdf")});
    const std::string solverText = pdfText(path("solver-1.pdf"));
    EXPECT_TRUE(has(solverText, "\u201Cwalden\u201D"));
    EXPECT_TRUE(has(solverText, "SOLUTION"));
}

TEST_F(PrintTool, RefusesWhatItCannotPrint)
{
    const std::string out = " --out " + quoted(path("x"));
    EXPECT_EQ(runLine("print " + puzzle + " --layouts numbered,poster" + out).exitCode, 2);
    EXPECT_EQ(runLine("print " + puzzle + " --layouts numbered --for-solver" + out).exitCode, 2);
    EXPECT_EQ(runLine("print " + puzzle + " --layouts numbered --copies 0" + out).exitCode, 2);
    const ToolRun damaged = runLine("print " + quoted(file("bad.zpx", "short")) + " --layouts numbered" + out);
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(has(damaged.err, CorruptPuzzleMessage));
    const ToolRun unwritable = runLine("print " + puzzle + " --layouts numbered --out " + quoted(path("no/such/x")));
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(has(unwritable.err, "could not be written")) << unwritable.err;
}
