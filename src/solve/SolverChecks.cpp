#include "solve/SolverChecks.h"

#include "solve/ClueLines.h"

namespace zpx {

namespace {

std::size_t cellOf(GridSquare square)
{
    return static_cast<std::size_t>((square.column - 1) * MaxRows + (square.row - 1));
}

bool isLetterSquare(const TPuzzleRecord& record, GridSquare square)
{
    return record.inGrid(square.column, square.row) && !record.isFilled(square.column, square.row);
}

bool isLetter(std::uint8_t c)
{
    return c >= 'A' && c <= 'Z';
}

}  // namespace

std::vector<GridSquare> scopeSquares(const TPuzzleRecord& record, std::optional<GridSquare> current, int word,
                                     SolverScope scope)
{
    std::vector<GridSquare> squares;
    switch (scope) {
    case SolverScope::Letter:
        if (current && isLetterSquare(record, *current))
            squares.push_back(*current);
        break;
    case SolverScope::Word: {
        const auto slot = current && isLetterSquare(record, *current) ? record.slotAt(current->column, current->row)
                                                                      : std::nullopt;
        for (const auto& [c, r] : answerSquares(record, slot ? slot->word : word))
            squares.push_back({c, r});
        break;
    }
    case SolverScope::Grid:
        for (int r = 1; r <= record.height(); ++r)
            for (int c = 1; c <= record.width(); ++c)
                if (!record.isFilled(c, r))
                    squares.push_back({c, r});
        break;
    }
    return squares;
}

int CheckMarks::check(const TPuzzleRecord& record, const std::vector<GridSquare>& squares)
{
    int wrong = 0;
    for (const GridSquare square : squares) {
        if (!isLetterSquare(record, square))
            continue;
        const std::uint8_t entry = record.entry(square.column, square.row);
        if (isLetter(entry) && entry != record.answer(square.column, square.row)) {
            checkedLetter[cellOf(square)] = entry;
            ++wrong;
        }
    }
    return wrong;
}

bool CheckMarks::marked(const TPuzzleRecord& record, GridSquare square) const
{
    if (!isLetterSquare(record, square))
        return false;
    const std::uint8_t checked = checkedLetter[cellOf(square)];
    return checked != 0 && checked == record.entry(square.column, square.row);
}

CheckMarks& checkMarks()
{
    static CheckMarks marks;
    return marks;
}

void revealSquares(PuzzleEdits& edits, const std::vector<GridSquare>& squares)
{
    std::vector<GridSquare> changing;
    for (const GridSquare square : squares) {
        if (!isLetterSquare(edits.record(), square))
            continue;
        const std::uint8_t answer = edits.record().answer(square.column, square.row);
        if (isLetter(answer) && edits.record().entry(square.column, square.row) != answer)
            changing.push_back(square);
    }
    // Remembered first, so the step's refresh already draws the squares' marks.
    edits.noteRevealed(changing);
    edits.apply(EditStep::Reveal, [&](TPuzzleRecord& record) {
        for (const GridSquare square : changing)
            record.entry(square.column, square.row) = record.answer(square.column, square.row);
    });
}

bool showsRevealMark(const TPuzzleRecord& record, const SolvingProgress& progress, GridSquare square)
{
    return isLetterSquare(record, square) && progress.isRevealed(square)
           && record.entry(square.column, square.row) == record.answer(square.column, square.row);
}

}  // namespace zpx
