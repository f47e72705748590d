#pragma once
// Print Puzzle: the constructor's choice of page layouts, orientation,
// copies and title, and the printing of them. In solve mode the main window
// prints the solver's page straight away through PrintForSolver.

#include "output/PageLayouts.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zpx {

class PrinterCanvas;

class TZpxPrintForm : public QDialog {
    Q_OBJECT

public:
    explicit TZpxPrintForm(QWidget* parent = nullptr);

    // The controls exist from the first showing or print on.
    QCheckBox* MSChk = nullptr;
    QCheckBox* MSGChk = nullptr;
    QCheckBox* NGChk = nullptr;
    QCheckBox* SGChk = nullptr;
    QCheckBox* PPChk = nullptr;
    QRadioButton* PortRB = nullptr;
    QRadioButton* LandRB = nullptr;
    QLabel* OrientImg = nullptr;
    QSpinBox* CopyEd = nullptr;  // with its up-down arrows, 1 to 99
    QLabel* PrnLbl = nullptr;
    QLineEdit* TitleEdit = nullptr;
    QCheckBox* GrayChk = nullptr;
    QCheckBox* DefChk = nullptr;
    QProgressBar* PrintBar = nullptr;
    QPushButton* AnswersBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* PrintBtn = nullptr;

    PrintFields Fields;

    // A newly loaded puzzle gets its title afresh.
    void ClearTitle();
    void PrintForSolver();
    void PrintBtnClick();
    void OrientClick();
    void DefChkClick();
    void AnswersBtnClick();

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void createComponents();
    void FormShow();
    void FormClose(int result);
    void showPrinter();
    // Runs `print` on the system printer, or into PDF files in the folder
    // chosen for them (asked for once); false when the user declined the folder.
    bool printJobs(const std::function<void(PrinterCanvas&)>& print);
    PrintTexts pageTexts(const std::string& puzzlePageTitle);
};

extern TZpxPrintForm* ZpxPrintForm;

// The puzzle's file name without folder and extension: the title it prints under.
QString puzzleTitle();

}  // namespace zpx
