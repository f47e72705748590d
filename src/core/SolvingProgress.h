#pragma once
// What a solver's attempt holds beside the letters in the record: which
// squares were revealed, whether the answers were shown with the cheat
// button, and the seconds spent solving. It is kept with the puzzle in a
// trailer after the record's 11519 bytes, which readers of the record alone
// never look at:
//
//   OFFSET  SIZE  FIELD         LAYOUT
//        0     4  Tag           "ZPXP"
//        4     2  Version       unsigned 16-bit, little-endian; 1 is written
//        6     2  Length        unsigned 16-bit: bytes of the whole trailer, 99 in version 1
//        8    82  Revealed      one bit per cell of the 31 × 21 storage: cell (c-1)*21 + (r-1)
//                               is bit i % 8 (lowest first) of byte i / 8
//       90     1  Flags         bit 0: the answers were shown
//       91     4  SecondsSpent  unsigned 32-bit
//    Length-4  4  Checksum      CRC-32 (as zip and PNG compute it) of the bytes before it
//
// A later version may only add fields before the checksum: a reader takes
// the fields it knows from any version whose length and checksum hold.

#include "core/PuzzleRecord.h"

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zpx {

namespace TrailerOffset {
constexpr std::size_t Tag = 0;
constexpr std::size_t Version = 4;
constexpr std::size_t Length = 6;
constexpr std::size_t Revealed = 8;
constexpr std::size_t Flags = 90;
constexpr std::size_t SecondsSpent = 91;
constexpr std::size_t Checksum = 95;
}  // namespace TrailerOffset

constexpr std::size_t TrailerSize = 99;
constexpr std::uint16_t TrailerVersion = 1;
// The longest trailer a reader looks for: its length field is 16 bits.
constexpr std::size_t MaxTrailerSize = 0xFFFF;

// Every cell of the 31 × 21 storage, whatever the grid's size.
constexpr int StorageCells = MaxColumns * MaxRows;

struct SolvingProgress {
    std::bitset<StorageCells> revealed;
    bool answersShown = false;
    std::uint32_t secondsSpent = 0;

    bool isRevealed(GridSquare square) const;
    void reveal(GridSquare square);
    // Whether the score card adds "(but you cheated)".
    bool cheated() const { return answersShown || revealed.any(); }
    // Nothing to keep: the file holds the record alone.
    bool empty() const { return !cheated() && secondsSpent == 0; }

    friend bool operator==(const SolvingProgress&, const SolvingProgress&) = default;
};

// The trailer for `progress`; no bytes at all when there is nothing to keep.
std::vector<std::uint8_t> encodeTrailer(const SolvingProgress& progress);

// The progress in the bytes that follow a record. Nothing there, bytes that
// are no trailer, and a damaged trailer (short, a length or checksum that
// does not hold) all read as no progress: the record is whole either way.
SolvingProgress decodeTrailer(std::span<const std::uint8_t> afterRecord);

}  // namespace zpx
