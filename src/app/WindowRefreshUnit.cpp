// Who refreshes whom: every cross-window refresh of the program, one named
// function per event, each calling the affected windows directly. Windows
// the program has not created (a test may create only some) are skipped.

#include "core/WindowRefreshUnit.h"

#include "clues/CluesDBUnit.h"
#include "clues/DefListUnit.h"
#include "clues/ZpxAutoUnit.h"
#include "construct/LettersDistUnit.h"
#include "construct/ZpxAcrosticWinUnit.h"
#include "construct/ZpxGridUnit.h"
#include "construct/ZpxScanUnit.h"
#include "construct/ZpxTitleUnit.h"
#include "core/PuzzleRecord.h"
#include "core/SharedState.h"
#include "core/ZpxProcsUnit.h"
#include "output/ZpxPrintUnit.h"
#include "solve/ZpxCluesUnit.h"
#include "solve/ZpxSolveUnit.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

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
    window->hide();
    window->show();
}

}  // namespace

void afterWordChanged(int word)
{
    repaintTitle();
    if (isShown(AcrosticWinForm))
        AcrosticWinForm->RefreshWordLine(word);
    Modified = true;
}

void afterLetterRemoved(int word, int column, int row)
{
    if (isShown(AutoclueForm))
        AutoclueForm->close();
    if (column != 0 && ZpxGridForm)
        ZpxGridForm->PaintSquare(column, row, 0);
    afterWordChanged(word);
}

void afterEntryChanged(int column, int row)
{
    const auto slot = PuzzleRecord.slotAt(column, row);
    if (slot && slot->position == 1)
        repaintTitle();
    if (slot && ZpxCluesForm)
        ZpxCluesForm->RebuildClueLine(slot->word);
}

void afterSolveEntry(int column, int row, bool advanced)
{
    if (advanced && ZpxGridForm)
        ZpxGridForm->PaintSquare(column, row, 0);
    afterEntryChanged(column, row);
}

void afterLetterRevealed()
{
    if (ZpxGridForm)
        ZpxGridForm->Cheated = true;
}

void afterClueChosen(int word, int cursorSquares)
{
    SelectedWord = word;
    if (ZpxGridForm)
        ZpxGridForm->ClearCursor();
    repaintTitle();
    if (ZpxSolveForm)
        ZpxSolveForm->ShowWord(cursorSquares);
}

void afterGridClueRequest(int column, int row)
{
    const auto slot = PuzzleRecord.slotAt(column, row);
    if (!slot || !ZpxCluesForm)
        return;
    ZpxCluesForm->LetterIndex = slot->position - 1;
    ZpxCluesForm->ClueListClick(slot->word, true);
}

void beforeGridClick()
{
    if (isShown(ZpxSolveForm))
        ZpxSolveForm->close();
}

void previewGridSquare(int column, int row, bool shown)
{
    if (ZpxGridForm)
        ZpxGridForm->PreviewSquare(column, row, shown);
}

void afterSolveWindowClosed()
{
    if (ZpxTitleForm)
        ZpxTitleForm->ClearSelection();
}

void afterWordSelected(int word)
{
    if (Mode == ModeSolve && word != 0) {
        if (ZpxCluesForm)
            ZpxCluesForm->FillClueList();
        if (ZpxSolveForm)
            ZpxSolveForm->ShowWord(ZpxProcs->ReadSetting(QStringLiteral("SolveHLOn"), 31));
        return;
    }
    if (isShown(AcrosticWinForm))
        AcrosticWinForm->SelectWordLine(word);
    if (word != 0 && isShown(AutoclueForm)) {
        AutoclueForm->CurrentWord = word;
        AutoclueForm->ShowWord();
    }
    // A selection highlights the word's squares while constructing; clearing it removes them in any mode.
    if (word == 0 || Mode == ModeConstruction)
        repaintGrid();
}

