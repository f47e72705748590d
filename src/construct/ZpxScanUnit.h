#pragma once
// The grid scan window: every acrostic word that takes two or more letters
// from one quotation word, one line each. Clicking a line selects the word
// for correction.

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace zpx {

class TZpxScanForm : public QWidget {
    Q_OBJECT

public:
    explicit TZpxScanForm(QWidget* parent = nullptr);

    void ScanGrid();

    QListWidget* DupeList;
    QPushButton* RescanBtn;
    QPushButton* CloseBtn;
    QLabel* ErrPanel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void RescanBtnClick();
    void CloseBtnClick();
    void DupeListClick();
};

extern TZpxScanForm* ZpxScanForm;

}  // namespace zpx
