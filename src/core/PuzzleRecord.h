#pragma once
// The one puzzle in memory and its file image.
//
// A square is named by its reference column × 100 + row, both from 1:
// 1203 is column 12, row 3; 0 names no square. One letter of one acrostic
// word is a letter slot position × 100 + word: slot 305 is the third letter
// of word 5 (E), slot 100 + w the first letter of word w. SquareSlots maps
// squares to slots and SlotSquares maps slots to squares; construction keeps
// the two inverse.
//
// Everything here may come from an untrusted file: use the checked accessors
// (slotSquareRef, squareSlot, ...) rather than indexing with stored values.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zpx {

constexpr int MaxColumns = 31;
constexpr int MaxRows = 21;
constexpr int MaxWords = 30;
constexpr int MaxWordLetters = 30;
constexpr int MaxSlot = 3200;
constexpr int MaxStringLength = 80;
constexpr int MaxSquares = 372;

constexpr std::uint8_t FilledAnswer = 219;
constexpr std::int16_t FilledSlot = 1;

// A length-prefixed Windows-1252 string of at most 80 characters. Bytes after
// the length carry no meaning: a reset keeps them, as the file may.
struct RecordString {
    std::uint8_t length = 0;
    std::array<char, MaxStringLength> chars{};

    std::string text() const;               // Windows-1252 bytes, length clamped to 80
    void assign(std::string_view cp1252);   // cut to 80 characters
};

// A letter slot taken apart: slot 305 is position 3 of word 5.
struct SlotParts {
    int position = 0;  // 1..30
    int word = 0;      // 1..30
};

// The parts of a slot value; nullopt for 0 (unused), 1 (filled) and every
// value that names no letter of a word, as a damaged file may hold.
std::optional<SlotParts> decodeSlot(int slot);

// One square of the grid, both counted from 1.
struct GridSquare {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridSquare&, const GridSquare&) = default;
};

struct TPuzzleRecord {
    std::int16_t GridWidth = 0;
    std::int16_t GridHeight = 0;
    std::uint8_t Answers[MaxColumns][MaxRows]{};      // [c - 1][r - 1]
    std::uint8_t Entries[MaxColumns][MaxRows]{};
    std::int16_t SquareSlots[MaxColumns][MaxRows]{};
    std::int16_t SlotSquares[MaxSlot]{};              // [s - 1]
    RecordString Clues[MaxWords];                     // [w - 1]
    RecordString Byline;

    // Grid size, clamped to the storage so a corrupt size can never index outside it.
    int width() const;
    int height() const;
    bool inGrid(int column, int row) const;

    // 1-based square access; the caller passes a square inside the storage.
    std::uint8_t& answer(int column, int row) { return Answers[column - 1][row - 1]; }
    std::uint8_t answer(int column, int row) const { return Answers[column - 1][row - 1]; }
    std::uint8_t& entry(int column, int row) { return Entries[column - 1][row - 1]; }
    std::uint8_t entry(int column, int row) const { return Entries[column - 1][row - 1]; }
    std::int16_t& squareSlot(int column, int row) { return SquareSlots[column - 1][row - 1]; }
    std::int16_t squareSlot(int column, int row) const { return SquareSlots[column - 1][row - 1]; }
    bool isFilled(int column, int row) const { return answer(column, row) == FilledAnswer; }
    // The letter slot that uses square (column, row), decoded.
    std::optional<SlotParts> slotAt(int column, int row) const { return decodeSlot(squareSlot(column, row)); }

    // The square reference stored for slot s (1..3200); 0 for an empty slot,
    // for a slot number out of range and for a reference outside the grid.
    int slotSquareRef(int slot) const;
    void setSlotSquare(int slot, int squareRef);
};

// The one puzzle in memory, as every window reads it. The program changes
// it only through its change path (core/PuzzleEdits), which keeps the undo
// history and tells the windows; tests arrange theirs with editablePuzzleRecord.
extern const TPuzzleRecord& PuzzleRecord;
TPuzzleRecord& editablePuzzleRecord();

inline int squareRef(int column, int row) { return column * 100 + row; }
inline int letterSlot(int position, int word) { return position * 100 + word; }

// Word w's label: "A".."Z" for 1..26, "aa".."dd" for 27..30.
std::string wordLabel(int word);

// Clears the record for a new grid of the given size (ResetPuzzle).
void resetPuzzle(TPuzzleRecord& record, int width, int height);

// The square a reference (column × 100 + row) names; nullopt for 0 and for a square outside the grid.
std::optional<GridSquare> referencedSquare(const TPuzzleRecord& record, int reference);

// (column, row) of a slot, (0, 0) when empty or not a square of the grid (SlotSquare).
std::pair<int, int> slotSquare(const TPuzzleRecord& record, int slot);

// True when no square of the grid is still unused (IsComplete).
bool isComplete(const TPuzzleRecord& record);

// Adds square (column, row) to word w at its lowest empty position and
// returns that position; 0 when the word already has 30 letters. The caller
// has checked that the square is a free letter square.
int addSquareToWord(TPuzzleRecord& record, int word, int column, int row);

// Empties slot s and frees its square (keeps both maps inverse).
void clearSlot(TPuzzleRecord& record, int slot);

}  // namespace zpx