void afterWordListClick(int word)
{
    SelectedWord = word;
    repaintGrid();
    if (ZpxTitleForm)
        ZpxTitleForm->FormMouseUp(QPoint((word - 1) * AuthorTitleSquare, 1));
}

void afterDefinitionLineClick(int word)
{
    if (!AutoclueForm)
        return;
    AutoclueForm->CurrentWord = word;
    AutoclueForm->ShowWord();
}

void afterSpecialCharacterChosen(const std::string& utf8)
{
    if (!isShown(AutoclueForm))
        return;
    AutoclueForm->InsertAtCaret(QString::fromStdString(utf8));
    // The constructor goes on typing where the character went in.
    AutoclueForm->activateWindow();
}

void afterBankDefinitionChosen(const std::string& utf8)
{
    if (isShown(AutoclueForm))
        AutoclueForm->DefEdit->setText(QString::fromStdString(utf8));
}

void afterClueDatabaseShown(bool shown)
{
    if (!AutoclueForm || !AutoclueForm->AddBtn)
        return;
    AutoclueForm->AddBtn->setEnabled(shown);
    AutoclueForm->AddBtn->setToolTip(shown ? QStringLiteral("Add definition to clue database") : QString());
    AutoclueForm->AddBtn->setIcon(AutoclueForm->ImageList1[shown ? 8 : 7]);
    AutoclueForm->CluesBtn->setToolTip(shown ? QStringLiteral("Close clue database")
                                             : QStringLiteral("Open clue database"));
}

std::string autoclueAnswer()
{
    return AutoclueForm && AutoclueForm->ClueLbl ? AutoclueForm->ClueLbl->text().toStdString() : std::string();
}

void afterScanPick(int word)
{
    SelectedWord = word;
    repaintTitle();
    repaintGrid();
}

void afterPuzzleLoaded()
{
    ZpxGridForm->setWindowTitle(QFileInfo(QString::fromStdString(PuzzleFileName)).fileName());
    showAfresh(ZpxGridForm);
    showAfresh(ZpxTitleForm);
    ZpxPrintForm->ClearTitle();

    // The letters distribution belongs to construction; the word list and the
    // scan would show the answers to a solver and another puzzle's words to a constructor.
    ZpxSolveForm->hide();
    if (Mode == ModeSolve) {
        LettersDistForm->hide();
        AcrosticWinForm->hide();
        ZpxScanForm->hide();
        showAfresh(ZpxCluesForm);
        return;
    }
    ZpxCluesForm->hide();
    if (LettersDistForm->isVisible())
        LettersDistForm->FormPaint();
    else
        LettersDistForm->show();
    if (AcrosticWinForm->isVisible())
        AcrosticWinForm->FillWordList();
    if (ZpxScanForm->isVisible())
        ZpxScanForm->ScanGrid();
}

void afterRevert()
{
    // The clue line would still show the clue as it was before the revert.
    if (isShown(AutoclueForm))
        AutoclueForm->close();
    ZpxGridForm->ClearCursor();
    ZpxGridForm->Repaint();
    ZpxTitleForm->Repaint();
    if (Mode == ModeSolve) {
        ZpxSolveForm->CursorX = 31 * ZpxSolveForm->SquareSize;
        ZpxSolveForm->hide();
        ZpxCluesForm->FillClueList();
        return;
    }
    if (isShown(LettersDistForm))
        LettersDistForm->FormPaint();
    if (isShown(AcrosticWinForm))
        AcrosticWinForm->FillWordList();
}

void afterEntriesCleared()
{
    repaintGrid();
    repaintTitle();
    if (ZpxCluesForm)
        ZpxCluesForm->FillClueList();
}

void celebrateSolvedPuzzle(std::function<void()> finished)
{
    if (ZpxGridForm)
        ZpxGridForm->Celebrate(std::move(finished));
    else
        finished();
}

void afterPreferencesSaved()
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

bool solverCheated()
{
    return ZpxGridForm && ZpxGridForm->Cheated;
}

}  // namespace zpx
