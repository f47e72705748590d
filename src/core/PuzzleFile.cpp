#include "core/PuzzleFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

namespace zpx {

namespace {

constexpr std::size_t GridCells = MaxColumns * MaxRows;

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

std::string runtimeText(int error)
{
    switch (error) {
    case ENOSPC:
        return "Disk full";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return "File access denied";
    default:
        return "I/O error " + std::to_string(error);
    }
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

TPuzzleRecord decodeRecord(std::span<const std::uint8_t, PuzzleFileSize> image)
{
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

void loadPuzzleFile(const std::filesystem::path& path, TPuzzleRecord& record)
{
    std::ifstream in(path, std::ios::binary);
    PuzzleImage image{};
    if (!in || !in.read(reinterpret_cast<char*>(image.data()), image.size()))
        throw FileError(CorruptPuzzleMessage);
    record = decodeRecord(image);
}

void savePuzzleFile(const std::filesystem::path& path, const TPuzzleRecord& record)
{
    const PuzzleImage image = encodeRecord(record);
    std::filesystem::path temporary = path;
    temporary += ".saving";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throw FileError(runtimeText(errno));
    const bool written = std::fwrite(image.data(), 1, image.size(), file) == image.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        std::remove(temporary.c_str());
        throw FileError(runtimeText(error));
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, path, renameError);
    if (renameError) {
        std::remove(temporary.c_str());
        throw FileError(runtimeText(renameError.value()));
    }
}

}  // namespace zpx
