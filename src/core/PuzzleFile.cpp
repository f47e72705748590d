#include "core/PuzzleFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <random>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace zpx {

namespace {

constexpr std::size_t GridCells = MaxColumns * MaxRows;
// Linux's own limit on the links followed while resolving one name.
constexpr int MaxLinkHops = 40;
// Tries at a fresh temporary name before a save gives up.
constexpr int MaxTemporaryNames = 100;

std::int16_t get2byte(const std::uint8_t* p)
{
    return static_cast<std::int16_t>(p[0] | (p[1] << 8));
}

void put2byte(std::uint8_t* p, std::int16_t value)
{
    const auto v = static_cast<std::uint16_t>(value);
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void putString(std::uint8_t* p, const RecordString& s)
{
    p[0] = s.length;
    std::memcpy(p + 1, s.chars.data(), MaxStringLength);
}

RecordString getString(const std::uint8_t* p)
{
    RecordString s;
    s.length = std::min<std::uint8_t>(p[0], MaxStringLength);
    std::memcpy(s.chars.data(), p + 1, MaxStringLength);
    return s;
}

// The system's own words for an error the program has none for: "Input/output error."
std::string systemSentence(int error)
{
    return std::generic_category().message(error) + ".";
}

FileError unreadable(const std::string& reason)
{
    return FileError(std::string(CorruptPuzzleMessage) + "\n" + reason);
}

FileError unreadable(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return unreadable("The file does not exist.");
    case EACCES:
    case EPERM:
        return unreadable("You do not have permission to read it.");
    case ELOOP:
        return unreadable("Its symbolic links go round in a circle.");
    default:
        return unreadable(systemSentence(error));
    }
}

void refuseUnlessRegular(const struct stat& status)
{
    if (S_ISDIR(status.st_mode))
        throw unreadable("It is a folder, not a file.");
    if (!S_ISREG(status.st_mode))
        throw unreadable("It is not an ordinary file (a pipe or a device, for example).");
}

// `subject` names what is written in the user's words: "puzzle" or "file".
FileError unwritable(int error, const std::string& subject)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return FileError("Disk full");
    case EACCES:
    case EPERM:
        return FileError("File access denied\nYou do not have permission to write in the " + subject + "'s folder.");
    case EROFS:
        return FileError("File access denied\nThe disk is read-only.");
    case EISDIR:
        return FileError("File access denied\nA folder has the " + subject + "'s name.");
    case ENOENT:
    case ENOTDIR:
        return FileError("The folder does not exist.");
    case ELOOP:
        return FileError("The " + subject + "'s symbolic links go round in a circle.");
    default:
        return FileError("I/O error " + std::to_string(error) + "\n" + systemSentence(error));
    }
}

void throwIfFailed(int error, const std::string& subject)
{
    if (error != 0)
        throw unwritable(error, subject);
}

ScopedSaveFault::Injector& saveFaultInjector()
{
    static ScopedSaveFault::Injector injector;
    return injector;
}

// Runs one system call of a save, unless a test makes it fail; returns the
// error number, 0 on success.
template <typename SystemCall>
int saveStep(SaveStep step, const fs::path& file, SystemCall call)
{
    if (const ScopedSaveFault::Injector& inject = saveFaultInjector())
        if (const int error = inject(step, file))
            return error;
    return call() < 0 ? errno : 0;
}

// Reads until the buffer is full or the file ends; returns the bytes read.
std::size_t readUpTo(int descriptor, std::span<std::uint8_t> buffer)
{
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t count = ::read(descriptor, buffer.data() + total, buffer.size() - total);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw unreadable(errno);
        if (count == 0)
            break;
        total += static_cast<std::size_t>(count);
    }
    return total;
}

// Owns an open file and closes it when it goes out of scope.
class OpenFile {
public:
    explicit OpenFile(int descriptor) : descriptor(descriptor) {}
    ~OpenFile()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int get() const { return descriptor; }

private:
    int descriptor;
};

// A save through a symbolic link replaces the file the link points at and
// keeps the link, as editors do.
fs::path fileBehindLinks(fs::path path, const std::string& subject)
{
    std::error_code error;
    for (int hop = 0; fs::is_symlink(path, error); ++hop) {
        if (hop == MaxLinkHops)
            throw unwritable(ELOOP, subject);
        const fs::path link = fs::read_symlink(path, error);
        throwIfFailed(error.value(), subject);
        path = path.parent_path() / link;
    }
    return path;
}

