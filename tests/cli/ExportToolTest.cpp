// zpxtool export: the files of the Special menu's exports, named as printed.

#include "core/IpuzReader.h"
#include "output/ClueText.h"
#include "output/GridPicture.h"
#include "output/WmfWriter.h"
#include "support/ExportPuzzles.h"
#include "support/ZpxtoolFixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

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
        {"ipuz", {"Q.ipuz"}},
        {"jpz", {"Q.jpz"}},
        {"html", {"Q.html"}},
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

TEST_F(ExportTool, ImportTakesBackAnExportedIpuzAndRefusesWhatAPuzzleCannotHold)
{
    const std::string puzzle = save(test::accentedPuzzle());
    ASSERT_EQ(runLine("export ipuz " + puzzle + " " + quoted(path("Q.ipuz"))).exitCode, 0);
    const ToolRun imported = runLine("import " + quoted(path("Q.ipuz")) + " " + quoted(path("back.zpx")));
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(readText(path("back.zpx")), readText(path("p.zpx")));

    const std::string exported = readText(path("Q.ipuz"));
    const auto edited = [&](const std::function<void(nlohmann::json&)>& edit) {
        nlohmann::json ipuz = nlohmann::json::parse(exported);
        edit(ipuz);
        return ipuz.dump();
    };
    const struct {
        std::string ipuz;
        const char* reason;
    } refused[] = {
        {edited([](auto& j) { j["kind"] = {"http://ipuz.org/crossword#1"}; }), "of the kind \"http://ipuz.org/crossword#1\", not an acrostic"},
        {exported.substr(0, exported.size() / 2), "It is not JSON"},
        {edited([](auto& j) { j["clues"]["Clues"][1]["cells"][0] = {31, 0}; }), "Clue B has the cell [31,0], outside the 31 \xC3\x97 12 grid"},
        {edited([](auto& j) { j["clues"]["Clues"].push_back({{"clue", "Extra"}, {"cells", nlohmann::json::array()}}); }),
         "It has 31 words; a puzzle has at most 30."},
        {edited([](auto& j) { j["clues"]["Clues"][0]["cells"] = std::vector<std::vector<int>>(31, {0, 0}); }),
         "Its word A has 31 letters; a word has at most 30."},
        {edited([](auto& j) { j["dimensions"]["width"] = 32; }), "Its grid is 32 \xC3\x97 12 squares; a grid is at most 31 \xC3\x97 21."},
        {edited([](auto& j) { j["clues"]["Clues"][2]["clue"] = "North \xE2\x86\x92 south"; }), "Clue C has a character that Windows-1252 cannot write."},
        {edited([](auto& j) { j["clues"]["Clues"][3]["label"] = "E"; }), "Its clue number 4 is labelled \"E\"; Zephyrtrace labels that word D."},
        {edited([](auto& j) { j["clues"]["Clues"][4]["answer"] = "WRONGWORDS"; }), "The answer of clue E, WRONGWORDS, is not the letters"},
        {edited([](auto& j) {
             auto& clues = j["clues"]["Clues"];
             clues[5]["cells"][0] = clues[6]["cells"][0];
             clues[5].erase("answer");
         }),
         "is a letter of two words"},
    };
    const std::string kept = readText(path("p.zpx"));
    for (const auto& [ipuz, reason] : refused) {
        const ToolRun run = runLine("import " + quoted(file("bad.ipuz", ipuz)) + " " + quoted(path("p.zpx")));
        EXPECT_EQ(run.exitCode, 1) << reason;
        EXPECT_TRUE(run.err.starts_with(std::string(IpuzRefusedMessage) + "\n")) << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
        EXPECT_EQ(readText(path("p.zpx")), kept) << reason;
    }
    EXPECT_EQ(runLine("import " + quoted(path("bad.ipuz")) + " " + quoted(path("new.zpx"))).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(path("new.zpx")));
    // Only the files the test made: no refused import left a temporary file behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 6);
}
