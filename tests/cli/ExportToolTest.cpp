// zpxtool export: the files of the Special menu's exports, named as printed.

#include "output/ClueText.h"
#include "output/GridPicture.h"
#include "output/WmfWriter.h"
#include "support/ExportPuzzles.h"
#include "support/ZpxtoolFixture.h"

#include <gtest/gtest.h>

using namespace zpx;
using zpx::test::ToolRun;

using ExportTool = test::ZpxtoolFixture;

TEST_F(ExportTool, WritesEachKindsFilesBesideTheNameAndPrintsThem)
{
    const TPuzzleRecord record = test::cluedPuzzle();
    const std::string puzzle = save(record);
    const struct {
        const char* kind;
        std::vector<std::string> files;
    } cases[] = {
        {"eps", {"Q.TXT", "Q.EPS", "Q-A.EPS"}},
        {"wmf", {"Q.TXT", "Q.WMF", "Q-A.WMF"}},
        {"svg", {"Q.svg", "Q-A.svg"}},
        {"rtf", {"Q.RTF"}},
        {"txt", {"Q.TXT"}},
    };
    for (const auto& [kind, files] : cases) {
        const ToolRun run = runLine(std::string("export ") + kind + " " + puzzle + " " + quoted(path("Q.x")));
        ASSERT_EQ(run.exitCode, 0) << kind << run.err;
        std::vector<std::string> expected;
        for (const std::string& file : files)
            expected.push_back(path(file));
        EXPECT_EQ(run.lines(), expected) << kind;
    }
    EXPECT_EQ(readText(path("Q.TXT")), clueListText(record));
    // The same picture as the program's: the description names the file written.
    EXPECT_EQ(readText(path("Q-A.WMF")), writeWmf(DrawGridMetafile(record, PictureKind::AnswerGrid), "Q-A.WMF"));

    EXPECT_EQ(runLine("export rtf " + puzzle + " " + quoted(path("M.rtf")) + " --name 'Ann Setter' --add4 Norway").exitCode, 0);
    const std::string rtf = readText(path("M.RTF"));
    EXPECT_NE(rtf.find("\\fs22 Ann Setter\r\n\\par Address 1\r\n\\par Address 2\r\n\\par Address 3\r\n\\par Norway\r\n"),
              std::string::npos);
}

TEST_F(ExportTool, RefusesWrongKindsMissingPuzzlesAndUnwritableNames)
{
    const std::string puzzle = save(test::cluedPuzzle());
    EXPECT_EQ(runLine("export pdf " + puzzle + " " + quoted(path("Q.pdf"))).exitCode, 2);
    EXPECT_EQ(runLine("export eps " + puzzle).exitCode, 2);
    EXPECT_EQ(runLine("export eps " + puzzle + " Q.eps --name X").exitCode, 2);
    const ToolRun missing = runLine("export eps " + quoted(path("none.zpx")) + " " + quoted(path("Q.eps")));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Puzzle not in Zephyrtrace format or is corrupt.\nThe file does not exist.\n");
    const ToolRun unwritable = runLine("export svg " + puzzle + " " + quoted(path("no/Q.svg")));
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err, "The folder does not exist.\n");
    EXPECT_EQ(unwritable.out, "");
}
