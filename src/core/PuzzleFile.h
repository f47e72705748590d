#pragma once
// The puzzle file (.zpx) is the 11519-byte image of the record, no header:
//
//   OFFSET  SIZE  FIELD        LAYOUT
//        0     2  GridWidth    signed 16-bit, little-endian, 1..31
//        2     2  GridHeight   signed 16-bit, 1..21
//        4   651  Answers      31 × 21 bytes, column-major: cell (c, r) at (c-1)*21 + (r-1)
//      655   651  Entries      31 × 21 bytes, column-major
//     1306  1302  SquareSlots  31 × 21 signed 16-bit, column-major
//     2608  6400  SlotSquares  3200 signed 16-bit, element s-1 for slot s
//     9008  2430  Clues        30 × (length byte 0..80 + 80 characters)
//    11438    81  Byline       length byte 0..80 + 80 characters
//
// Strings are Windows-1252. Only the first 11519 bytes of a longer file
// count as the record; a solver's progress may follow them
// (core/SolvingProgress), which readers of the record alone never see.

#include "core/PuzzleRecord.h"
#include "core/SolvingProgress.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zpx {

namespace RecordOffset {
constexpr std::size_t GridWidth = 0;
constexpr std::size_t GridHeight = 2;
constexpr std::size_t Answers = 4;
constexpr std::size_t Entries = 655;
constexpr std::size_t SquareSlots = 1306;
constexpr std::size_t SlotSquares = 2608;
constexpr std::size_t Clues = 9008;
constexpr std::size_t ClueSize = 81;
constexpr std::size_t Byline = 11438;
}  // namespace RecordOffset

constexpr std::size_t PuzzleFileSize = 11519;
using PuzzleImage = std::array<std::uint8_t, PuzzleFileSize>;

// What a puzzle that is too short or holds an impossible grid size is
// reported as, in the program and in zpxtool alike. A file that cannot be
// read at all gets this sentence and a second line saying why ("The file
// does not exist.").
inline constexpr const char* CorruptPuzzleMessage = "Puzzle not in Zephyrtrace format or is corrupt.";

// A file that cannot be read (what() starts with CorruptPuzzleMessage) or
// cannot be written (what() is the run-time text for the user: "Disk full",
// "File access denied" and what was denied, ...).
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

PuzzleImage encodeRecord(const TPuzzleRecord& record);
// Refuses (FileError) an image shorter than the record and a grid size
// outside 1..31 × 1..21; bytes after the record are ignored.
TPuzzleRecord decodeRecord(std::span<const std::uint8_t> image);

// Reads a puzzle file; the record is only replaced after the read succeeded.
// Only regular files are opened: a pipe or a device is refused at once.
void loadPuzzleFile(const std::filesystem::path& path, TPuzzleRecord& record);
// The same, with the solver's progress that follows the record; none when
// the file holds no trailer, or a damaged one.
void loadPuzzleFile(const std::filesystem::path& path, TPuzzleRecord& record, SolvingProgress& progress);

// Reads a whole file of at most `limit` bytes, an imported puzzle: a file that
// cannot be read fails as in loadPuzzleFile, a longer one with `tooLong`.
std::string readWholeFile(const std::filesystem::path& path, std::size_t limit, const std::string& tooLong);

// Writes the record to a new file of an unpredictable name beside `path`
// (never following a link planted there), flushes it to the disk and renames
// it over `path`, so a failing save leaves the previous file as it was. The
// new file keeps the old one's permissions; when `path` is a symbolic link,
// the file it points at is replaced and the link stays. A read-only puzzle
// file is refused, as writing it in place would be.
void savePuzzleFile(const std::filesystem::path& path, const TPuzzleRecord& record);
// The same in one write with the solver's progress after the record; without
// progress the file is the record alone.
void savePuzzleFile(const std::filesystem::path& path, const TPuzzleRecord& record, const SolvingProgress& progress);

// Replaces the file at `path` with `bytes` the same safe way: an export that
// fails leaves no half-written file and keeps the one it would have replaced.
void saveFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The system calls of a save, in order.
enum class SaveStep {
    CreateTemporary,  // the file is the temporary file
    SetPermissions,
    Write,
    SyncFile,
    Close,
    Rename,           // the file is the puzzle file being replaced
    SyncFolder,       // the file is the folder; a failure here is not a failed save
};

// While one exists, `inject` is asked before every step of every save; a
// non-zero answer makes that step fail with that error number instead of
// running it. Tests use it to make a save fail anywhere, or to plant a file
// at the temporary name just before it is created.
class ScopedSaveFault {
public:
    using Injector = std::function<int(SaveStep step, const std::filesystem::path& file)>;
    explicit ScopedSaveFault(Injector inject);
    ~ScopedSaveFault();
    ScopedSaveFault(const ScopedSaveFault&) = delete;
    ScopedSaveFault& operator=(const ScopedSaveFault&) = delete;
};

}  // namespace zpx
