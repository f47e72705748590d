#pragma once
// The input dialog of a new puzzle: the constructor types the quotation and
// the author-title line and chooses automatic or manual grid sizing; OK
// checks the input and lays out the new puzzle in the record.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QKeyEvent;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zpx {

struct Refusal;

class TZpxInputForm : public QDialog {
    Q_OBJECT

public:
    explicit TZpxInputForm(QWidget* parent = nullptr);

    // The controls exist from the first showing on.
    QPlainTextEdit* QuoteMemo = nullptr;
    QLineEdit* AcrosticEdit = nullptr;
    QRadioButton* AutoBtn = nullptr;
    QRadioButton* ManualBtn = nullptr;
    QSpinBox* WidthSpin = nullptr;
    QSpinBox* HeightSpin = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* QcLbl = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* OkBtn = nullptr;

    // Full path of the puzzle file being created; the main window sets it.
    QString NewFileName;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    void FormShow();
    void AutoBtnClick();
    void QuoteMemoKeyPress(const QKeyEvent* event);
    void QuoteMemoKeyUp(const QKeyEvent* event);
    void OkBtnClick();
    void BuildPuzzleFromInput();
    void reportRefusal(const Refusal& refusal);
};

extern TZpxInputForm* ZpxInputForm;

}  // namespace zpx