// The permission bits of the file a save replaces; none when there is no file yet.
std::optional<mode_t> permissionsOf(const fs::path& file)
{
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return status.st_mode & 07777;
}

// The new puzzle file until it is renamed over the old one. Its name,
// NAME.<random>.saving beside the puzzle, cannot be guessed in advance, and
// it is created exclusively without following links, so a file or link
// planted there is never written through. It is removed again if the save
// fails on the way.
class TemporaryFile {
public:
    TemporaryFile(const fs::path& puzzle, mode_t createMode, std::string subject) : subject(std::move(subject))
    {
        std::random_device entropy;
        for (int attempt = 0; attempt < MaxTemporaryNames; ++attempt) {
            path = puzzle;
            path += '.';
            path += randomName(entropy);
            path += ".saving";
            const int error = saveStep(SaveStep::CreateTemporary, path, [&] {
                return descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                           createMode);
            });
            if (error != EEXIST) {
                throwIfFailed(error, this->subject);
                return;
            }
        }
        throw unwritable(EEXIST, this->subject);
    }

    ~TemporaryFile()
    {
        if (descriptor >= 0)
            ::close(descriptor);
        if (!renamed)
            ::unlink(path.c_str());
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void setPermissions(mode_t bits)
    {
        throwIfFailed(saveStep(SaveStep::SetPermissions, path, [&] { return ::fchmod(descriptor, bits); }), subject);
    }

    void write(std::span<const std::uint8_t> bytes)
    {
        while (!bytes.empty()) {
            ssize_t written = 0;
            const int error = saveStep(SaveStep::Write, path, [&] {
                return written = ::write(descriptor, bytes.data(), bytes.size());
            });
            if (error == EINTR)
                continue;
            throwIfFailed(error, subject);
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
    }

    void syncToDisk()
    {
        throwIfFailed(saveStep(SaveStep::SyncFile, path, [&] { return ::fsync(descriptor); }), subject);
    }

    // The descriptor is gone after close() whatever it reports.
    void close()
    {
        throwIfFailed(saveStep(SaveStep::Close, path, [&] { return ::close(std::exchange(descriptor, -1)); }), subject);
    }

    void renameOver(const fs::path& puzzle)
    {
        throwIfFailed(saveStep(SaveStep::Rename, puzzle, [&] { return ::rename(path.c_str(), puzzle.c_str()); }), subject);
        renamed = true;
    }

private:
    static std::string randomName(std::random_device& entropy)
    {
        const std::uint64_t value = (std::uint64_t{entropy()} << 32) | entropy();
        char text[16];
        const auto end = std::to_chars(std::begin(text), std::end(text), value, 16).ptr;
        return std::string(text, end);
    }

    std::string subject;
    fs::path path;
    int descriptor = -1;
    bool renamed = false;
};

// Makes the rename itself durable. The new puzzle is in place by then, so a
// folder that cannot be flushed (some file systems refuse) fails no save.
void syncFolder(const fs::path& folder)
{
    const OpenFile directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        saveStep(SaveStep::SyncFolder, folder, [&] { return ::fsync(directory.get()); });
}

// Writes `bytes` to a temporary file beside `path` and renames it over `path`.
void replaceFile(const fs::path& path, std::span<const std::uint8_t> bytes, const std::string& subject)
{
    const fs::path target = fileBehindLinks(path, subject);
    // A read-only file stays unchanged, as when the file itself is written.
    if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT)
        throw errno == EACCES ? FileError("File access denied\nThe " + (subject == "file" ? subject : subject + " file")
                                          + " is read-only.")
                              : unwritable(errno, subject);
    const std::optional<mode_t> permissions = permissionsOf(target);
    TemporaryFile temporary(target, permissions ? S_IRUSR | S_IWUSR : 0666, subject);
    if (permissions)
        temporary.setPermissions(*permissions);
    temporary.write(bytes);
    temporary.syncToDisk();
    temporary.close();
    temporary.renameOver(target);
    syncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."));
}

}  // namespace

