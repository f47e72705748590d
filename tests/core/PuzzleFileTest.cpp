#include "core/PuzzleFile.h"
#include "core/PuzzleRecord.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <limits>
#include <set>
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
    std::set<std::string> names() const
    {
        std::set<std::string> found;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir))
            found.insert(entry.path().filename().string());
        return found;
    }
};

TPuzzleRecord otherRecord()
{
    TPuzzleRecord record;
    resetPuzzle(record, 10, 8);
    record.answer(1, 1) = 'N';
    return record;
}

std::vector<std::uint8_t> encodedBytes(const TPuzzleRecord& record)
{
    const PuzzleImage image = encodeRecord(record);
    return {image.begin(), image.end()};
}

// The text of the FileError the action raises; empty when it raises none.
std::string fileErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const FileError& error) {
        return error.what();
    }
    return {};
}

// Loads on another thread, so a load that blocks fails the test instead of
// hanging it; the record must stay untouched.
std::string loadFailure(const fs::path& path)
{
    auto failure = std::async(std::launch::async, [path] {
        TPuzzleRecord record;
        record.GridWidth = 7;
        std::string text = fileErrorOf([&] { loadPuzzleFile(path, record); });
        return record.GridWidth == 7 ? text : "record replaced";
    });
    if (failure.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        // A writer lets a load stuck on a pipe go on.
        ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
        return "blocked: " + failure.get();
    }
    return failure.get();
}

// fileErrorOf in a child process that runs as an ordinary user, so
// permissions hold even when the tests run as root.
std::string failureWithoutPrivileges(const std::function<void()>& action)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const uid_t nobody = 65534;
        if (::geteuid() == 0 && (::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(1);
        const std::string text = fileErrorOf(action);
        const bool sent = ::write(channel[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string text;
    char buffer[256];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(count));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "child failed";
}

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
    EXPECT_EQ(loadFailure(write("short.zpx", shorter)), CorruptPuzzleMessage);
}

TEST_F(PuzzleFileFixture, UnreadableFilesAreRefusedAtOnceWithTheReason)
{
    const std::string corrupt = CorruptPuzzleMessage;
    ASSERT_EQ(::mkfifo((dir / "pipe.zpx").c_str(), 0600), 0);
    fs::create_symlink("loop-b.zpx", dir / "loop-a.zpx");
    fs::create_symlink("loop-a.zpx", dir / "loop-b.zpx");
    const fs::path plainFile = write("plain.zpx", {1, 2, 3});
    const std::pair<fs::path, std::string> cases[] = {
        {dir / "missing.zpx", "The file does not exist."},
        {plainFile / "inside.zpx", "The file does not exist."},
        {dir, "It is a folder, not a file."},
        {dir / "pipe.zpx", "It is not an ordinary file (a pipe or a device, for example)."},
        {"/dev/zero", "It is not an ordinary file (a pipe or a device, for example)."},
        {dir / "loop-a.zpx", "Its symbolic links go round in a circle."},
    };
    for (const auto& [path, reason] : cases)
        EXPECT_EQ(loadFailure(path), corrupt + "\n" + reason) << path;

    const fs::path secret = write("secret.zpx", {});
    fs::permissions(secret, fs::perms::none);
    EXPECT_EQ(failureWithoutPrivileges([&] {
                  TPuzzleRecord record;
                  loadPuzzleFile(secret, record);
              }),
              corrupt + "\nYou do not have permission to read it.");
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
    EXPECT_EQ(names(), (std::set<std::string>{"copy.zpx", "source.zpx"}));
}

TEST_F(PuzzleFileFixture, SaveKeepsPermissionsAndSavesThroughLinks)
{
    const PuzzleImage image = handBuiltImage();
    const std::vector<std::uint8_t> oldBytes(image.begin(), image.end());
    const TPuzzleRecord record = otherRecord();
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0604), fs::perms(0755)}) {
        const fs::path puzzle = write("private.zpx", oldBytes);
        fs::permissions(puzzle, mode);
        savePuzzleFile(puzzle, record);
        EXPECT_EQ(fs::status(puzzle).permissions(), mode);
    }

    // A link to a link to the puzzle, relative and absolute.
    fs::create_directory(dir / "real");
    const fs::path puzzle = write("real/puzzle.zpx", oldBytes);
    fs::create_symlink("real/puzzle.zpx", dir / "link.zpx");
    fs::create_symlink(dir / "link.zpx", dir / "real" / "link-to-link.zpx");
    for (const fs::path& link : {dir / "link.zpx", dir / "real" / "link-to-link.zpx"}) {
        const fs::path pointsAt = fs::read_symlink(link);
        savePuzzleFile(link, record);
        EXPECT_EQ(fs::read_symlink(link), pointsAt);
        EXPECT_EQ(read(puzzle), encodedBytes(record));
        write("real/puzzle.zpx", oldBytes);
    }
    // A link whose file does not exist yet gets it.
    fs::create_symlink("real/new.zpx", dir / "new-link.zpx");
    savePuzzleFile(dir / "new-link.zpx", record);
    EXPECT_TRUE(fs::is_symlink(dir / "new-link.zpx"));
    EXPECT_EQ(read(dir / "real" / "new.zpx"), encodedBytes(record));
}

