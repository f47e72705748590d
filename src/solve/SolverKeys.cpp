#include "solve/SolverKeys.h"

#include "solve/SolverChecks.h"

#include <cctype>

namespace zpx {

namespace {

bool isLetter(std::uint8_t c)
{
    return c >= 'A' && c <= 'Z';
}

}  // namespace

KeyOutcome typedKeyOutcome(char key, std::uint8_t held, std::uint8_t answer, bool revealAllowed)
{
    const auto typed = static_cast<std::uint8_t>(std::toupper(static_cast<unsigned char>(key)));
    switch (typed) {
    case '\b':
        return {KeyEffect::StepBack};
    case '\r':
        return {KeyEffect::Store, held};
    case ' ':
        return {KeyEffect::Store, 0};
    case '+':
        if (!revealAllowed)
            return {};
        return {KeyEffect::Store, isLetter(answer) ? answer : std::uint8_t{0}, true};
    default:
        return isLetter(typed) ? KeyOutcome{KeyEffect::Store, typed} : KeyOutcome{};
    }
}

void enterLetter(PuzzleEdits& edits, GridSquare square, const KeyOutcome& outcome)
{
    if (outcome.effect != KeyEffect::Store || !edits.record().inGrid(square.column, square.row)
        || edits.record().isFilled(square.column, square.row))
        return;
    if (outcome.revealed) {
        revealSquares(edits, {square});
        return;
    }
    edits.apply(EditStep::Entry,
                [&](TPuzzleRecord& record) { record.entry(square.column, square.row) = outcome.letter; });
}

}  // namespace zpx
