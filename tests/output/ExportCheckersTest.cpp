// The exported files read back by the programs they are meant for:
// Ghostscript for EPS, libwmf for the metafiles, LibreOffice for the
// manuscript, Python's json (with a JSON schema) and xml.etree for ipuz and
// JPZ (scripts/setup.sh installs them).

#include "construct/WordTexts.h"
#include "core/Cp1252.h"
#include "core/PuzzleFile.h"
#include "output/ClueText.h"
#include "output/ExportFiles.h"
#include "output/ExportSquares.h"
#include "output/PublishedPuzzle.h"
#include "output/WebPage.h"
#include "support/ExportPuzzles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

using namespace zpx;
using namespace zpx::test;

namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ExportCheckers : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("zpx-checkers-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Runs a shell command line in the folder; fails the test when the program is missing or fails.
    void run(const std::string& program, const std::string& arguments)
    {
        ASSERT_EQ(std::system(("command -v " + program + " >/dev/null").c_str()), 0)
            << program << " is missing: scripts/setup.sh installs it";
        const std::string line = "cd '" + dir.string() + "' && " + program + " " + arguments + " >out.log 2>&1";
        ASSERT_EQ(std::system(line.c_str()), 0) << line << "\n" << readFile(dir / "out.log");
    }
};

// A binary grey map (P5) as Ghostscript writes it.
struct GreyMap {
    int width = 0;
    int height = 0;
    std::string pixels;
    int at(int x, int y) const { return static_cast<std::uint8_t>(pixels[static_cast<std::size_t>(y * width + x)]); }
};

std::ptrdiff_t matches(const std::string& text, const std::string& pattern)
{
    const std::regex expression(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), expression), std::sregex_iterator());
}

GreyMap readGreyMap(const std::filesystem::path& path)
{
    std::istringstream in(readFile(path));
    GreyMap map;
    // "P5", width, height and largest value, each perhaps after a comment line.
    std::vector<int> header;
    for (std::string token; header.size() < 4 && in >> token;) {
        if (token[0] == '#')
            std::getline(in, token);
        else
            header.push_back(token == "P5" ? 5 : std::atoi(token.c_str()));
    }
    in.get();
    if (header.size() == 4) {
        map.width = header[1];
        map.height = header[2];
    }
    map.pixels.assign(std::istreambuf_iterator<char>(in), {});
    return map;
}

}  // namespace

TEST_F(ExportCheckers, GhostscriptDrawsBothEpsGridsInTheirBoundingBox)
{
    exportEpsFiles(cluedPuzzle(), path("Quote.eps"), "today");
    for (const std::string name : {"Quote.EPS", "Quote-A.EPS"}) {
        run("gs", "-q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r72 -sDEVICE=pgmraw -sOutputFile=grid.pgm " + name);
        EXPECT_EQ(readFile(dir / "out.log"), "") << name;
        const GreyMap grid = readGreyMap(dir / "grid.pgm");
        EXPECT_EQ(grid.width, 23 * 31 + 2);
        EXPECT_EQ(grid.height, 23 * 12 + 2);
        // Square 9 of the first row is filled, square 1's lower half is white; the border runs round.
        EXPECT_LT(grid.at(1 + 23 * 8 + 11, 12), 64) << name;
        EXPECT_GT(grid.at(1 + 11, 20), 192) << name;
        EXPECT_LT(grid.at(0, grid.height / 2), 128) << name;
    }
}

TEST_F(ExportCheckers, LibwmfReadsTheSquaresAndTheirTexts)
{
    exportMetafileFiles(cluedPuzzle(), path("Quote.wmf"));
    run("wmf2svg", "-o grid.svg Quote.WMF");
    const std::string grid = readFile(dir / "grid.svg");
    EXPECT_EQ(matches(grid, "<rect "), 31 * 12);
    EXPECT_NE(grid.find(">1A</text>"), std::string::npos);
    EXPECT_NE(grid.find(">331@</text>"), std::string::npos);
    run("wmf2svg", "-o answers.svg Quote-A.WMF");
    const std::string answers = readFile(dir / "answers.svg");
    EXPECT_EQ(matches(answers, ">[A-Z]</text>"), 31 * 12 - 41);
    EXPECT_NE(answers.find("font-weight:bold"), std::string::npos);
}

