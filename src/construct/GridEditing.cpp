#include "construct/GridEditing.h"

#include <algorithm>

namespace zpx {

bool cursorMayEnter(const TPuzzleRecord& record, GridSquare square, bool gridEditing)
{
    if (!record.inGrid(square.column, square.row) || record.isFilled(square.column, square.row))
        return false;
    return !gridEditing || record.squareSlot(square.column, square.row) == 0;
}

std::vector<GridSquare> cursorRun(const TPuzzleRecord& record, GridSquare cursor, bool gridEditing)
{
    std::vector<GridSquare> run;
    std::optional<GridSquare> square = cursor;
    if (!cursorMayEnter(record, cursor, gridEditing))
        return run;
    while (square) {
        run.push_back(*square);
        square = advanceCursor(record, *square, gridEditing);
    }
    return run;
}

std::optional<GridSquare> advanceCursor(const TPuzzleRecord& record, GridSquare cursor, bool gridEditing)
{
    const int width = record.width();
    GridSquare next{};
    if (cursor.column < width)
        next = {cursor.column + 1, cursor.row};
    else if (cursor.column == width && cursor.row < record.height())
        next = {1, cursor.row + 1};
    else
        return std::nullopt;
    if (!cursorMayEnter(record, next, gridEditing))
        return std::nullopt;
    return next;
}

GridSquare stepBackCursor(const TPuzzleRecord& record, GridSquare cursor, bool gridEditing)
{
    GridSquare target{};
    if (cursor.column > 1)
        target = {cursor.column - 1, cursor.row};
    else if (cursor.column == 1 && cursor.row > 1)
        target = {record.width(), cursor.row - 1};
    else
        return cursor;
    return cursorMayEnter(record, target, gridEditing) ? target : cursor;
}

std::optional<GridSquare> squareAtPoint(const TPuzzleRecord& record, int x, int y, int square)
{
    if (x < 0 || y < 0 || square < 1)
        return std::nullopt;
    const GridSquare hit{x / square + 1, y / square + 1};
    if (!record.inGrid(hit.column, hit.row))
        return std::nullopt;
    return hit;
}

ConstructionClick constructionClick(TPuzzleRecord& record, int word, GridSquare square)
{
    if (word < 1 || word > MaxWords || !record.inGrid(square.column, square.row)
        || record.isFilled(square.column, square.row) || record.squareSlot(square.column, square.row) != 0)
        return {};
    const int position = addSquareToWord(record, word, square.column, square.row);
    if (position == 0)
        return {ClickOutcome::WordFull, 0};
    return {ClickOutcome::Added, position};
}

LetterRemoval removeLetter(TPuzzleRecord& record, int word, int position)
{
    if (word < 1 || word > MaxWords || position < 1 || position > MaxWordLetters)
        return {};
    const int slot = letterSlot(position, word);
    if (record.SlotSquares[slot - 1] == 0)
        return {};
    const auto [column, row] = slotSquare(record, slot);
    clearSlot(record, slot);
    return {true, {column, row}};
}

void spillWord(TPuzzleRecord& record, int word)
{
    if (word < 1 || word > MaxWords)
        return;
    for (int position = MaxWordLetters; position >= 2; --position)
        clearSlot(record, letterSlot(position, word));
}

ConstructionClick constructionClick(PuzzleEdits& edits, int word, GridSquare square)
{
    return edits.apply(EditStep::Letter,
                       [&](TPuzzleRecord& record) { return constructionClick(record, word, square); });
}

LetterRemoval removeLetter(PuzzleEdits& edits, int word, int position)
{
    return edits.apply(EditStep::RemoveLetter,
                       [&](TPuzzleRecord& record) { return removeLetter(record, word, position); });
}

void spillWord(PuzzleEdits& edits, int word)
{
    edits.apply(EditStep::Spill, [&](TPuzzleRecord& record) { spillWord(record, word); });
}

void typeGridLetter(PuzzleEdits& edits, GridSquare square, std::uint8_t letter)
{
    if (!cursorMayEnter(edits.record(), square, true))
        return;
    edits.apply(EditStep::GridLetter,
                [&](TPuzzleRecord& record) { record.answer(square.column, square.row) = letter; });
}

int snappedSquare(int outerWidth, int count)
{
    return std::max(1, (outerWidth - 9) / std::max(1, count));
}

int titleWordCount(const TPuzzleRecord& record)
{
    for (int word = MaxWords; word >= 1; --word)
        for (int position = 1; position <= MaxWordLetters; ++position)
            if (record.slotSquareRef(letterSlot(position, word)) != 0)
                return word;
    return 0;
}

TitleHit titleHitTest(int x, int y, int square, int wordCount, bool solveMode)
{
    if (x < 0 || y < 0 || square < 1)
        return {};
    if (y <= square && x < square * wordCount)
        return {TitleArea::Word, x / square + 1};
    // The closing line right of position 30 still lies in the lower row: a
    // click there removes nothing rather than deselecting.
    if (!solveMode && y >= square + 6 && y <= 2 * square + 6)
        return {TitleArea::Letter, x / square + 1};
    return {};
}

}  // namespace zpx
