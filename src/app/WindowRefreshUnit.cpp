// Who refreshes whom: every cross-window refresh of the program, one named
// function per event, each calling the affected windows directly. Windows
// the program has not created (a test may create only some) are skipped.

#include "app/WindowRefreshUnit.h"

#include "app/ZpxMainUnit.h"
#include "clues/CluesDBUnit.h"
#include "clues/DefListUnit.h"
#include "clues/ZpxAutoUnit.h"
#include "construct/LettersDistUnit.h"
#include "construct/ZpxAcrosticWinUnit.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxScanUnit.h"
#include "construct/ZpxSuggestUnit.h"
#include "construct/ZpxTitleUnit.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"
#include "output/ZpxPrintUnit.h"
#include "core/ZpxApplicationUnit.h"
#include "solve/Scoring.h"
#include "solve/SolveNavigation.h"
#include "solve/SolverChecks.h"
#include "solve/ZpxClockUnit.h"
#include "solve/ZpxCluesUnit.h"
#include "solve/ZpxSolveUnit.h"

#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <set>

namespace zpx {

namespace {

bool isShown(const QWidget* window)
{
    return window && window->isVisible();
}

void repaintGrid()
{
    if (ZpxGridForm)
        ZpxGridForm->Repaint();
}

void repaintTitle()
{
    if (ZpxTitleForm)
        ZpxTitleForm->Repaint();
}

// Hiding first makes the showing re-read the window's settings and place it for the puzzle.
void showAfresh(QWidget* window)
{
    if (!window)
        return;
    window->hide();
    window->show();
}

void hideWindow(QWidget* window)
{
    if (window)
        window->hide();
}

// The suggestions follow the selected word and its letters.
void refreshSuggestions()
{
    if (isShown(ZpxSuggestForm))
        ZpxSuggestForm->FillSuggestList();
}

// The grid squares of a change, drawn again one by one; a change of the
// grid's size, or of most of it, is drawn whole.
void refreshGridSquares(const PuzzleChange& change)
{
    if (!ZpxGridForm)
        return;
    constexpr std::size_t WholeGrid = 64;
    if (change.gridSize || change.squares.size() > WholeGrid) {
        ZpxGridForm->Repaint();
        return;
    }
    ZpxGridForm->RefreshSquares(change.squares);
}

// The grid and the author-title window mark the solver's place.
void followSolverPlace()
{
    if (ZpxGridForm)
        ZpxGridForm->FollowSolverPlace();
    if (ZpxTitleForm)
        ZpxTitleForm->FollowSolverPlace();
    if (ZpxCluesForm)
        ZpxCluesForm->FollowSolverPlace();
}

// The solver's entries changed: the clue lines of their words follow, the
// author-title square of a first letter, and the solve window's strip.
void refreshEntries(const PuzzleChange& change)
{
    std::set<int> words;
    for (const GridSquare square : change.squares) {
        if (!PuzzleRecord.inGrid(square.column, square.row))
            continue;
        if (const auto slot = PuzzleRecord.slotAt(square.column, square.row)) {
            words.insert(slot->word);
            if (slot->position == 1 && ZpxTitleForm)
                ZpxTitleForm->RefreshWordSquare(slot->word);
            if (slot->word == SelectedWord && isShown(ZpxSolveForm))
                ZpxSolveForm->RefreshAnswerSquare(square.column, square.row);
        }
    }
    if (!ZpxCluesForm)
        return;
    for (const int word : words)
        ZpxCluesForm->RebuildClueLine(word);
}

// A letter of the solver's own (typed or revealed, not undone or made again):
// the first starts the clock, and the one that completes a correct solution
// brings the score card, once the key that made it has been handled.
void followSolverLetter(const PuzzleChange& change)
{
    const bool solverLetter = change.step == EditStep::Entry || change.step == EditStep::Reveal;
    if (Mode != ModeSolve || change.origin != ChangeOrigin::Step || !solverLetter)
        return;
    if (ZpxClockForm)
        ZpxClockForm->LetterEntered();
    if (ZpxMainForm && puzzleCorrect(PuzzleRecord))
        QTimer::singleShot(0, ZpxMainForm, [] {
            runGuarded([] {
                if (Mode == ModeSolve && puzzleCorrect(PuzzleRecord))
                    ZpxMainForm->ScorePuzzle1Click();
            });
        });
}

// A new solving session: no check marks, the clock waiting for the first letter.
void startSolvingSession()
{
    checkMarks().clear();
    if (ZpxClockForm)
        ZpxClockForm->StartSession();
}

}  // namespace

void installWindowRefresh()
{
    static TWindowRefresh refresh;
    installWindowEvents(&refresh);
}

void TWindowRefresh::afterPuzzleChanged(const PuzzleChange& change)
{
    const bool replayed = change.origin != ChangeOrigin::Step;
    // A letter taken off a word leaves the Autoclue window's answer outdated.
    if (change.step == EditStep::RemoveLetter && !change.words.empty() && isShown(AutoclueForm))
        AutoclueForm->close();

    refreshGridSquares(change);
    if (Mode == ModeSolve)
        refreshEntries(change);
    if (change.gridSize || !change.words.empty())
        repaintTitle();
    if (isShown(AcrosticWinForm))
        for (const int word : change.words)
            AcrosticWinForm->RefreshWordLine(word);
    // A reveal marks its squares in the strip too.
    if ((replayed || change.step == EditStep::Reveal) && isShown(ZpxSolveForm))
        ZpxSolveForm->Repaint();
    followSolverLetter(change);

    for (const int word : change.clues) {
        if (isShown(DefListForm))
            DefListForm->ReplaceWordLine(word);
        if (ZpxCluesForm && Mode == ModeSolve)
            ZpxCluesForm->RebuildClueLine(word);
        // The clue line being typed in shows its own typing; an undone clue is shown anew.
        if (replayed && isShown(AutoclueForm) && AutoclueForm->CurrentWord == word)
            AutoclueForm->ShowWord();
    }
    if (change.byline && ZpxMainForm)
        ZpxMainForm->ShowPuzzleLine();
    if (!change.words.empty() || change.gridSize)
        refreshSuggestions();
}

void TWindowRefresh::afterHistoryChanged()
{
    if (ZpxMainForm)
        ZpxMainForm->RefreshEditCommands();
}

void TWindowRefresh::afterClueChosen(int word, int cursorSquares)
{
    SelectedWord = word;
    if (ZpxGridForm)
        ZpxGridForm->ClearCursor();
    repaintTitle();
    if (ZpxCluesForm)
        ZpxCluesForm->SelectWordLine(word);
    if (ZpxSolveForm)
        ZpxSolveForm->ShowWord(cursorSquares);
    followSolverPlace();
}

void TWindowRefresh::afterGridClueRequest(int column, int row)
{
    const auto slot = PuzzleRecord.slotAt(column, row);
    if (slot && ZpxCluesForm)
        ZpxCluesForm->ChooseClueFromGrid(slot->word, slot->position);
}

void TWindowRefresh::solverKeyWithoutGridCursor(char key)
{
    if (isShown(ZpxSolveForm))
        ZpxSolveForm->FormKeyPress(key);
}

void TWindowRefresh::solverKeyInClueList(int word, char key)
{
    // With the solve window closed, a cursor in the grid takes the key.
    if (!isShown(ZpxSolveForm) && ZpxGridForm && ZpxGridForm->cursorSquare()) {
        ZpxGridForm->TypeSolverKey(key);
        return;
    }
    // A line chosen with Up or Down is opened first, as a click on it would.
    if (word != 0 && (word != SelectedWord || !isShown(ZpxSolveForm)))
        afterClueChosen(word, entryPosition(PuzzleRecord, word));
    if (isShown(ZpxSolveForm))
        ZpxSolveForm->FormKeyPress(key);
}

void TWindowRefresh::beforeGridClick()
{
    if (isShown(ZpxSolveForm))
        ZpxSolveForm->close();
}

void TWindowRefresh::previewGridSquare(int column, int row, bool shown)
{
    if (ZpxGridForm)
        ZpxGridForm->PreviewSquare(column, row, shown);
}

void TWindowRefresh::afterSolverPlaceMoved()
{
    followSolverPlace();
}

void TWindowRefresh::afterGridSquareChosen()
{
    followSolverPlace();
    if (ZpxCluesForm)
        ZpxCluesForm->SelectWordLine(SelectedWord);
    if (ZpxSolveForm && SelectedWord != 0)
        ZpxSolveForm->FollowGridSquare();
    else if (ZpxSolveForm)
        ZpxSolveForm->hide();
}

void TWindowRefresh::afterSolveWindowClosed()
{
    CurrentSquare = 0;
    if (ZpxTitleForm)
        ZpxTitleForm->ClearSelection();
    followSolverPlace();
}

void TWindowRefresh::afterWordSelected(int word)
{
    if (Mode == ModeSolve && word != 0) {
        if (ZpxCluesForm)
            ZpxCluesForm->FillClueList();
        if (ZpxSolveForm)
            ZpxSolveForm->ShowWord(entryPosition(PuzzleRecord, word));
        return;
    }
    if (isShown(AcrosticWinForm))
        AcrosticWinForm->SelectWordLine(word);
    if (word != 0 && isShown(AutoclueForm))
        AutoclueForm->ShowWordOf(word);
    // A selection highlights the word's squares while constructing; clearing it removes them in any mode.
    if (word == 0 || Mode == ModeConstruction)
        repaintGrid();
    refreshSuggestions();
}

void TWindowRefresh::afterWordListClick(int word)
{
    SelectedWord = word;
    repaintGrid();
    if (ZpxTitleForm)
        ZpxTitleForm->SelectWord(word);
}

void TWindowRefresh::afterDefinitionLineClick(int word)
{
    if (AutoclueForm)
        AutoclueForm->ShowWordOf(word);
}

void TWindowRefresh::afterSpecialCharacterChosen(const std::string& utf8)
{
    if (!isShown(AutoclueForm))
        return;
    AutoclueForm->InsertAtCaret(QString::fromStdString(utf8));
    // The constructor goes on typing where the character went in.
    AutoclueForm->activateWindow();
}

void TWindowRefresh::afterBankDefinitionChosen(const std::string& utf8)
{
    if (isShown(AutoclueForm))
        AutoclueForm->SetClueText(QString::fromStdString(utf8));
}

void TWindowRefresh::afterClueDatabaseShown(bool shown)
{
    if (AutoclueForm)
        AutoclueForm->ClueDatabaseShown(shown);
}

std::string TWindowRefresh::autoclueAnswer()
{
    return AutoclueForm ? AutoclueForm->ShownAnswer() : std::string();
}

void TWindowRefresh::afterScanPick(int word)
{
    SelectedWord = word;
    repaintTitle();
    repaintGrid();
    refreshSuggestions();
}

void TWindowRefresh::afterPuzzleLoaded()
{
    startSolvingSession();
    CurrentSquare = 0;
    if (ZpxGridForm)
        ZpxGridForm->setWindowTitle(QFileInfo(QString::fromStdString(PuzzleFileName)).fileName());
    showAfresh(ZpxGridForm);
    showAfresh(ZpxTitleForm);
    if (ZpxPrintForm)
        ZpxPrintForm->ClearTitle();

    // The letters distribution belongs to construction; the word list and the
    // scan would show the answers to a solver and another puzzle's words to a constructor.
    hideWindow(ZpxSolveForm);
    if (Mode == ModeSolve) {
        hideWindow(LettersDistForm);
        hideWindow(AcrosticWinForm);
        hideWindow(ZpxScanForm);
        hideWindow(ZpxSuggestForm);
        showAfresh(ZpxCluesForm);
        return;
    }
    hideWindow(ZpxCluesForm);
    if (isShown(LettersDistForm))
        LettersDistForm->FormPaint();
    else if (LettersDistForm)
        LettersDistForm->show();
    if (isShown(AcrosticWinForm))
        AcrosticWinForm->FillWordList();
    if (isShown(ZpxScanForm))
        ZpxScanForm->ScanGrid();
    refreshSuggestions();
}

void TWindowRefresh::afterRevert()
{
    startSolvingSession();
    // The clue line would still show the clue as it was before the revert.
    if (isShown(AutoclueForm))
        AutoclueForm->close();
    CurrentSquare = 0;
    if (ZpxGridForm)
        ZpxGridForm->ClearCursor();
    repaintGrid();
    repaintTitle();
    if (Mode == ModeSolve) {
        if (ZpxSolveForm) {
            ZpxSolveForm->ClearCursor();
            ZpxSolveForm->hide();
        }
        if (ZpxCluesForm)
            ZpxCluesForm->FillClueList();
        return;
    }
    if (isShown(LettersDistForm))
        LettersDistForm->FormPaint();
    if (isShown(AcrosticWinForm))
        AcrosticWinForm->FillWordList();
    refreshSuggestions();
}

void TWindowRefresh::celebrateSolvedPuzzle(std::function<void()> finished)
{
    if (ZpxGridForm)
        ZpxGridForm->Celebrate(std::move(finished));
    else
        finished();
}

void TWindowRefresh::afterPreferencesSaved()
{
    if (isShown(ZpxGridForm)) {
        ZpxGridForm->ApplySettings();
        ZpxGridForm->Repaint();
    }
    if (isShown(ZpxTitleForm)) {
        ZpxTitleForm->ApplySettings();
        ZpxTitleForm->Repaint();
    }
    if (isShown(ZpxSolveForm)) {
        ZpxSolveForm->ApplySettings();
        ZpxSolveForm->Repaint();
    }
    if (isShown(ZpxCluesForm))
        ZpxCluesForm->ApplySettings();
    // The Autoclue window takes its definitions list along.
    if (isShown(AutoclueForm))
        AutoclueForm->ApplySettings();
    else if (isShown(DefListForm))
        DefListForm->ApplySettings();
    if (isShown(LettersDistForm))
        LettersDistForm->FormPaint();
}

}  // namespace zpx
