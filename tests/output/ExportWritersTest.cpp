#include "core/PuzzleFile.h"
#include "output/ClueText.h"
#include "output/EpsWriter.h"
#include "output/ExportFiles.h"
#include "output/GridPicture.h"
#include "output/RtfManuscript.h"
#include "output/WmfWriter.h"
#include "support/ExportPuzzles.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace zpx;
using namespace zpx::test;

namespace {

// The lines of a written file; every line must end with CR LF.
std::vector<std::string> crlfLines(const std::string& file)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(file.substr(start, end - start));
    EXPECT_EQ(start, file.size()) << "text after the last CR LF";
    return lines;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t read32(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::uint16_t read16(const std::string& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

class ExportFolder : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("zpx-export-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
};

}  // namespace

TEST(EpsWriter, ThePartsExampleAndItsBoundingBox)
{
    TPuzzleRecord record = gridRecord({"Q#"});
    placeWord(record, 1, {{1, 1}});
    const std::vector<std::string> lines = crlfLines(WriteEps(record, EpsKind::PuzzleGrid, "Quote.eps", "9/12/26"));
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[3], "%%CreationDate: 9/12/26");
    EXPECT_EQ(lines[4], "%%Title: Quote.eps");
    EXPECT_EQ(lines[5], "%%BoundingBox: 0 0 48 25");
    const std::vector<std::string> expected = {"/xx -22 def /x -22 def /y 47 def",
                                               "1 setlinewidth",
                                               "0 25 mv 48 0 rl 0 -25 rl -48 0 rl cp stroke",
                                               "1 24 mv",
                                               "1 setlinewidth",
                                               "/Helvetica-Narrow findfont 8 scalefont setfont",
                                               "nc nb (1A) sh bb"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 15, lines.begin() + 22), expected);
    EXPECT_EQ(lines[22], "showpage");
    EXPECT_EQ(lines[23], "%%EndDocument");
}

TEST(EpsWriter, LongRowsSplitAfter200CharactersWithLabelsOfEveryKind)
{
    TPuzzleRecord record = letterGrid(31, 12);
    record.answer(31, 1) = FilledAnswer;
    record.squareSlot(31, 1) = FilledSlot;
    placeNumberedWord(record, 27, {7}, "Double");
    placeNumberedWord(record, 3, {40}, "C");
    const std::vector<std::string> lines = crlfLines(WriteEps(record, EpsKind::PuzzleGrid, "Big.eps", "today"));
    // Row 1 is lines 22 and 23 (0-based 21, 22): a long first line, its continuation beginning with a space.
    const std::string& first = lines[21];
    EXPECT_GT(first.size(), 200u);
    EXPECT_LT(first.size(), 215u);
    EXPECT_EQ(first.substr(0, 16), "nc nb (1@) sh nb");
    EXPECT_NE(first.find(" nb (7aa) sh"), std::string::npos);
    EXPECT_EQ(lines[22][0], ' ');
    EXPECT_TRUE(lines[22].ends_with(" bb")) << lines[22];
    EXPECT_EQ(lines[23].substr(0, 3), "nc ");
    EXPECT_NE(lines[23].find(" nb (39C) sh"), std::string::npos);
    // Twelve rows of two lines each, between the set-up and "showpage".
    EXPECT_EQ(lines.size(), 21u + 24u + 2u);

    const std::vector<std::string> answers = crlfLines(WriteEps(record, EpsKind::AnswerGrid, "Big.eps", "today"));
    EXPECT_EQ(answers[13], "/lb {wb x y mv 5 -17 rm} def");
    EXPECT_EQ(answers[23].substr(0, 33), "nc lb (A) sh lb (B) sh lb (C) sh ");
    EXPECT_NE(answers[23].find(" ib (I) sh"), std::string::npos);
    EXPECT_NE(answers[24].find(" ww (W) sh"), std::string::npos);
}

TEST(ClueText, NumbersStandRightAlignedInFieldsOfThree)
{
    TPuzzleRecord record = letterGrid(31, 12);
    placeNumberedWord(record, 1, {1}, "First");
    placeNumberedWord(record, 2, {7, 12, 105, 3}, "Poet");
    EXPECT_EQ(clueListLine(record, 2), "B. Poet   7  12 105   3");
    EXPECT_EQ(clueListText(record), "A. First   1\r\nB. Poet   7  12 105   3\r\n");
    // The list stops at the first word without a clue.
    record.Clues[0].assign("");
    EXPECT_EQ(clueListText(record), "");
}