TEST_F(ExportCheckers, LibreOfficeShowsEachAnswersLettersOverTheirNumbers)
{
    TPuzzleRecord record = letterGrid(31, 12);
    placeNumberedWord(record, 1, {7, 12, 105, 3}, "Poet's \"verse\"");
    placeNumberedWord(record, 2, {250}, "Single");
    exportRtfFile(record, path("Quote.rtf"), {"Ann Setter", "1 Elm Row", "Leeds", "England", ""});
    run("soffice", "-env:UserInstallation=file://" + path("profile") +
                       " --headless --convert-to 'txt:Text (encoded):UTF8' Quote.RTF");
    std::istringstream text(readFile(dir / "Quote.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(std::regex_replace(line, std::regex("\xC2\xA0|\r|\t"), " "));
    const auto clue = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.find("A.") != std::string::npos; });
    ASSERT_TRUE(clue != lines.end() && lines.end() - clue > 5) << readFile(dir / "Quote.txt");
    EXPECT_NE(clue->find("Poet\xE2\x80\x99s \xE2\x80\x9Cverse\xE2\x80\x9D"), std::string::npos) << *clue;
    // Every letter stands in the four columns of its square's number.
    const std::vector<std::pair<std::string, std::vector<std::string>>> words = {
        {"GLAC", {"7", "12", "105", "3"}}, {"P", {"250"}}};
    for (std::size_t w = 0; w < words.size(); ++w) {
        const std::string& letters = clue[1 + 3 * static_cast<std::ptrdiff_t>(w)];
        const std::string& numbers = clue[2 + 3 * static_cast<std::ptrdiff_t>(w)];
        const std::size_t start = letters.find_first_not_of(' ') - 1;
        for (std::size_t k = 0; k < words[w].first.size(); ++k) {
            EXPECT_EQ(letters[start + 4 * k + 1], words[w].first[k]) << letters;
            const std::string cell = numbers.substr(start + 4 * k, 4);
            EXPECT_NE(cell.find(words[w].second[k]), std::string::npos) << '"' << letters << "\"\n\"" << numbers << '"';
        }
    }
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.find("Ann Setter") != std::string::npos; }));
}

TEST_F(ExportCheckers, PythonReadsIpuzAndJpzAsThePrintedClueListHasThem)
{
    TPuzzleRecord sample;
    loadPuzzleFile(std::string(ZPX_SOURCE_DIR) + "/../examples/walden.zpx", sample);
    const std::string checks = std::string(ZPX_SOURCE_DIR) + "/../tests/output/";
    for (const TPuzzleRecord& record : {sample, accentedPuzzle()}) {
        nlohmann::json expected = {{"title", "Quote \xC3\xA9"}, {"author", cp1252ToUtf8(record.Byline.text())}};
        std::istringstream clueList(cp1252ToUtf8(clueListText(record)));
        for (std::string line; std::getline(clueList, line);)
            expected["clues"].push_back(line.substr(0, line.size() - 1));
        for (const int word : cluedWords(record))
            expected["answers"].push_back(wordText(record, word));
        std::string quotation;
        for (const int square : quotationSquares(record))
            quotation += solutionLetter(record, square / 100, square % 100);
        expected["quotation"] = quotation;

        exportIpuzFile(record, path("Q.ipuz"), "Quote \xC3\xA9");
        exportJpzFile(record, path("Q.jpz"), "Quote \xC3\xA9");
        for (const std::string& arguments : {"ipuz Q.ipuz " + checks + "ipuz-acrostic.schema.json", std::string("jpz Q.jpz")}) {
            run("/usr/bin/python3", checks + "solver_readback.py " + arguments);
            EXPECT_EQ(nlohmann::json::parse(readFile(dir / "out.log")), expected) << arguments;
        }
    }
}

TEST_F(ExportCheckers, TheWebPageOfThirtyWordsIsSmallAndShowsEveryClue)
{
    const TPuzzleRecord record = accentedPuzzle();
    const std::string page = writeWebPage(record, "Quote");
    EXPECT_LE(page.size(), 300u * 1024);
    EXPECT_EQ(matches(page, "data-word=\"[A-Za-z]+\" data-pos="), 300);
    EXPECT_EQ(matches(page, "data-col="), 31 * 12 - 41);
    // Straight quotes made typographic, as the printed puzzle page has them; markup characters escaped.
    EXPECT_NE(page.find("<b>dd.</b> Caf\xC3\xA9 cr\xC3\xA8me \xE2\x80\x9C" "br\xC3\xBBl\xC3\xA9" "e\xE2\x80\x9D \xE2\x80\x93 "
                        "na\xC3\xAFve \xE2\x82\xAC" "30 &amp; &lt;\xC3\x86gir\xE2\x80\x99s&gt;"),
              std::string::npos);
    EXPECT_NE(page.find("by Ren\xC3\xA9" "e \xC5\xA0roder"), std::string::npos);
}
