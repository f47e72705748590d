#pragma once
// The byline dialog: the constructor credits the puzzle's author. Save
// stores the text in the record and marks the puzzle modified; Cancel,
// Escape and the close box change nothing. Every showing starts from the
// record's byline.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zpx {

class TBylineForm : public QDialog {
    Q_OBJECT

public:
    explicit TBylineForm(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // The controls exist from the first showing on.
    QLabel* ByLbl = nullptr;
    QLineEdit* BylineEdit = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* SaveBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createComponents();
    void FormShow();
    void SaveBtnClick();
};

extern TBylineForm* BylineForm;

}  // namespace zpx
