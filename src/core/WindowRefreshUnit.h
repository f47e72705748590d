#pragma once
// What a window calls after it changed the puzzle or the selection, so the
// other windows that show it follow, and the few things one window asks of
// another. Each call names the event; its definition in
// app/WindowRefreshUnit.cpp calls the windows affected directly: the one
// place that shows who refreshes whom.

#include <functional>
#include <string>

namespace zpx {

// A construction click, a letter removal or Spill changed word w: the
// windows that show the word's letters follow (the grid squares themselves
// are the caller's), and the puzzle is marked modified.
void afterWordChanged(int word);

// The author-title window removed a letter of word w and freed square
// (column, row); column 0 when the slot named no square of the grid.
void afterLetterRemoved(int word, int column, int row);

// The solver typed into square (column, row) of the grid.
void afterEntryChanged(int column, int row);

// The author-title window selected word w, or cleared the selection (0).
void afterWordSelected(int word);

// A line of the acrostic word list was clicked: word w is selected as a
// click on its square in the author-title window selects it.
void afterWordListClick(int word);

// A line of the definitions list was clicked: the Autoclue window moves to word w.
void afterDefinitionLineClick(int word);

// A cell of the special characters table was clicked: its text (UTF-8) goes
// into the Autoclue clue line at the caret.
void afterSpecialCharacterChosen(const std::string& utf8);

// A definition of the clue database (UTF-8) was clicked: it becomes the
// Autoclue window's clue.
void afterBankDefinitionChosen(const std::string& utf8);
// The clue database window opened or closed: the Autoclue window's add
// button follows.
void afterClueDatabaseShown(bool shown);
// The answer the Autoclue window shows (UTF-8), which the clue database looks up.
std::string autoclueAnswer();
// The scan list picked word w for correction.
void afterScanPick(int word);

// A puzzle was loaded or created: the windows its mode needs are shown for it.
void afterPuzzleLoaded();

// Revert to Saved read the file again: the windows show it as saved.
void afterRevert();

// The solve window entered a letter into grid square (column, row);
// `advanced` unless it was Backspace, which only moves back.
void afterSolveEntry(int column, int row, bool advanced);

// The solver revealed a letter with "+": the puzzle counts as cheated.
void afterLetterRevealed();

// A clue was chosen for word w (in the clue list, or by the grid's right
// button): the solve window opens on it, its cursor `cursorSquares` squares in.
void afterClueChosen(int word, int cursorSquares);

// The grid's right button asked for the clue of the word using square
// (column, row) in solve mode.
void afterGridClueRequest(int column, int row);

// A click in the grid: the solve window closes first.
void beforeGridClick();

// The solve window's right button shows grid square (column, row) while it is held.
void previewGridSquare(int column, int row, bool shown);

// The solve window closed: the word is no longer selected.
void afterSolveWindowClosed();

// Start Over emptied every entry of the grid.
void afterEntriesCleared();

// The puzzle was scored correct: the grid celebrates, then `finished` shows the card.
void celebrateSolvedPuzzle(std::function<void()> finished);

// The preferences were saved: every open window re-reads its look and repaints.
void afterPreferencesSaved();

// Whether the solver revealed a letter or showed the answers since the grid
// was last shown for this puzzle.
bool solverCheated();

}  // namespace zpx
