#include "solve/SolveNavigation.h"

#include "solve/ClueLines.h"

#include <algorithm>

namespace zpx {

namespace {

bool isLetterSquare(const TPuzzleRecord& record, GridSquare square)
{
    return record.inGrid(square.column, square.row) && !record.isFilled(square.column, square.row);
}

// The squares in reading order are numbered 0 .. width × height − 1.
int readingIndex(const TPuzzleRecord& record, GridSquare square)
{
    return (square.row - 1) * record.width() + square.column - 1;
}

GridSquare squareAtIndex(const TPuzzleRecord& record, int index)
{
    return {index % record.width() + 1, index / record.width() + 1};
}

bool hasEmptySquare(const TPuzzleRecord& record, int word)
{
    for (const auto& [c, r] : answerSquares(record, word))
        if (record.entry(c, r) == 0)
            return true;
    return false;
}

}  // namespace

std::optional<GridSquare> nextLetterSquare(const TPuzzleRecord& record, GridSquare square)
{
    const int count = record.width() * record.height();
    for (int index = readingIndex(record, square) + 1; index < count; ++index)
        if (const GridSquare next = squareAtIndex(record, index); isLetterSquare(record, next))
            return next;
    return std::nullopt;
}

GridSquare previousLetterSquare(const TPuzzleRecord& record, GridSquare square)
{
    for (int index = readingIndex(record, square) - 1; index >= 0; --index)
        if (const GridSquare previous = squareAtIndex(record, index); isLetterSquare(record, previous))
            return previous;
    return square;
}

GridSquare arrowSquare(const TPuzzleRecord& record, GridSquare square, ArrowKey arrow)
{
    const int dc = arrow == ArrowKey::Left ? -1 : arrow == ArrowKey::Right ? 1 : 0;
    const int dr = arrow == ArrowKey::Up ? -1 : arrow == ArrowKey::Down ? 1 : 0;
    for (GridSquare next{square.column + dc, square.row + dr}; record.inGrid(next.column, next.row);
         next = {next.column + dc, next.row + dr})
        if (!record.isFilled(next.column, next.row))
            return next;
    return square;
}

int entryPosition(const TPuzzleRecord& record, int word)
{
    const auto squares = answerSquares(record, word);
    for (std::size_t k = 0; k < squares.size(); ++k)
        if (record.entry(squares[k].first, squares[k].second) == 0)
            return static_cast<int>(k);
    return 0;
}

std::optional<GridSquare> entrySquare(const TPuzzleRecord& record, int word)
{
    const auto squares = answerSquares(record, word);
    if (squares.empty())
        return std::nullopt;
    const auto [c, r] = squares[static_cast<std::size_t>(entryPosition(record, word))];
    return GridSquare{c, r};
}

int adjacentWord(const TPuzzleRecord& record, int word, bool forward)
{
    const int from = word >= 1 && word <= MaxWords ? word : (forward ? 0 : MaxWords + 1);
    for (int step = 1; step <= MaxWords; ++step) {
        const int candidate = ((forward ? from - 1 + step : from - 1 - step) % MaxWords + MaxWords) % MaxWords + 1;
        if (!answerSquares(record, candidate).empty())
            return candidate;
    }
    return 0;
}

int nextOpenWord(const TPuzzleRecord& record, int word)
{
    const int from = word >= 1 && word <= MaxWords ? word : 0;
    for (int step = 1; step <= MaxWords; ++step) {
        const int candidate = (from - 1 + step + MaxWords) % MaxWords + 1;
        if (hasEmptySquare(record, candidate))
            return candidate;
    }
    return 0;
}

int stripPosition(int position, int length, StripMove move)
{
    if (length <= 0)
        return 0;
    const int last = length - 1;
    const bool onSquare = position >= 0 && position <= last;
    switch (move) {
    case StripMove::Left:
        return onSquare ? std::max(0, position - 1) : last;
    case StripMove::Right:
        return onSquare ? std::min(last, position + 1) : 0;
    case StripMove::Home:
        return 0;
    case StripMove::End:
        return last;
    }
    return position;
}

}  // namespace zpx
