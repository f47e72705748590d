#include "solve/Scoring.h"

namespace zpx {

namespace {

bool isWrongSquare(const TPuzzleRecord& record, int column, int row)
{
    if (record.isFilled(column, row))
        return false;
    const std::uint8_t entry = record.entry(column, row);
    return entry == 0 || entry != record.answer(column, row);
}

}  // namespace

bool puzzleCorrect(const TPuzzleRecord& record)
{
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            if (isWrongSquare(record, c, r))
                return false;
    return true;
}

std::vector<std::pair<int, int>> wrongSquares(const TPuzzleRecord& record)
{
    std::vector<std::pair<int, int>> squares;
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            if (isWrongSquare(record, c, r))
                squares.emplace_back(c, r);
    return squares;
}

void clearEntries(TPuzzleRecord& record)
{
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c)
            record.entry(c, r) = 0;
}

void startOver(PuzzleEdits& edits)
{
    edits.apply(EditStep::StartOver, [](TPuzzleRecord& record) { clearEntries(record); });
}

}  // namespace zpx
