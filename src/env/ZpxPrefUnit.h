#pragma once
// The preferences dialog: sounds, pointers, Autoclue counts, the solve
// highlight, the screen layout, the grid's colours and font, the print
// margin, the external tools and the fonts of three lists. Every showing
// starts from the stored settings; only Save writes them, and the main
// window then applies them to the open windows.

#include "core/DialogsUnit.h"
#include "env/Preferences.h"

#include <QColor>
#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPainter;
class QPushButton;
class QComboBox;
class QSpinBox;
class QTabWidget;

namespace zpx {

class TZpxPrefForm : public QDialog {
    Q_OBJECT

public:
    explicit TZpxPrefForm(QWidget* parent = nullptr);

    // The arrangement the main window applies after Save when ViewChk is checked.
    int LayoutCode() const { return Layout.layoutCode(); }

    QColor FilledColor;
    QColor BlankColor;

    // The controls exist from the first showing on.
    QTabWidget* PageControl1 = nullptr;
    QWidget* GeneralPg = nullptr;
    QWidget* ViewPg = nullptr;
    QWidget* PrintPg = nullptr;
    QWidget* ToolsPg = nullptr;
    QWidget* FontsPg = nullptr;

    QCheckBox* ViewChk = nullptr;
    QLabel* ScrImg = nullptr;
    QLabel* UserCfg = nullptr;
    QPushButton* ArrangeBtn = nullptr;
    QCheckBox* SaveAllChk = nullptr;
    QCheckBox* SoundChk = nullptr;
    QCheckBox* SpeechChk = nullptr;
    QCheckBox* CursorsChk = nullptr;
    QCheckBox* CountsChk = nullptr;
    QCheckBox* SolveChk = nullptr;
    QCheckBox* NumbersChk = nullptr;  // the solve grid's square numbers and word labels
    QComboBox* WordsCombo = nullptr;  // the answer words' list size

    QWidget* GridPad = nullptr;
    QWidget* ColorGrid1 = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QPushButton* FontBtn = nullptr;

    QSpinBox* PmSpin = nullptr;

    QLineEdit* DictEdit = nullptr;
    QLineEdit* ThesEdit = nullptr;
    QLineEdit* ClueEdit = nullptr;
    QLineEdit* PadEdit = nullptr;
    QLineEdit* PostEdit = nullptr;
    QPushButton* DictBtn = nullptr;
    QPushButton* ThesBtn = nullptr;
    QPushButton* ClueBtn = nullptr;
    QPushButton* PadBtn = nullptr;
    QPushButton* PostBtn = nullptr;

    QListWidget* SolveList = nullptr;
    QListWidget* DefsList = nullptr;
    QLineEdit* AutoclueEdit = nullptr;
    QPushButton* SolveFontBtn = nullptr;
    QPushButton* DefsListBtn = nullptr;
    QPushButton* AutoFontBtn = nullptr;

    QPushButton* DefaultsBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* SaveBtn = nullptr;

    void setVisible(bool visible) override;

    // Drawn by GridPad; also what a test reads.
    void GridPadPaint(QPainter& painter);
    // A mouse button released over the colour cell at (column, row), 0..3 each.
    void ColorGrid1Change(Qt::MouseButton button, int column, int row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createComponents();
    void createGeneralPage();
    void createViewPage();
    void createPrintPage();
    void createToolsPage();
    void createFontsPage();

    void FormShow();
    void showLayoutChoice();
    void ViewChkClick();
    void SaveAllChkClick();
    void ArrangeBtnClick();
    void SoundChkClick();
    void SpeechChkClick();
    void FontButtonClick(QWidget* preview);
    void BrowseClick(QLineEdit* edit, const QString& fileName, const QString& title, const QString& kind);
    void DefaultsBtnClick();
    void SaveBtnClick();
    void showColors();
    PreferenceChoices choices() const;

    LayoutChoice Layout;
};

extern TZpxPrefForm* ZpxPrefForm;

}  // namespace zpx