TEST_F(PuzzleFileFixture, LinksPlantedAtTheTemporaryNamesAreNeverFollowed)
{
    const PuzzleImage image = handBuiltImage();
    const std::vector<std::uint8_t> oldBytes(image.begin(), image.end());
    const fs::path puzzle = write("keep.zpx", oldBytes);
    const fs::path victim = write("victim.txt", {'v'});
    const TPuzzleRecord record = otherRecord();

    // Whatever name a save picks, a link is planted there just before it is created.
    for (const int planted : {3, std::numeric_limits<int>::max()}) {
        std::set<fs::path> plantedAt;
        int attempts = 0;
        {
            const ScopedSaveFault plant([&](SaveStep step, const fs::path& file) {
                if (step == SaveStep::CreateTemporary && attempts++ < planted) {
                    plantedAt.insert(file);
                    fs::create_symlink(victim, file);
                }
                return 0;
            });
            if (planted == 3)
                savePuzzleFile(puzzle, record);
            else
                EXPECT_THROW(savePuzzleFile(puzzle, record), FileError);
        }
        EXPECT_EQ(read(victim), std::vector<std::uint8_t>{'v'});
        EXPECT_FALSE(fs::is_symlink(puzzle));
        EXPECT_EQ(read(puzzle), planted == 3 ? encodedBytes(record) : oldBytes);
        EXPECT_EQ(static_cast<int>(plantedAt.size()), std::min(attempts, planted));  // every attempt a new name
        for (const fs::path& name : plantedAt) {
            EXPECT_TRUE(fs::is_symlink(name)) << name;
            EXPECT_TRUE(name.filename().string().starts_with("keep.zpx.")) << name;
            fs::remove(name);
        }
        write("keep.zpx", oldBytes);
    }
}

