#pragma once
// The main window: the program's shell. It carries the menus and tool
// buttons, runs the file commands, and after every load shows the windows
// the mode needs and enables what the mode allows.

#include <QMainWindow>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPrinter;
class QToolButton;

namespace zpx {

class TZpxMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TZpxMainForm(QWidget* parent = nullptr);
    ~TZpxMainForm() override;

    // The program's parameters ("file [-c]"), loaded when the window is first shown.
    QStringList CommandLine;
    void OpenCommandLine(const QStringList& arguments);

    void PuzzleLoaded();
    void UpdateHistory();
    void PlaceMainWindow();
    void ArrangeWindows(int layoutCode);
    void ApplyToolSettings();
    bool SaveQuery();

    // Menu items, in menu order.
    QMenu* Puzzle1;
    QAction* Solve1;
    QMenu* Construct1;
    QAction* New1;
    QAction* Open1;
    QAction* Save1;
    QAction* SavePuzzleAs1;
    QAction* Print1;
    QAction* PrinterSetup1;
    QAction* N11;
    std::array<QAction*, 3> History{};
    QAction* N12;
    QAction* Exit1;
    QMenu* Options1;
    QAction* ScorePuzzle1;
    QAction* Clock1;
    QAction* ReverttoSaved1;
    QAction* ScanGrid1;
    QAction* AcrosticWindow1;
    QAction* AutoArrange1;
    QAction* Preferences1;
    QMenu* Special1;
    QAction* ExportMetafile1;
    QAction* ExportEPS1;
    QAction* ExportRTFFile1;
    QAction* RTFGridtoClipboard1;
    QAction* GridtoClipboard1;
    QAction* SolutiontoClipboard1;
    QAction* CluestoClipboard1;
    QAction* Byline1;
    QAction* Analysis1;
    QAction* SpillHotKey;
    QMenu* Tools1;
    QAction* Dictionary1;
    QAction* Thesaurus1;
    QAction* ClueVault1;
    QAction* Scratchpad1;
    QAction* Postbot1;
    QMenu* Help1;
    QAction* HelpContents;
    QAction* HelpKeywordIndexcs1;
    QAction* About1;

    QFrame* Panel1;
    QToolButton* CheatBtn;
    QToolButton* SquaresBtn;
    QToolButton* LettersBtn;
    QToolButton* SpillBtn;
    QToolButton* DistrBtn;
    QToolButton* DictBtn;
    QToolButton* AutoclueBtn;
    QLabel* Byline;
    QLabel* LogoImage;

    // The printer that Printer Setup configures and printing uses.
    QPrinter* Printer();

    void New1Click();
    void Open1Click(QAction* source);
    void Save1Click();
    void SavePuzzleAs1Click();
    void ReverttoSaved1Click();
    void HistoryClick(int item);
    void Exit1Click();
    void SquaresBtnClick();
    void LettersBtnClick();
    void SpillBtnClick();
    void CheatBtnMouseDown();
    void CheatBtnMouseUp();
    void SpillHotKeyClick();
    void DistrBtnClick();
    void AcrosticWindow1Click();
    void ScanGrid1Click();
    void Analysis1Click();
    void AutoArrange1Click();
    void PrinterSetup1Click();
    void HelpContentsClick();
    void HelpKeywordIndexclick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createPanel();
    QToolButton* createToolButton(int left, const QString& hint, const QString& picture);
    void applyModeEnabling();
    void setButtonEnabled(QToolButton* button, bool enabled);
    void FormShow();
    bool FormCloseQuery();
    bool FormClose();
    void loadInMode(const QString& path, int mode);
    void showHelpPage(const QString& page);

    bool shownOnce = false;
    QPrinter* printer = nullptr;
};

extern TZpxMainForm* ZpxMainForm;

}  // namespace zpx