TEST(RtfManuscript, NumberCellsAreFourCharactersWide)
{
    EXPECT_EQ(RtfNumber(9), "\\~9\\~ ");
    EXPECT_EQ(RtfNumber(10), "\\~10 ");
    EXPECT_EQ(RtfNumber(99), "\\~99 ");
    EXPECT_EQ(RtfNumber(100), "100 ");
}

TEST(RtfManuscript, HeadingsAddressBlocksAndTheLinesOfEachWord)
{
    TPuzzleRecord record = letterGrid(31, 12);
    const AuthorAddress address{"Ann Setter", "1 Elm Row", "Leeds", "England", ""};
    const std::vector<std::string> empty = crlfLines(ExportRtf(record, "Quote", address));
    const std::vector<std::string> expected = {
        "{\\rtf\\ansi \\deff4\\deff5\\deflang1033\\margl1250\\margr1150",
        "{\\fonttbl{\\f4\\froman\\fcharset0\\fprq2\\ftruetype Times New Roman;}{\\f5\\fswiss\\fcharset0\\fprq2\\ftruetype "
        "Arial;}{\\f6\\froman\\fcharset0\\fprq2\\ftruetype Courier New}}",
        "{\\info{\\title Quote}{\\author Zephyrtrace 4}{\\creatim\\yr1997\\mo1\\dy21\\hr4\\min01}{\\version1}}",
        "{\\sectd\\header\\pgnucltr\\pgnx1180\\pard\\plain\\tqr\\tx9525\\f4\\fs20 Quote\\tab Page",
        "\\par}{\\tx6400\\f4\\fs22 Ann Setter",
        "\\par 1 Elm Row",
        "\\par Leeds",
        "\\par England",
        "\\par}",
        "\\par{\\tx350\\tx750\\fs22\\sl440",
        "\\par}",
        "{\\sect\\header\\pgnucltr\\pgnx1180\\pard\\plain\\tqr\\tx9525\\f4\\fs20 Quote\\tab Page\\par}",
        "{\\pard\\f4\\fs22 Ann Setter",
        "\\par 1 Elm Row",
        "\\par Leeds",
        "\\par England",
        "\\par\\par}",
        "{\\f4\\fs20\\b\\qc Insert puzzle grid as graphic file or from Clipboard.\\par}",
        "\\par}}"};
    EXPECT_EQ(empty, expected);

    placeNumberedWord(record, 1, {7}, "Say \"it's\" {so}");
    for (int word = 2; word <= 27; ++word)
        placeNumberedWord(record, word, {100 + word, 200 + word}, "Clue");
    const std::vector<std::string> lines = crlfLines(ExportRtf(record, "Quote", address));
    ASSERT_EQ(lines.size(), expected.size() + 27 * 3);
    // Typographic quotes as Windows-1252 bytes; braces written as text.
    EXPECT_EQ(lines[10], "\\par\\f4\\tab A.\\tab Say \x93it\x92s\x94 \\{so\\}");
    EXPECT_EQ(lines[11], "\\par\\f6\\tab\\tab\\ul\\~G\\~\\ul0");
    EXPECT_EQ(lines[12], "\\par\\f6\\tab\\tab \\~7\\~");
    EXPECT_EQ(lines[13 + 26 * 3 - 3], "\\par\\tab aa.\\tab Clue");
    EXPECT_EQ(lines[14 + 26 * 3 - 3], "\\par\\f6\\tab\\tab\\ul\\~W\\~\\ul0  \\ul\\~S\\~\\ul0");
    EXPECT_EQ(lines[15 + 26 * 3 - 3], "\\par\\f6\\tab\\tab 127 227");

    const AuthorAddress withFourth{"N", "1", "2", "3", "4"};
    const std::vector<std::string> fiveLines = crlfLines(ExportRtf(TPuzzleRecord{}, "Q", withFourth));
    EXPECT_EQ(fiveLines[8], "\\par 4");
    EXPECT_EQ(fiveLines.size(), expected.size() + 2);
}

