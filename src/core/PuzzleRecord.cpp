#include "core/PuzzleRecord.h"

#include <algorithm>

namespace zpx {

namespace {
TPuzzleRecord puzzleInMemory;
}  // namespace

const TPuzzleRecord& PuzzleRecord = puzzleInMemory;

TPuzzleRecord& editablePuzzleRecord()
{
    return puzzleInMemory;
}

std::string RecordString::text() const
{
    return std::string(chars.data(), std::min<int>(length, MaxStringLength));
}

void RecordString::assign(std::string_view cp1252)
{
    const auto n = std::min<std::size_t>(cp1252.size(), MaxStringLength);
    std::copy_n(cp1252.data(), n, chars.data());
    length = static_cast<std::uint8_t>(n);
}

std::optional<SlotParts> decodeSlot(int slot)
{
    const SlotParts parts{slot / 100, slot % 100};
    if (parts.position < 1 || parts.position > MaxWordLetters || parts.word < 1 || parts.word > MaxWords)
        return std::nullopt;
    return parts;
}

int TPuzzleRecord::width() const { return std::clamp<int>(GridWidth, 0, MaxColumns); }
int TPuzzleRecord::height() const { return std::clamp<int>(GridHeight, 0, MaxRows); }

bool TPuzzleRecord::inGrid(int column, int row) const
{
    return column >= 1 && column <= width() && row >= 1 && row <= height();
}

int TPuzzleRecord::slotSquareRef(int slot) const
{
    if (slot < 1 || slot > MaxSlot)
        return 0;
    const int ref = SlotSquares[slot - 1];
    return inGrid(ref / 100, ref % 100) ? ref : 0;
}

void TPuzzleRecord::setSlotSquare(int slot, int squareRef)
{
    if (slot >= 1 && slot <= MaxSlot)
        SlotSquares[slot - 1] = static_cast<std::int16_t>(squareRef);
}

std::string wordLabel(int word)
{
    if (word >= 1 && word <= 26)
        return std::string(1, static_cast<char>(word + 64));
    if (word >= 27 && word <= 30)
        return std::string(2, static_cast<char>(word + 70));
    return {};
}

void resetPuzzle(TPuzzleRecord& record, int width, int height)
{
    record.GridWidth = static_cast<std::int16_t>(width);
    record.GridHeight = static_cast<std::int16_t>(height);
    std::fill_n(&record.Answers[0][0], MaxColumns * MaxRows, 0);
    std::fill_n(&record.Entries[0][0], MaxColumns * MaxRows, 0);
    std::fill_n(&record.SquareSlots[0][0], MaxColumns * MaxRows, 0);
    std::fill_n(record.SlotSquares, MaxSlot, 0);
    for (auto& clue : record.Clues)
        clue.length = 0;
    record.Byline.length = 0;
}

std::optional<GridSquare> referencedSquare(const TPuzzleRecord& record, int reference)
{
    const GridSquare square{reference / 100, reference % 100};
    if (reference <= 0 || !record.inGrid(square.column, square.row))
        return std::nullopt;
    return square;
}

std::pair<int, int> slotSquare(const TPuzzleRecord& record, int slot)
{
    const int ref = record.slotSquareRef(slot);
    return {ref / 100, ref % 100};
}

bool isComplete(const TPuzzleRecord& record)
{
    for (int c = 1; c <= record.width(); ++c)
        for (int r = 1; r <= record.height(); ++r)
            if (record.squareSlot(c, r) == 0)
                return false;
    return true;
}

int addSquareToWord(TPuzzleRecord& record, int word, int column, int row)
{
    for (int p = 1; p <= MaxWordLetters; ++p) {
        const int slot = letterSlot(p, word);
        if (record.SlotSquares[slot - 1] == 0) {
            record.squareSlot(column, row) = static_cast<std::int16_t>(slot);
            record.setSlotSquare(slot, squareRef(column, row));
            return p;
        }
    }
    return 0;
}

void clearSlot(TPuzzleRecord& record, int slot)
{
    const auto [c, r] = slotSquare(record, slot);
    if (c != 0 && record.squareSlot(c, r) == slot)
        record.squareSlot(c, r) = 0;
    record.setSlotSquare(slot, 0);
}

}  // namespace zpx