TEST_F(PuzzleFileFixture, FailingSaveAtAnyStepKeepsThePreviousFile)
{
    const PuzzleImage image = handBuiltImage();
    const std::vector<std::uint8_t> oldBytes(image.begin(), image.end());
    const fs::path puzzle = write("keep.zpx", oldBytes);
    const SaveStep failingSteps[] = {SaveStep::CreateTemporary, SaveStep::SetPermissions, SaveStep::Write,
                                     SaveStep::SyncFile, SaveStep::Close, SaveStep::Rename};
    const std::pair<int, std::string> errors[] = {
        {ENOSPC, "Disk full"},
        {EACCES, "File access denied\nYou do not have permission to write in the puzzle's folder."},
        {EROFS, "File access denied\nThe disk is read-only."},
        {ENOENT, "The folder does not exist."},
        {EIO, "I/O error 5\nInput/output error."},
    };
    TPuzzleRecord record = otherRecord();
    int keptIntact = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const SaveStep failing = failingSteps[attempt % std::size(failingSteps)];
        const auto& [error, message] = errors[attempt / std::size(failingSteps) % std::size(errors)];
        record.answer(1, 2) = static_cast<std::uint8_t>('A' + attempt % 26);
        std::string reported;
        {
            const ScopedSaveFault fault([&](SaveStep step, const fs::path&) { return step == failing ? error : 0; });
            try {
                savePuzzleFile(puzzle, record);
            } catch (const FileError& failure) {
                reported = failure.what();
            }
        }
        EXPECT_EQ(reported, message) << attempt;
        if (read(puzzle) == oldBytes && names() == std::set<std::string>{"keep.zpx"})
            ++keptIntact;
    }
    EXPECT_EQ(keptIntact, 100);

    // Once the new file has its name the save has happened, even if the folder cannot be flushed.
    {
        const ScopedSaveFault fault([](SaveStep step, const fs::path&) { return step == SaveStep::SyncFolder ? EIO : 0; });
        savePuzzleFile(puzzle, record);
    }
    EXPECT_EQ(read(puzzle), encodedBytes(record));
}

TEST_F(PuzzleFileFixture, SavesThatCannotHappenSayWhy)
{
    const TPuzzleRecord record = otherRecord();
    fs::create_directory(dir / "folder.zpx");
    EXPECT_EQ(fileErrorOf([&] { savePuzzleFile(dir / "no-such-folder" / "x.zpx", record); }),
              "The folder does not exist.");
    EXPECT_EQ(fileErrorOf([&] { savePuzzleFile(dir / "folder.zpx", record); }),
              "File access denied\nA folder has the puzzle's name.");

    fs::create_directory(dir / "shared");
    fs::permissions(dir / "shared", fs::perms::all);
    const fs::path readOnly = write("shared/read-only.zpx", {1});
    fs::permissions(readOnly, fs::perms(0444));
    fs::create_directory(dir / "locked");
    fs::permissions(dir / "locked", fs::perms(0555));
    EXPECT_EQ(failureWithoutPrivileges([&] { savePuzzleFile(readOnly, record); }),
              "File access denied\nThe puzzle file is read-only.");
    EXPECT_EQ(failureWithoutPrivileges([&] { savePuzzleFile(dir / "locked" / "new.zpx", record); }),
              "File access denied\nYou do not have permission to write in the puzzle's folder.");
    EXPECT_EQ(read(readOnly), std::vector<std::uint8_t>{1});
    EXPECT_EQ(names(), (std::set<std::string>{"folder.zpx", "locked", "shared"}));
    EXPECT_TRUE(fs::is_empty(dir / "locked"));
}

namespace {

SolvingProgress someProgress()
{
    SolvingProgress progress;
    progress.reveal({3, 2});
    progress.reveal({31, 21});
    progress.secondsSpent = 754;
    return progress;
}

}  // namespace