TEST(WmfWriter, PlaceableHeaderFrameAndRecordsThatAddUp)
{
    const TPuzzleRecord record = letterGrid(10, 8);
    for (const PictureKind kind : {PictureKind::PuzzleGrid, PictureKind::AnswerGrid, PictureKind::NumberedAnswers}) {
        const GridPicture picture = DrawGridMetafile(record, kind);
        EXPECT_EQ(picture.width, 302);
        EXPECT_EQ(picture.height, 242);
        const std::string wmf = writeWmf(picture, "Quote.WMF");
        ASSERT_GT(wmf.size(), 40u);
        EXPECT_EQ(read32(wmf, 0), 0x9AC6CDD7u);
        EXPECT_EQ(read16(wmf, 10), 302);
        EXPECT_EQ(read16(wmf, 12), 242);
        std::uint16_t checksum = 0;
        for (std::size_t at = 0; at < 20; at += 2)
            checksum ^= read16(wmf, at);
        EXPECT_EQ(read16(wmf, 20), checksum);
        EXPECT_EQ(read32(wmf, 28) * 2, wmf.size() - 22);
        std::size_t at = 40;
        std::uint32_t largest = 0;
        int rectangles = 0;
        while (at < wmf.size()) {
            const std::uint32_t words = read32(wmf, at);
            ASSERT_GE(words, 3u);
            largest = std::max(largest, words);
            rectangles += read16(wmf, at + 4) == 0x041B;
            at += words * 2;
        }
        EXPECT_EQ(at, wmf.size());
        EXPECT_EQ(read16(wmf, wmf.size() - 2), 0) << "the last record ends the metafile";
        EXPECT_EQ(read32(wmf, 34), largest);
        EXPECT_EQ(rectangles, 80);
    }
}

TEST(GridPicture, LettersAreCentredInTheirSquares)
{
    TPuzzleRecord record = gridRecord({"WI"});
    placeWord(record, 2, {{1, 1}});
    const GridPicture answers = DrawGridMetafile(record, PictureKind::AnswerGrid);
    const auto& w = std::get<PictureText>(answers.items[1]);
    const auto& i = std::get<PictureText>(answers.items[3]);
    // W is 19 units wide and I 5 in bold Arial of cell height 22: (30 - width) div 2 from the box.
    EXPECT_EQ(w.x, 1 + 5);
    EXPECT_EQ(i.x, 31 + 12);
    EXPECT_EQ(w.y, 1 + 4);
    const GridPicture numbered = DrawGridMetafile(record, PictureKind::NumberedAnswers);
    EXPECT_EQ(std::get<PictureText>(numbered.items[1]).text, "1B");
    EXPECT_EQ(std::get<PictureText>(numbered.items[2]).y, 1 + 7 + 6);
    EXPECT_EQ(std::get<PictureText>(numbered.items[4]).text, "2@");

    // Set apart (SVG, PNG) the label stands at the square's right edge, clear of the number.
    const GridPicture apart = DrawGridMetafile(record, PictureKind::NumberedAnswers, LabelPlace::Apart);
    const auto& number = std::get<PictureText>(apart.items[1]);
    const auto& label = std::get<PictureText>(apart.items[2]);
    EXPECT_EQ(number.text + "|" + label.text, "1|B");
    EXPECT_GT(label.x, number.x + arialTextWidth(number.text, number.font));
    EXPECT_LE(label.x + arialTextWidth(label.text, label.font), 31);
    EXPECT_EQ(std::get<PictureText>(apart.items[5]).text, "2");  // no word yet: the number alone
}

TEST_F(ExportFolder, FilesBesideTheChosenNameEachWrittenWhole)
{
    const TPuzzleRecord record = cluedPuzzle();
    EXPECT_EQ(writeClueTextFile(record, path("Quote.eps")), WrittenFiles{path("Quote.TXT")});
    EXPECT_EQ(exportEpsFiles(record, path("Quote.eps"), "today"),
              (WrittenFiles{path("Quote.EPS"), path("Quote-A.EPS")}));
    EXPECT_NE(readFile(path("Quote-A.EPS")).find("%%Title: Quote.eps\r\n"), std::string::npos);
    // A name without an extension keeps all of its letters.
    EXPECT_EQ(exportMetafileFiles(record, path("Quote")), (WrittenFiles{path("Quote.WMF"), path("Quote-A.WMF")}));
    EXPECT_EQ(exportRtfFile(record, path("Quote.rtf"), {}), WrittenFiles{path("Quote.RTF")});
    EXPECT_NE(readFile(path("Quote.RTF")).find("{\\title Quote}"), std::string::npos);

    // The answer picture cannot be written: the error is raised and no half file is left.
    const ScopedSaveFault fault([](SaveStep step, const std::filesystem::path& file) {
        return step == SaveStep::Write && file.string().find("Sketch-A.svg") != std::string::npos ? ENOSPC : 0;
    });
    EXPECT_THROW(exportSvgFiles(record, path("Sketch.svg")), FileError);
    EXPECT_TRUE(std::filesystem::exists(path("Sketch.svg")));
    EXPECT_FALSE(std::filesystem::exists(path("Sketch-A.svg")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 7);
}
