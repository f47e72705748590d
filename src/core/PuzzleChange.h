#pragma once
// The named steps by which the puzzle changes, and what a step, its undo or
// its redo changed, as the change path tells it to whoever watches.

#include "core/PuzzleRecord.h"

#include <string>
#include <vector>

namespace zpx {

enum class EditStep {
    Letter,        // a construction click
    RemoveLetter,  // a letter taken off a word in the author-title window
    Spill,
    GridLetter,    // a letter typed while editing the grid
    Clue,
    Byline,
    Entry,         // a solver's letter
    Reveal,
    StartOver,
    Word,          // a whole answer word built at once
    Fill,          // the remaining words filled at once
};

// The step's name as the Edit menu shows it: "Undo Spill".
std::string stepName(EditStep step);

// Whether a change is a step just made, or one undone or made again.
enum class ChangeOrigin { Step, Undo, Redo };

// What one step, its undo or its redo changed in the record.
struct PuzzleChange {
    EditStep step = EditStep::Letter;
    ChangeOrigin origin = ChangeOrigin::Step;
    std::vector<GridSquare> squares;   // answer, entry or slot of these squares changed
    std::vector<int> words;            // the letters of these words changed
    std::vector<int> clues;            // the clue texts of these words changed
    bool byline = false;
    bool gridSize = false;
};

// Who is told of changes: the program's windows, or a test's recorder.
class PuzzleObserver {
public:
    virtual ~PuzzleObserver() = default;
    virtual void puzzleChanged(const PuzzleChange& change) = 0;
    // Undo, redo or their captions, or `Modified`, may read differently now.
    virtual void historyChanged() = 0;
};

}  // namespace zpx
