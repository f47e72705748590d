#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;
using namespace zpx;

namespace {

// A hand-built image: the offsets here are written out, not taken from the code.
PuzzleImage handBuiltImage()
{
    PuzzleImage image{};
    image[0] = 12;                           // GridWidth 12
    image[2] = 9;                            // GridHeight 9
    image[4 + (3 - 1) * 21 + (2 - 1)] = 'Q';  // Answers (3, 2)
    image[4 + (1 - 1) * 21 + (1 - 1)] = 219;  // Answers (1, 1) filled
    image[655 + (5 - 1) * 21 + (9 - 1)] = 'Z';  // Entries (5, 9)
    const int slotCell = 1306 + 2 * ((3 - 1) * 21 + (2 - 1));  // SquareSlots (3, 2) = 1203
    image[slotCell] = 1203 & 0xFF;
    image[slotCell + 1] = 1203 >> 8;
    image[1306] = 1;                          // SquareSlots (1, 1) = 1 (filled)
    const int slotSquare = 2608 + 2 * (1203 - 1);  // SlotSquares[1203] = 302
    image[slotSquare] = 302 & 0xFF;
    image[slotSquare + 1] = 302 >> 8;
    image[9008 + 2 * 81] = 3;                 // Clues[3] = "CAT"
    image[9008 + 2 * 81 + 1] = 'C';
    image[9008 + 2 * 81 + 2] = 'A';
    image[9008 + 2 * 81 + 3] = 'T';
    image[11438] = 2;                         // Byline "\xE9x"
    image[11439] = '\xE9';
    image[11440] = 'x';
    return image;
}

class PuzzleFileFixture : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("zpx-file-test-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    fs::path write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }
    static std::vector<std::uint8_t> read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

}  // namespace

TEST(PuzzleRecordImage, DecodesEveryFieldFromItsOffset)
{
    const PuzzleImage image = handBuiltImage();
    const TPuzzleRecord record = decodeRecord(image);
    EXPECT_EQ(record.GridWidth, 12);
    EXPECT_EQ(record.GridHeight, 9);
    EXPECT_EQ(record.answer(3, 2), 'Q');
    EXPECT_TRUE(record.isFilled(1, 1));
    EXPECT_EQ(record.squareSlot(1, 1), FilledSlot);
    EXPECT_EQ(record.entry(5, 9), 'Z');
    EXPECT_EQ(record.squareSlot(3, 2), 1203);
    EXPECT_EQ(record.SlotSquares[1202], 302);
    EXPECT_EQ(record.Clues[2].text(), "CAT");
    EXPECT_EQ(record.Byline.text(), "\xE9x");
    EXPECT_EQ(encodeRecord(record), image);
}

TEST(PuzzleRecordImage, RefusesGridSizesOutsideTheStorage)
{
    for (auto [w, h] : {std::pair{0, 8}, {32, 8}, {10, 0}, {10, 22}, {-1, 8}}) {
        PuzzleImage image = handBuiltImage();
        image[0] = static_cast<std::uint8_t>(w & 0xFF);
        image[1] = static_cast<std::uint8_t>((w >> 8) & 0xFF);
        image[2] = static_cast<std::uint8_t>(h & 0xFF);
        image[3] = static_cast<std::uint8_t>((h >> 8) & 0xFF);
        EXPECT_THROW(decodeRecord(image), FileError) << w << " x " << h;
    }
}

TEST(PuzzleRecordImage, LengthBytesAboveEightyAreClamped)
{
    PuzzleImage image = handBuiltImage();
    image[9008] = 200;
    image[11438] = 81;
    const TPuzzleRecord record = decodeRecord(image);
    EXPECT_EQ(record.Clues[0].length, 80);
    EXPECT_EQ(record.Byline.text().size(), 80u);
}

TEST_F(PuzzleFileFixture, LoadsOnlyFilesOfAtLeastTheRecordSize)
{
    const PuzzleImage image = handBuiltImage();
    std::vector<std::uint8_t> exact(image.begin(), image.end());
    std::vector<std::uint8_t> longer = exact;
    longer.resize(20000, 0xAA);
    std::vector<std::uint8_t> shorter(exact.begin(), exact.end() - 1);

    TPuzzleRecord record;
    loadPuzzleFile(write("exact.zpx", exact), record);
    EXPECT_EQ(record.answer(3, 2), 'Q');
    record = {};
    loadPuzzleFile(write("long.zpx", longer), record);
    EXPECT_EQ(encodeRecord(record), image);

    TPuzzleRecord untouched;
    untouched.GridWidth = 7;
    EXPECT_THROW(loadPuzzleFile(write("short.zpx", shorter), untouched), FileError);
    EXPECT_THROW(loadPuzzleFile(dir / "missing.zpx", untouched), FileError);
    EXPECT_EQ(untouched.GridWidth, 7);
}

TEST_F(PuzzleFileFixture, SaveThenLoadGivesIdenticalBytes)
{
    const PuzzleImage image = handBuiltImage();
    const fs::path source = write("source.zpx", {image.begin(), image.end()});
    TPuzzleRecord record;
    loadPuzzleFile(source, record);
    const fs::path copy = dir / "copy.zpx";
    savePuzzleFile(copy, record);
    EXPECT_EQ(read(copy), read(source));
    EXPECT_FALSE(fs::exists(dir / "copy.zpx.saving"));
}

TEST_F(PuzzleFileFixture, FailingSaveKeepsThePreviousFile)
{
    const PuzzleImage image = handBuiltImage();
    const fs::path target = write("keep.zpx", {image.begin(), image.end()});
    TPuzzleRecord other;
    resetPuzzle(other, 10, 8);
    // A folder in the way of the temporary file makes the write fail, whatever the user's rights.
    fs::create_directory(dir / "keep.zpx.saving");
    EXPECT_THROW(savePuzzleFile(target, other), FileError);
    EXPECT_EQ(read(target), std::vector<std::uint8_t>(image.begin(), image.end()));
    EXPECT_THROW(savePuzzleFile(dir / "no-such-folder" / "x.zpx", other), FileError);
}
