#pragma once
// The main window: the program's shell. It carries the menus and tool
// buttons, runs the file commands, and after every load shows the windows
// the mode needs and enables what the mode allows.

#include "app/CommandEnabling.h"

#include <QMainWindow>

#include "core/PuzzleRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPrinter;
class QToolButton;

namespace zpx {

enum class SolverScope;

class TZpxMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TZpxMainForm(QWidget* parent = nullptr);
    ~TZpxMainForm() override;

    // The program's parameters ("file [-c]"), loaded once the window is shown.
    QStringList CommandLine;
    void OpenCommandLine(const QStringList& arguments);

    void PuzzleLoaded();
    // Undo and Redo name the step they would take back or make again.
    void RefreshEditCommands();
    // The line under the buttons: the byline when solving, the figures when building.
    void ShowPuzzleLine();
    void UpdateHistory();
    void PlaceMainWindow();
    void ArrangeWindows(int layoutCode);
    void ApplyToolSettings();
    bool SaveQuery();
    // Who goes on after a save: a way out of the puzzle (New, Open, Solve, a
    // recent puzzle), or the program closing.
    enum class Leaving { Puzzle, Program };
    // Saves the puzzle to its file before it is left; when that fails, asks
    // whether to save it under another name, discard the changes or stay.
    // False when the user stays with the puzzle.
    bool saveBeforeLeaving(Leaving leaving);
    // Saves the puzzle to its file, first asking for a .zpx name when it was
    // imported from an ipuz; false when the user gave none.
    bool saveToPuzzleFile();

    // Menu items, in menu order.
    QMenu* Puzzle1 = nullptr;
    QAction* Solve1 = nullptr;
    QMenu* Construct1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SavePuzzleAs1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* PrinterSetup1 = nullptr;
    QAction* N11 = nullptr;
    QAction* History1 = nullptr;
    QAction* History2 = nullptr;
    QAction* History3 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QMenu* Check1 = nullptr;
    QAction* CheckLetter1 = nullptr;
    QAction* CheckWord1 = nullptr;
    QAction* CheckGrid1 = nullptr;
    QAction* RevealLetter1 = nullptr;
    QAction* RevealWord1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* ScorePuzzle1 = nullptr;
    QAction* Clock1 = nullptr;
    QAction* ReverttoSaved1 = nullptr;
    QAction* ScanGrid1 = nullptr;
    QAction* AcrosticWindow1 = nullptr;
    QAction* SuggestWords1 = nullptr;
    QAction* FillRemainingWords1 = nullptr;
    QAction* AutoArrange1 = nullptr;
    QAction* Preferences1 = nullptr;
    QAction* AuthorAddress1 = nullptr;
    QMenu* Special1 = nullptr;
    QAction* ExportMetafile1 = nullptr;
    QAction* ExportEPS1 = nullptr;
    QAction* ExportSVG1 = nullptr;
    QAction* ExportRTFFile1 = nullptr;
    QAction* RTFGridtoClipboard1 = nullptr;
    QAction* ExportIpuz1 = nullptr;
    QAction* ExportJPZ1 = nullptr;
    QAction* ExportWebPage1 = nullptr;
    QAction* GridtoClipboard1 = nullptr;
    QAction* SolutiontoClipboard1 = nullptr;
    QAction* CluestoClipboard1 = nullptr;
    QAction* Byline1 = nullptr;
    QAction* Analysis1 = nullptr;
    QAction* SpillHotKey = nullptr;
    QMenu* Tools1 = nullptr;
    QAction* Dictionary1 = nullptr;
    QAction* Thesaurus1 = nullptr;
    QAction* ClueVault1 = nullptr;
    QAction* Scratchpad1 = nullptr;
    QAction* Postbot1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* HelpContents = nullptr;
    QAction* HelpKeywordIndexcs1 = nullptr;
    QAction* About1 = nullptr;
    QAction* HelpHotKey = nullptr;  // F1, on the window only