TEST_F(PuzzleFileFixture, ProgressFollowsTheRecordAndOnlyWhenThereIsSome)
{
    const PuzzleImage image = handBuiltImage();
    TPuzzleRecord record;
    loadPuzzleFile(write("source.zpx", {image.begin(), image.end()}), record);

    // Nothing to keep: the record alone, byte for byte.
    savePuzzleFile(dir / "none.zpx", record, SolvingProgress{});
    EXPECT_EQ(read(dir / "none.zpx"), std::vector<std::uint8_t>(image.begin(), image.end()));

    const SolvingProgress kept = someProgress();
    savePuzzleFile(dir / "kept.zpx", record, kept);
    const std::vector<std::uint8_t> bytes = read(dir / "kept.zpx");
    ASSERT_EQ(bytes.size(), PuzzleFileSize + TrailerSize);
    // Offsets written out: the tag, version 1, length 99, the bit of cell (3, 2) = 43, the seconds.
    EXPECT_EQ(std::string(bytes.begin() + PuzzleFileSize, bytes.begin() + PuzzleFileSize + 4), "ZPXP");
    EXPECT_EQ(bytes[PuzzleFileSize + 4], 1);
    EXPECT_EQ(bytes[PuzzleFileSize + 6], 99);
    EXPECT_EQ(bytes[PuzzleFileSize + 8 + 43 / 8], 1 << (43 % 8));
    EXPECT_EQ(bytes[PuzzleFileSize + 91] | bytes[PuzzleFileSize + 92] << 8, 754);

    TPuzzleRecord reread;
    SolvingProgress progress;
    loadPuzzleFile(dir / "kept.zpx", reread, progress);
    EXPECT_EQ(progress, kept);
    EXPECT_EQ(encodeRecord(reread), image);
    // A reader of the record alone sees the same record.
    TPuzzleRecord recordOnly;
    loadPuzzleFile(dir / "kept.zpx", recordOnly);
    EXPECT_EQ(encodeRecord(recordOnly), image);
}

TEST_F(PuzzleFileFixture, DamagedOrForeignTrailersReadAsNoProgressAndKeepTheRecord)
{
    const PuzzleImage image = handBuiltImage();
    TPuzzleRecord record;
    loadPuzzleFile(write("source.zpx", {image.begin(), image.end()}), record);
    savePuzzleFile(dir / "kept.zpx", record, someProgress());
    const std::vector<std::uint8_t> good = read(dir / "kept.zpx");
    const std::size_t at = PuzzleFileSize;

    using Damage = std::function<void(std::vector<std::uint8_t>&)>;
    const std::pair<const char*, Damage> cases[] = {
        {"cut short", [&](auto& b) { b.resize(at + TrailerSize - 1); }},
        {"other bytes", [&](auto& b) { b.resize(at + 5000, 0xAA); std::fill(b.begin() + at, b.end(), 0xAA); }},
        {"wrong tag", [&](auto& b) { b[at] = 'Q'; }},
        {"version 0", [&](auto& b) { b[at + 4] = 0; }},
        {"length too small", [&](auto& b) { b[at + 6] = 98; }},
        {"length past the end", [&](auto& b) { b[at + 6] = 100; }},
        {"a flipped bit", [&](auto& b) { b[at + 91] ^= 0x10; }},
        {"a wrong checksum", [&](auto& b) { b.back() ^= 0xFF; }},
    };
    for (const auto& [what, damage] : cases) {
        std::vector<std::uint8_t> bytes = good;
        damage(bytes);
        TPuzzleRecord reread;
        SolvingProgress progress = someProgress();
        loadPuzzleFile(write("damaged.zpx", bytes), reread, progress);
        EXPECT_TRUE(progress.empty()) << what;
        EXPECT_EQ(encodeRecord(reread), image) << what;
    }
}

TEST(SolvingProgress, ALaterVersionWithMoreFieldsIsReadForTheFieldsKnown)
{
    std::vector<std::uint8_t> trailer = encodeTrailer(someProgress());
    trailer.resize(TrailerSize - 4);
    trailer.insert(trailer.end(), {7, 7, 7});
    trailer[TrailerOffset::Version] = 2;
    trailer[TrailerOffset::Length] = static_cast<std::uint8_t>(trailer.size() + 4);
    // CRC-32 of the bytes before the checksum, computed here by the textbook bitwise rule.
    std::uint32_t crc = 0xFFFFFFFF;
    for (const std::uint8_t byte : trailer) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    crc = ~crc;
    for (int i = 0; i < 4; ++i)
        trailer.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
    EXPECT_EQ(decodeTrailer(trailer), someProgress());
}
