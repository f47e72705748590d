#include "core/SolvingProgress.h"

#include <algorithm>
#include <array>

namespace zpx {

namespace {

constexpr std::array<std::uint8_t, 4> Tag = {'Z', 'P', 'X', 'P'};
constexpr std::size_t RevealedBytes = (StorageCells + 7) / 8;
constexpr std::uint8_t AnswersShownFlag = 0x01;
static_assert(TrailerOffset::Revealed + RevealedBytes == TrailerOffset::Flags);
static_assert(TrailerOffset::Checksum + 4 == TrailerSize);

std::size_t cellOf(GridSquare square)
{
    return static_cast<std::size_t>((square.column - 1) * MaxRows + (square.row - 1));
}

bool inStorage(GridSquare square)
{
    return square.column >= 1 && square.column <= MaxColumns && square.row >= 1 && square.row <= MaxRows;
}

std::uint32_t crc32(std::span<const std::uint8_t> bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::uint32_t get(std::span<const std::uint8_t> bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

void put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

bool SolvingProgress::isRevealed(GridSquare square) const
{
    return inStorage(square) && revealed.test(cellOf(square));
}

void SolvingProgress::reveal(GridSquare square)
{
    if (inStorage(square))
        revealed.set(cellOf(square));
}

std::vector<std::uint8_t> encodeTrailer(const SolvingProgress& progress)
{
    if (progress.empty())
        return {};
    std::vector<std::uint8_t> bytes(TrailerSize, 0);
    std::copy(Tag.begin(), Tag.end(), bytes.begin() + TrailerOffset::Tag);
    put(bytes, TrailerOffset::Version, TrailerVersion, 2);
    put(bytes, TrailerOffset::Length, TrailerSize, 2);
    for (std::size_t cell = 0; cell < StorageCells; ++cell)
        if (progress.revealed.test(cell))
            bytes[TrailerOffset::Revealed + cell / 8] |= static_cast<std::uint8_t>(1u << (cell % 8));
    bytes[TrailerOffset::Flags] = progress.answersShown ? AnswersShownFlag : 0;
    put(bytes, TrailerOffset::SecondsSpent, progress.secondsSpent, 4);
    put(bytes, TrailerOffset::Checksum, crc32(std::span(bytes).first(TrailerOffset::Checksum)), 4);
    return bytes;
}

SolvingProgress decodeTrailer(std::span<const std::uint8_t> afterRecord)
{
    if (afterRecord.size() < TrailerSize || !std::equal(Tag.begin(), Tag.end(), afterRecord.begin()))
        return {};
    const std::uint32_t version = get(afterRecord, TrailerOffset::Version, 2);
    const std::size_t length = get(afterRecord, TrailerOffset::Length, 2);
    if (version < 1 || length < TrailerSize || length > afterRecord.size())
        return {};
    const std::span<const std::uint8_t> trailer = afterRecord.first(length);
    if (crc32(trailer.first(length - 4)) != get(trailer, length - 4, 4))
        return {};
    SolvingProgress progress;
    for (std::size_t cell = 0; cell < StorageCells; ++cell)
        progress.revealed[cell] = (trailer[TrailerOffset::Revealed + cell / 8] >> (cell % 8)) & 1u;
    progress.answersShown = (trailer[TrailerOffset::Flags] & AnswersShownFlag) != 0;
    progress.secondsSpent = get(trailer, TrailerOffset::SecondsSpent, 4);
    return progress;
}

}  // namespace zpx