    QFrame* Panel1 = nullptr;
    QToolButton* CheatBtn = nullptr;
    QToolButton* SquaresBtn = nullptr;
    QToolButton* LettersBtn = nullptr;
    QToolButton* SpillBtn = nullptr;
    QToolButton* DistrBtn = nullptr;
    QToolButton* DictBtn = nullptr;
    QToolButton* AutoclueBtn = nullptr;
    QLabel* Byline = nullptr;
    QLabel* LogoImage = nullptr;

    // The printer that Printer Setup configures and printing uses.
    QPrinter* Printer();

    void New1Click();
    void Open1Click(QAction* source);
    void Save1Click();
    void SavePuzzleAs1Click();
    void ReverttoSaved1Click();
    void HistoryClick(int item);
    void Exit1Click();
    void Undo1Click();
    void Redo1Click();
    void SquaresBtnClick();
    void LettersBtnClick();
    void SpillBtnClick();
    void CheatBtnMouseDown();
    void CheatBtnMouseUp();
    void SpillHotKeyClick();
    void AutoclueBtnClick();
    void Byline1Click();
    void DistrBtnClick();
    void AcrosticWindow1Click();
    void ScanGrid1Click();
    void SuggestWords1Click();
    void FillRemainingWords1Click();
    void Analysis1Click();
    void AutoArrange1Click();
    // The solver's current letter, its word, or the whole grid: the wrong letters marked.
    void CheckClick(SolverScope scope);
    // The current letter or its word: the answers put in as one step.
    void RevealClick(SolverScope scope);
    void ScorePuzzle1Click();
    void Clock1Click();
    void Print1Click();
    void PrinterSetup1Click();
    void ExportMetafile1Click();
    void ExportEPS1Click();
    void ExportSVG1Click();
    void ExportRTFFile1Click();
    void ExportIpuz1Click();
    void ExportJPZ1Click();
    void ExportWebPage1Click();
    void ToClipboardClick(QAction* source);
    void AuthorAddress1Click();
    void Preferences1Click();
    // Shared by the five Tools items.
    void ToolsMenuItemClick(QAction* item);
    void DictBtnClick();
    void About1Click();
    void HelpContentsClick();
    void HelpKeywordIndexclick();
    void HelpHotKeyClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class LoadKind { Puzzle, Revert };

    void createMenus();
    void createPanel();
    // Enables every command and button by its rule for the current mode and puzzle.
    void applyCommandEnabling();
    void setButtonEnabled(QToolButton* button, bool enabled);
    std::array<QAction*, 3> historyItems() const;
    void FormShow();
    bool FormCloseQuery();
    bool FormClose();
    // Every load goes through here: start-up, Open and Solve, a history entry
    // and Revert. A file that cannot be read is reported with the error's own
    // text, and the puzzle, its file name and the mode stay as they were.
    void loadPuzzleInMode(const QString& path, std::uint8_t mode, LoadKind kind = LoadKind::Puzzle);
    void showHelpPage(const QString& page);
    // The solved puzzle's file goes to the recycle bin and its windows close; only a new load continues.
    void recycleSolvedPuzzle();
    // The square the solver is at: the solve window's current square, else the grid's cursor.
    std::optional<GridSquare> currentSolverSquare() const;
    // The author-title line of the puzzle just loaded or created, which later edits must keep.
    void rememberAuthorTitle();
    // The question after a failed save (`failure` says why): Save As... saves
    // under a new name, Discard Changes goes on without saving, Cancel stays.
    bool askAfterFailedSave(QString failure, Leaving leaving);

    PuzzleState puzzleState = PuzzleState::None;
    bool shownOnce = false;
    // The author-title warning Save gave last, so the same one is not given again.
    std::string warnedAuthorTitle;
};

extern TZpxMainForm* ZpxMainForm;

}  // namespace zpx