PuzzleImage encodeRecord(const TPuzzleRecord& record)
{
    PuzzleImage image{};
    put2byte(&image[RecordOffset::GridWidth], record.GridWidth);
    put2byte(&image[RecordOffset::GridHeight], record.GridHeight);
    std::memcpy(&image[RecordOffset::Answers], &record.Answers[0][0], GridCells);
    std::memcpy(&image[RecordOffset::Entries], &record.Entries[0][0], GridCells);
    const std::int16_t* slots = &record.SquareSlots[0][0];
    for (std::size_t i = 0; i < GridCells; ++i)
        put2byte(&image[RecordOffset::SquareSlots + 2 * i], slots[i]);
    for (std::size_t i = 0; i < MaxSlot; ++i)
        put2byte(&image[RecordOffset::SlotSquares + 2 * i], record.SlotSquares[i]);
    for (std::size_t w = 0; w < MaxWords; ++w)
        putString(&image[RecordOffset::Clues + w * RecordOffset::ClueSize], record.Clues[w]);
    putString(&image[RecordOffset::Byline], record.Byline);
    return image;
}

TPuzzleRecord decodeRecord(std::span<const std::uint8_t> image)
{
    if (image.size() < PuzzleFileSize)
        throw FileError(CorruptPuzzleMessage);
    TPuzzleRecord record;
    record.GridWidth = get2byte(&image[RecordOffset::GridWidth]);
    record.GridHeight = get2byte(&image[RecordOffset::GridHeight]);
    if (record.GridWidth < 1 || record.GridWidth > MaxColumns || record.GridHeight < 1
        || record.GridHeight > MaxRows)
        throw FileError(CorruptPuzzleMessage);
    std::memcpy(&record.Answers[0][0], &image[RecordOffset::Answers], GridCells);
    std::memcpy(&record.Entries[0][0], &image[RecordOffset::Entries], GridCells);
    std::int16_t* slots = &record.SquareSlots[0][0];
    for (std::size_t i = 0; i < GridCells; ++i)
        slots[i] = get2byte(&image[RecordOffset::SquareSlots + 2 * i]);
    for (std::size_t i = 0; i < MaxSlot; ++i)
        record.SlotSquares[i] = get2byte(&image[RecordOffset::SlotSquares + 2 * i]);
    for (std::size_t w = 0; w < MaxWords; ++w)
        record.Clues[w] = getString(&image[RecordOffset::Clues + w * RecordOffset::ClueSize]);
    record.Byline = getString(&image[RecordOffset::Byline]);
    return record;
}

namespace {

// Opens an ordinary file for reading. Non-blocking and checked again once
// open: a pipe put in the file's place since the first look cannot hang the
// program.
int openOrdinaryFile(const fs::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        throw unreadable(errno);
    refuseUnlessRegular(status);
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        throw unreadable(errno);
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        throw unreadable(error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        refuseUnlessRegular(status);
    }
    return descriptor;
}

}  // namespace

void loadPuzzleFile(const fs::path& path, TPuzzleRecord& record)
{
    const OpenFile file(openOrdinaryFile(path));
    PuzzleImage image{};
    const std::size_t length = readUpTo(file.get(), image);
    record = decodeRecord(std::span(image.data(), length));
}

void loadPuzzleFile(const fs::path& path, TPuzzleRecord& record, SolvingProgress& progress)
{
    const OpenFile file(openOrdinaryFile(path));
    std::vector<std::uint8_t> image(PuzzleFileSize + MaxTrailerSize);
    const std::size_t length = readUpTo(file.get(), image);
    const std::span<const std::uint8_t> bytes(image.data(), length);
    record = decodeRecord(bytes);
    progress = decodeTrailer(bytes.subspan(PuzzleFileSize));
}

std::string readWholeFile(const fs::path& path, std::size_t limit, const std::string& tooLong)
{
    const OpenFile file(openOrdinaryFile(path));
    std::string bytes(limit + 1, '\0');
    const std::size_t length = readUpTo(file.get(), std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()));
    if (length > limit)
        throw FileError(tooLong);
    bytes.resize(length);
    return bytes;
}

void savePuzzleFile(const fs::path& path, const TPuzzleRecord& record)
{
    const PuzzleImage image = encodeRecord(record);
    replaceFile(path, image, "puzzle");
}

void savePuzzleFile(const fs::path& path, const TPuzzleRecord& record, const SolvingProgress& progress)
{
    const PuzzleImage image = encodeRecord(record);
    std::vector<std::uint8_t> bytes(image.begin(), image.end());
    const std::vector<std::uint8_t> trailer = encodeTrailer(progress);
    bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    replaceFile(path, bytes, "puzzle");
}

void saveFileAtomically(const fs::path& path, std::string_view bytes)
{
    replaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "file");
}

ScopedSaveFault::ScopedSaveFault(Injector inject)
{
    saveFaultInjector() = std::move(inject);
}

ScopedSaveFault::~ScopedSaveFault()
{
    saveFaultInjector() = nullptr;
}

}  // namespace zpx
