#pragma once
// What the windows are told, and the few things one window asks of another.
// The logic declares these events; the program installs the windows' side
// at start (app/WindowRefreshUnit), and a test may install a recorder. Until
// something is installed every event is ignored and every query answers empty.
//
// Changes to the puzzle itself come from its change path (core/PuzzleEdits)
// as one event that says what changed; the rest are named events of the
// selection and of the windows' own doings.

#include "core/PuzzleChange.h"

#include <functional>
#include <string>

namespace zpx {

class WindowEvents {
public:
    virtual ~WindowEvents() = default;

    // The puzzle changed by a step, its undo or its redo.
    virtual void afterPuzzleChanged(const PuzzleChange&) {}
    // What Undo and Redo would do, or whether the puzzle is modified, changed.
    virtual void afterHistoryChanged() {}

    // The author-title window selected word w, or cleared the selection (0).
    virtual void afterWordSelected(int /*word*/) {}
    // A line of the acrostic word list was clicked: word w is selected as a
    // click on its square in the author-title window selects it.
    virtual void afterWordListClick(int /*word*/) {}
    // A line of the definitions list was clicked: the Autoclue window moves to word w.
    virtual void afterDefinitionLineClick(int /*word*/) {}
    // A cell of the special characters table was clicked: its text (UTF-8)
    // goes into the Autoclue clue line at the caret.
    virtual void afterSpecialCharacterChosen(const std::string& /*utf8*/) {}
    // A definition of the clue database (UTF-8) was clicked: it becomes the Autoclue window's clue.
    virtual void afterBankDefinitionChosen(const std::string& /*utf8*/) {}
    // The clue database window opened or closed: the Autoclue window's add button follows.
    virtual void afterClueDatabaseShown(bool /*shown*/) {}
    // The answer the Autoclue window shows (UTF-8), which the clue database looks up.
    virtual std::string autoclueAnswer() { return {}; }
    // The scan list picked word w for correction.
    virtual void afterScanPick(int /*word*/) {}

    // A puzzle was loaded or created: the windows its mode needs are shown for it.
    virtual void afterPuzzleLoaded() {}
    // Revert to Saved read the file again: the windows show it as saved.
    virtual void afterRevert() {}

    // A clue was chosen for word w (in the clue list, or by the grid's right
    // button): the solve window opens on it, its cursor `cursorSquares` squares in.
    virtual void afterClueChosen(int /*word*/, int /*cursorSquares*/) {}
    // The grid's right button asked for the clue of the word using square (column, row) in solve mode.
    virtual void afterGridClueRequest(int /*column*/, int /*row*/) {}
    // A key typed into the grid in solve mode while the grid has no cursor:
    // the solve window takes it, so typing works wherever the focus is.
    virtual void solverKeyWithoutGridCursor(char /*key*/) {}
    // A key typed while the clue list has the focus, its chosen line showing
    // word w (0 for none): it goes to the square the solver is at, as if typed there.
    virtual void solverKeyInClueList(int /*word*/, char /*key*/) {}
    // A click in the grid: the solve window closes first.
    virtual void beforeGridClick() {}
    // The solve window's right button shows grid square (column, row) while it is held.
    virtual void previewGridSquare(int /*column*/, int /*row*/, bool /*shown*/) {}
    // The solver's place (SelectedWord, CurrentSquare) moved in the solve
    // window: the grid and the author-title window mark the new one.
    virtual void afterSolverPlaceMoved() {}
    // The solver chose a grid square, by a click or by keys: its word's clue
    // line and the solve window follow, the grid keeping the keys.
    virtual void afterGridSquareChosen() {}
    // The solve window closed: the word is no longer selected.
    virtual void afterSolveWindowClosed() {}
    // The puzzle was scored correct: the grid celebrates, then `finished` shows the card.
    virtual void celebrateSolvedPuzzle(std::function<void()> finished) { finished(); }

    // The preferences were saved: every open window re-reads its look and repaints.
    virtual void afterPreferencesSaved() {}
};

// Installs the receiver of the events (not owned); nullptr ignores them again.
void installWindowEvents(WindowEvents* events);
WindowEvents& windowEvents();

}  // namespace zpx
